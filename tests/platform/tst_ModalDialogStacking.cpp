// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModalDialogStacking.h"

#include <QDialog>
#include <QWindow>
#include <QtTest>

// A modal dialog shown while a tool window stays on top belongs to that
// window and stays on top too, so window managers put it above; otherwise
// it is left as it is.
class tst_ModalDialogStacking : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void modalDialogStandsAboveWindowsOnTop_data();
    void modalDialogStandsAboveWindowsOnTop();
};

void tst_ModalDialogStacking::initTestCase()
{
    ModalDialogStacking::Install();
    ModalDialogStacking::Install();   // once is enough
}

void tst_ModalDialogStacking::modalDialogStandsAboveWindowsOnTop_data()
{
    QTest::addColumn<bool>("toolOnTop");
    QTest::addColumn<bool>("toolShown");
    QTest::addColumn<bool>("modal");
    QTest::addColumn<bool>("lifted");
    QTest::newRow("tool window on top") << true << true << true << true;
    QTest::newRow("tool window in the normal layer") << false << true << true << false;
    QTest::newRow("tool window hidden") << true << false << true << false;
    QTest::newRow("modeless dialog") << true << true << false << false;
}

void tst_ModalDialogStacking::modalDialogStandsAboveWindowsOnTop()
{
    QFETCH(bool, toolOnTop);
    QFETCH(bool, toolShown);
    QFETCH(bool, modal);
    QFETCH(bool, lifted);
    QWidget main;
    main.show();
    QWidget tool(&main, Qt::Tool | (toolOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()));
    tool.setVisible(toolShown);

    QDialog dialog(&main);
    dialog.setModal(modal);
    for (int use = 0; use < 2; ++use) {
        dialog.show();
        const QWindow *handle = dialog.windowHandle();
        QCOMPARE(handle->flags().testFlag(Qt::WindowStaysOnTopHint), lifted);
        QCOMPARE(handle->transientParent(), (lifted ? &tool : &main)->windowHandle());
        dialog.hide();
        // Shown again once the tool window has gone, it is as it was.
        tool.hide();
        lifted = false;
    }
}

QTEST_MAIN(tst_ModalDialogStacking)
#include "tst_ModalDialogStacking.moc"
