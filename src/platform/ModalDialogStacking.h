// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;
class QWindow;

// A modal dialog always stands above the program's tool windows. A tool
// window that stays on top (the Tag Inspector with its box ticked) sits in
// the window manager's upper layer, where a dialog of the main window
// never reaches; so a modal dialog shown while such a window is up belongs
// to that window and stays on top too, which puts it above.
class ModalDialogStacking : public QObject {
    Q_OBJECT
public:
    // Watches every window the application shows, from now on.
    static void Install();
    // The window that stays on top and that a modal dialog shown now has
    // to stand above; null when there is none.
    static QWidget *WindowToStandAbove(const QWidget &dialog);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    static void StandAbove(QWidget &dialog, QWindow &handle, QWidget *window);
};
