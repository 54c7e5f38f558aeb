// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FormBusy.h"

#include <QApplication>
#include <QCursor>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {
struct BusyRecord {
    QMetaObject::Connection destroyed;   // forgets the window when it goes away
    QPointer<QWidget> focus;             // where the keyboard focus was
};

QHash<const QObject *, BusyRecord> &BusyForms()
{
    static QHash<const QObject *, BusyRecord> forms;
    return forms;
}

void MarkBusy(QWidget *form)
{
    auto &forms = BusyForms();
    if (forms.contains(form))
        return;
    if (forms.isEmpty())
        QApplication::setOverrideCursor(Qt::WaitCursor);
    BusyRecord record;
    QWidget *focus = QApplication::focusWidget();
    if (focus && (focus == form || form->isAncestorOf(focus)))
        record.focus = focus;
    record.destroyed = QObject::connect(form, &QObject::destroyed, [](QObject *gone) {
        auto &all = BusyForms();
        if (all.remove(gone) > 0 && all.isEmpty())
            QApplication::restoreOverrideCursor();
    });
    forms.insert(form, record);
}

// Returns the widget that had the focus when the window turned busy.
QWidget *MarkIdle(QWidget *form)
{
    auto &forms = BusyForms();
    auto it = forms.find(form);
    if (it == forms.end())
        return nullptr;
    QObject::disconnect(it->destroyed);
    QWidget *focus = it->focus;
    forms.erase(it);
    if (forms.isEmpty())
        QApplication::restoreOverrideCursor();
    return focus;
}
}

void SetFormBusy(QWidget *form, bool busy)
{
    QCoreApplication::processEvents();
    if (!form)
        return;
    if (busy) {
        MarkBusy(form);
        form->setEnabled(false);
    } else {
        form->setEnabled(true);
        // Disabling took the keyboard focus away; give it back.
        QWidget *focus = MarkIdle(form);
        if (focus && focus->isEnabled() && !QApplication::focusWidget())
            focus->setFocus();
    }
    if (form->isVisible())
        form->repaint();
}

bool IsFormBusy(const QWidget *form)
{
    return BusyForms().contains(form);
}
