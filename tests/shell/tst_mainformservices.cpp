// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FormBusy.h"
#include "controls/PanelStatusBar.h"
#include "editor/TfrmMDIChild.h"
#include "platform/FatalErrorText.h"
#include "platform/ProductInfo.h"
#include "shell/MessageNotebook.h"
#include "shell/TfrmMainForm.h"
#include "shell/WindowPlacer.h"
#include "support/ScriptedDialogs.h"
#include "support/ShippedData.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

// The services other windows ask of the main window, and its start and
// end: beep rule, hints, status panels, tag pages, bars, placement,
// commands by name, the fatal start-up error.

class TestMainFormServices : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void beepRuleFollowsTheSoundOption();
    void hintsTakeOverTheMessageBar();
    void modifiedIndicatorObeysItsSwitch();
    void selectTagGroupPage();
    void userPageChangeLeavesNoBusyState();
    void barToggles();
    void placement();
    void barCommandsAndRefusals();
    void fatalErrorAtFirstActivation();
    void firstActivationIsConsumedOnce();
};

void TestMainFormServices::cleanup()
{
    FatalErrorText().clear();
}

void TestMainFormServices::beepRuleFollowsTheSoundOption()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.btnUndoClick();
    QCOMPARE(dialogs.BeepCount(), 1);
    form.ErrorBeep();
    QCOMPARE(dialogs.BeepCount(), 2);

    form.OptionValues().sound = false;
    form.btnUndoClick();
    form.ErrorBeep();
    QCOMPARE(dialogs.BeepCount(), 2);
    // A refusal shows nothing else.
    QCOMPARE(dialogs.Messages().size(), 0);
}

void TestMainFormServices::hintsTakeOverTheMessageBar()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    PanelStatusBar *bar = form.MessageBar;
    bar->SetPanelText(0, QStringLiteral(" Ready"));

    form.ShowHintText(QStringLiteral("Cut| Cuts the selection and puts it on the Clipboard"));
    QVERIFY(bar->IsSimple());
    QCOMPARE(bar->SimpleText(), QStringLiteral(" Cuts the selection and puts it on the Clipboard"));

    form.ShowHintText(QString());
    QVERIFY(!bar->IsSimple());
    QCOMPARE(bar->PanelText(0), QStringLiteral(" Ready"));

    // Hovering a menu item or a button sends its long hint as a status tip.
    QStatusTipEvent tip(form.MenuItem(QStringLiteral("mnuOpen"))->statusTip());
    QApplication::sendEvent(form.menuBar(), &tip);
    QVERIFY(bar->IsSimple());
    QCOMPARE(bar->SimpleText(), QStringLiteral(" Opens an existing Web page"));

    auto *button = form.findChild<QToolButton *>(QStringLiteral("sbH1"));
    QStatusTipEvent buttonTip(button->statusTip());
    QApplication::sendEvent(button, &buttonTip);
    QVERIFY(bar->SimpleText().contains(QStringLiteral("<H1>")));
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(button, &leave);
    QVERIFY(!bar->IsSimple());

    // A pop-up menu opened on its own reports its items too.
    emit form.mnuMainPopup->hovered(form.MenuItem(QStringLiteral("mnuPopCut")));
    QCOMPARE(bar->SimpleText(), QStringLiteral(" Cuts the selection and puts it on the Clipboard"));
}

void TestMainFormServices::modifiedIndicatorObeysItsSwitch()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    QVERIFY(!form.ModifiedIndicatorOn());
    form.ShowModifiedState(true);
    QCOMPARE(form.MessageBar->PanelText(4), QString());

    form.SetModifiedIndicatorOn(true);
    form.ShowModifiedState(true);
    QCOMPARE(form.MessageBar->PanelText(4), QStringLiteral("Modified..."));
    form.SetModifiedIndicatorOn(false);
    form.ShowModifiedState(false);
    QCOMPARE(form.MessageBar->PanelText(4), QStringLiteral("Modified..."));
    form.SetModifiedIndicatorOn(true);
    form.ShowModifiedState(false);
    QCOMPARE(form.MessageBar->PanelText(4), QString());

    form.SetStatusText(0, QStringLiteral(" Browser ..."));
    QCOMPARE(form.MessageBar->PanelText(0), QStringLiteral(" Browser ..."));
}

void TestMainFormServices::selectTagGroupPage()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    QTabWidget *tabs = form.TagGrpPageControl;
    QSignalSpy changes(tabs, &QTabWidget::currentChanged);
    const auto page = [tabs] { return tabs->tabText(tabs->currentIndex()); };

    form.SelectTagGroupPage(QStringLiteral("image & imagemap"));
    QCOMPARE(page(), QStringLiteral("Image"));
    form.SelectTagGroupPage(QStringLiteral("form"));
    QCOMPARE(page(), QStringLiteral("Form"));
    form.SelectTagGroupPage(QStringLiteral("PAGE STRUCTURE"));
    QCOMPARE(page(), QStringLiteral("Page Structure"));
    form.SelectTagGroupPage(QStringLiteral("Frames"));
    QCOMPARE(page(), QStringLiteral("Page Structure"));
    form.SelectTagGroupPage(QString());
    QCOMPARE(page(), QStringLiteral("Page Structure"));
    // The program's choice of page is not the user's: no change handling.
    QCOMPARE(changes.count(), 0);
}

