// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

// The borderless window shown while the program starts, telling the user
// which step start-up has reached.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    QLabel *lblVerNum = nullptr;
    QLabel *lblMessage = nullptr;

    // Shows a start-up step at once, without waiting for the event loop.
    void SetMessage(const QString &message);
    // Shows the window centred on the screen and paints it at once.
    void ShowNow();

protected:
    void paintEvent(QPaintEvent *event) override;
};
