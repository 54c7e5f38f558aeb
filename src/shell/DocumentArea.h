// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMdiArea>
#include <QRect>

class TfrmMDIChild;

// The frame's client area that holds the document windows. A window that
// is closing (hidden) no longer counts as open.
class DocumentArea : public QMdiArea {
    Q_OBJECT
public:
    explicit DocumentArea(QWidget *parent = nullptr);

    // The open documents, the current one first, then by recent activation.
    QList<TfrmMDIChild *> Documents() const;
    // The open documents in the order they were opened.
    QList<TfrmMDIChild *> DocumentsInCreationOrder() const;
    // The current document, or the most recent open one, or nullptr.
    TfrmMDIChild *ActiveDocument() const;

    // Switches the autosave timer of every document, each once it is ready
    // (waiting, processing messages, while an operation holds it).
    void SetAutoSaveTimers(bool on);

    // Where a new document window opens: three quarters of the area, each
    // new one a step down and to the right of the one before.
    QRect NextDocumentGeometry() const;

    // The windows that are not minimised, one above the other, each as wide
    // as the area; the minimised ones keep their row at the bottom.
    void TileHorizontally();
    // The minimised windows lined up from the bottom-left corner, row by
    // row upwards.
    void ArrangeIcons();

private:
    QList<QMdiSubWindow *> Shown(bool minimized) const;
};