void TestMainFormServices::userPageChangeLeavesNoBusyState()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.TagGrpPageControl->setCurrentIndex(4);
    QVERIFY(form.isEnabled());
    QVERIFY(!IsFormBusy(&form));
    QVERIFY(QApplication::overrideCursor() == nullptr);

    form.SetBusy(true);
    QVERIFY(!form.isEnabled());
    form.SetBusy(false);
    QVERIFY(form.isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestMainFormServices::barToggles()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    form.show();
    struct Bar {
        const char *item;
        void (TfrmMainForm::*click)();
        QWidget *panel;
    };
    const QList<Bar> bars = {
        {"mnuToolBar", &TfrmMainForm::mnuToolBarClick, form.pnlToolBar},
        {"mnuTagNotebookBar", &TfrmMainForm::mnuTagNotebookBarClick, form.pnlTagNotebookBar},
        {"mnuMessagebar", &TfrmMainForm::mnuMessagebarClick, form.MsgNotebook},
    };
    for (const Bar &bar : bars) {
        QAction *item = form.MenuItem(QLatin1String(bar.item));
        QVERIFY(item->isChecked());
        QVERIFY(bar.panel->isVisible());
        (form.*bar.click)();
        QVERIFY(!item->isChecked());
        QVERIFY(!bar.panel->isVisible());
        // Choosing the menu item does the same.
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(bar.panel->isVisible());
    }
    form.SetBarStates(false, true, false);
    QVERIFY(!form.pnlToolBar->isVisible() && form.pnlTagNotebookBar->isVisible()
            && !form.MsgNotebook->isVisible());
    QVERIFY(!form.ToolBarShown() && form.TagNotebookBarShown() && !form.MessageBarShown());
}

void TestMainFormServices::placement()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    const QSize screen = WindowPlacer::ScreenSize();
    const WindowPlacement stored{false, false, 10, 20, 500, 300};
    form.ApplyMainPlacement(stored);
    QCOMPARE(form.MainPlacement, stored);
    QCOMPARE(form.size(), QSize(500, 300));
    QCOMPARE(form.pos(), QPoint(10, 20));

    // An unusable placement brings back the default layout, for both.
    form.InspectorPlacement = WindowPlacement{};
    form.ApplyMainPlacement(WindowPlacement{false, false, screen.width(), 0, 500, 300});
    QCOMPARE(form.MainPlacement.Left, screen.width() <= 800 ? screen.width() / 2 - 315 : 0);
    QCOMPARE(form.InspectorPlacement.Width, 290);
    QCOMPARE(form.pos(), QPoint(form.MainPlacement.Left, form.MainPlacement.Top));
    QCOMPARE(form.size(), QSize(form.MainPlacement.Width, form.MainPlacement.Height));

    // What is applied reads back the same, also for a maximised window,
    // which reports the place it returns to.
    form.ApplyMainPlacement(stored);
    QCOMPARE(WindowPlacer::Read(&form), stored);
    const WindowPlacement maximized{true, false, 30, 40, 640, 480};
    form.ApplyMainPlacement(maximized);
    QVERIFY(form.windowState() & Qt::WindowMaximized);
    QCOMPARE(WindowPlacer::Read(&form), maximized);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(WindowPlacer::Read(&form).Maximized);
    form.ApplyMainPlacement(stored);
    QVERIFY(!form.isMaximized());
    QCOMPARE(WindowPlacer::Read(&form), stored);
}

void TestMainFormServices::barCommandsAndRefusals()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    // The bar items run from their check marks, as a click sets them.
    form.MenuItem(QStringLiteral("mnuToolBar"))->trigger();
    QVERIFY(!form.ToolBarShown());
    QVERIFY(!form.pnlToolBar->isVisibleTo(&form));
    form.mnuTagNotebookBarClick();
    QVERIFY(!form.pnlTagNotebookBar->isVisibleTo(&form));

    // Dropped items and saving are refused for now: nothing changes.
    form.InsertDroppedItem(&form);
    TfrmMDIChild *doc = new TfrmMDIChild(form);
    form.AddDocumentWindow(doc);
    QVERIFY(!form.SaveDocument(doc));
}

void TestMainFormServices::fatalErrorAtFirstActivation()
{
    ScriptedDialogs dialogs;
    FatalErrorText() = QStringLiteral("Can not open table: TAGS.DB");
    TfrmMainForm form;
    form.show();
    QVERIFY(form.isVisible());
    dialogs.Clear();

    form.FormActivate();
    const QList<ScriptedDialogs::Call> messages = dialogs.Messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].msgKind, MsgKind::Error);
    QCOMPARE(messages[0].buttons, MsgButtons(mbOK));
    QCOMPARE(messages[0].text,
             QStringLiteral("Fatal error occured.\rCan not open table: TAGS.DB"
                            "\rContact Varo Software.\rE-mail : ")
                 + ProductInfo::ContactAddress);
    QVERIFY(!form.isVisible());
}

void TestMainFormServices::firstActivationIsConsumedOnce()
{
    ScriptedDialogs dialogs;
    TfrmMainForm form;
    QVERIFY(form.FirstActivation);
    QVERIFY(!form.WorkDir.isEmpty());
    form.FormActivate();
    QVERIFY(!form.FirstActivation);
    form.FormActivate();
    QVERIFY(!form.FirstActivation);
    QCOMPARE(dialogs.calls.size(), 0);
    QVERIFY(form.close());
}

QTEST_MAIN(TestMainFormServices)
#include "tst_mainformservices.moc"
