// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class TfrmMDIChild;

// The open documents listed at the end of the Window menu: a separator and
// one check item per document (its caption; the active one checked) that
// brings it to the front.
class WindowListMenu : public QObject {
    Q_OBJECT
public:
    WindowListMenu(QMenu *menu, std::function<void(TfrmMDIChild *)> activate);

    // Rebuilds the entries for these documents (in menu order).
    void Update(const QList<TfrmMDIChild *> &documents, const TfrmMDIChild *active);
    QList<QAction *> Entries() const { return FEntries; }

private:
    QMenu *FMenu;
    QActionGroup *FGroup;
    QAction *FSeparator = nullptr;
    QList<QAction *> FEntries;
    std::function<void(TfrmMDIChild *)> FActivate;
};
