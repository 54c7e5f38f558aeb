// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DocumentArea.h"

#include "editor/TfrmMDIChild.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>

DocumentArea::DocumentArea(QWidget *parent)
    : QMdiArea(parent)
{
}

QList<TfrmMDIChild *> DocumentArea::Documents() const
{
    QList<TfrmMDIChild *> documents;
    const QList<QMdiSubWindow *> windows = subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (auto *child = qobject_cast<TfrmMDIChild *>(*it); child && !child->isHidden())
            documents.append(child);
    // The current window leads even while the frame itself is inactive.
    if (auto *current = qobject_cast<TfrmMDIChild *>(currentSubWindow());
        current && documents.removeOne(current))
        documents.prepend(current);
    return documents;
}

QList<TfrmMDIChild *> DocumentArea::DocumentsInCreationOrder() const
{
    QList<TfrmMDIChild *> documents;
    const QList<QMdiSubWindow *> windows = subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *window : windows)
        if (auto *child = qobject_cast<TfrmMDIChild *>(window); child && !child->isHidden())
            documents.append(child);
    return documents;
}

TfrmMDIChild *DocumentArea::ActiveDocument() const
{
    const QList<TfrmMDIChild *> documents = Documents();
    return documents.isEmpty() ? nullptr : documents.first();
}

void DocumentArea::SetAutoSaveTimers(bool on)
{
    const QList<TfrmMDIChild *> documents = Documents();
    for (const QPointer<TfrmMDIChild> document : documents) {
        if (document)
            document->WaitUntilReady();
        // Waiting handles messages: the window may have gone meanwhile.
        if (!document || !document->SaveTimer)
            continue;
        if (on)
            document->SaveTimer->start();
        else
            document->SaveTimer->stop();
    }
}

QList<QMdiSubWindow *> DocumentArea::Shown(bool minimized) const
{
    QList<QMdiSubWindow *> result;
    const QList<QMdiSubWindow *> windows = subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *window : windows)
        if (!window->isHidden() && window->isMinimized() == minimized)
            result.append(window);
    return result;
}

QRect DocumentArea::NextDocumentGeometry() const
{
    constexpr int Step = 24;
    constexpr int Steps = 8;
    const QSize area = viewport()->size();
    const QSize size(qBound(qMin(320, area.width()), area.width() * 3 / 4, area.width()),
                     qBound(qMin(200, area.height()), area.height() * 3 / 4, area.height()));
    const int step = int(subWindowList().size() % Steps) * Step;
    QPoint topLeft(step, step);
    if (topLeft.x() + size.width() > area.width() || topLeft.y() + size.height() > area.height())
        topLeft = QPoint(0, 0);
    return QRect(topLeft, size);
}

void DocumentArea::TileHorizontally()
{
    const QList<QMdiSubWindow *> windows = Shown(false);
    if (windows.isEmpty())
        return;
    const QList<QMdiSubWindow *> icons = Shown(true);
    const int iconRow = icons.isEmpty() ? 0 : icons.first()->height();
    const QRect client = viewport()->rect();
    const int height = qMax(1, (client.height() - iconRow) / int(windows.size()));
    int top = 0;
    for (QMdiSubWindow *window : windows) {
        if (window->isMaximized())
            window->showNormal();
        window->setGeometry(0, top, client.width(), height);
        top += height;
    }
}

void DocumentArea::ArrangeIcons()
{
    const QRect client = viewport()->rect();
    int left = 0;
    int bottom = client.height();
    for (QMdiSubWindow *icon : Shown(true)) {
        if (left > 0 && left + icon->width() > client.width()) {
            left = 0;
            bottom -= icon->height();
        }
        icon->move(left, bottom - icon->height());
        left += icon->width();
    }
}
