// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FormBusy.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

class TestFormBusy : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void busyDisablesAndShowsTheHourglass();
    void repeatedCallsLeaveNoHourglassBehind();
    void twoBusyWindowsInEitherOrder();
    void aWindowDestroyedWhileBusyReleasesTheHourglass();
    void theFocusComesBack();
};

namespace {
// How many override cursors are stacked.
int OverrideDepth()
{
    int depth = 0;
    QList<QCursor> popped;
    while (QApplication::overrideCursor()) {
        popped.append(*QApplication::overrideCursor());
        QApplication::restoreOverrideCursor();
        ++depth;
    }
    for (auto it = popped.crbegin(); it != popped.crend(); ++it)
        QApplication::setOverrideCursor(*it);
    return depth;
}

bool ShowsHourglass()
{
    return QApplication::overrideCursor()
        && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}
}

void TestFormBusy::cleanup()
{
    // A failed test must not hand its hourglass to the next one.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void TestFormBusy::busyDisablesAndShowsTheHourglass()
{
    QWidget form;
    form.show();
    SetFormBusy(&form, true);
    QVERIFY(!form.isEnabled());
    QVERIFY(IsFormBusy(&form));
    QVERIFY(ShowsHourglass());

    SetFormBusy(&form, false);
    QVERIFY(form.isEnabled());
    QVERIFY(!IsFormBusy(&form));
    QCOMPARE(OverrideDepth(), 0);
}

void TestFormBusy::repeatedCallsLeaveNoHourglassBehind()
{
    QWidget form;
    SetFormBusy(&form, true);
    SetFormBusy(&form, true);
    QCOMPARE(OverrideDepth(), 1);
    SetFormBusy(&form, false);
    QCOMPARE(OverrideDepth(), 0);
    QVERIFY(form.isEnabled());

    // Leaving a busy state that was never entered pops nobody's cursor.
    QApplication::setOverrideCursor(Qt::IBeamCursor);
    SetFormBusy(&form, false);
    SetFormBusy(&form, false);
    QCOMPARE(OverrideDepth(), 1);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::IBeamCursor);
    QApplication::restoreOverrideCursor();
}

void TestFormBusy::twoBusyWindowsInEitherOrder()
{
    QWidget main;
    QWidget inspector;
    for (bool mainFirst : {true, false}) {
        SetFormBusy(&main, true);
        SetFormBusy(&inspector, true);
        QVERIFY(ShowsHourglass());
        SetFormBusy(mainFirst ? &main : &inspector, false);
        // The other window still works: the hourglass stays.
        QVERIFY(ShowsHourglass());
        QVERIFY(mainFirst ? !inspector.isEnabled() : !main.isEnabled());
        SetFormBusy(mainFirst ? &inspector : &main, false);
        QCOMPARE(OverrideDepth(), 0);
        QVERIFY(main.isEnabled() && inspector.isEnabled());
    }
}

void TestFormBusy::aWindowDestroyedWhileBusyReleasesTheHourglass()
{
    auto *form = new QWidget;
    SetFormBusy(form, true);
    QVERIFY(ShowsHourglass());
    delete form;
    QCOMPARE(OverrideDepth(), 0);

    // A new window that happens to get the same address starts idle.
    QWidget other;
    QVERIFY(!IsFormBusy(&other));
    SetFormBusy(&other, false);
    QCOMPARE(OverrideDepth(), 0);
}

void TestFormBusy::theFocusComesBack()
{
    QWidget form;
    auto *edit = new QLineEdit(&form);
    new QLineEdit(&form);
    form.show();
    QApplication::setActiveWindow(&form);
    edit->setFocus();
    QVERIFY(QTest::qWaitFor([edit] { return edit->hasFocus(); }));

    SetFormBusy(&form, true);
    QVERIFY(!edit->hasFocus());
    SetFormBusy(&form, false);
    QVERIFY(edit->hasFocus());
}

QTEST_MAIN(TestFormBusy)
#include "tst_formbusy.moc"
