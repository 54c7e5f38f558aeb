// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Hints.h"
#include "controls/PanelStatusBar.h"
#include "shell/DocumentArea.h"
#include "shell/MessageNotebook.h"
#include "shell/WindowPlacer.h"
#include "support/MainFormFixture.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

// The main window as it stands after creation: its parts, every menu item
// and every button with caption, shortcut and hint.
class TestMainFormLayout : public MainFormFixture {
    Q_OBJECT
private slots:
    void windowAndBars();
    void messageNotebook();
    void everyMenuItem();
    void everyButton();
    void glyphsFitTheirButtons();
};

namespace {
bool IsTwoPartHint(const QString &hint, bool menuStyle)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    if (bar <= 0 || bar == hint.size() - 1)
        return false;
    const QString tail = hint.mid(bar + 1);
    if (tail.trimmed().isEmpty())
        return false;
    return !menuStyle || tail.startsWith(QLatin1Char(' '));
}
} // namespace

void TestMainFormLayout::windowAndBars()
{
    QCOMPARE(frmMainForm, FForm.get());
    QCOMPARE(FForm->windowTitle(), QStringLiteral("Quillon HTML Editor"));
    QCOMPARE(FForm->objectName(), QStringLiteral("TfrmMainForm"));
    // The offscreen screen is 800 x 600 wide at most: a centred 630 x 450.
    if (WindowPlacer::ScreenSize().width() <= 800)
        QCOMPARE(FForm->size(), QSize(630, 450));
    QCOMPARE(Dialogs::ParentWindow(), FForm.get());

    QCOMPARE(FForm->pnlToolBar->height(), 35);
    QCOMPARE(FForm->pnlTagNotebookBar->height(), 62);
    QCOMPARE(FForm->pnlToolBar->objectName(), QStringLiteral("pnlToolBar"));
    QCOMPARE(FForm->pnlTagNotebookBar->objectName(), QStringLiteral("pnlTagNotebookBar"));
    QVERIFY(FForm->MDIClient->background().color() == FForm->palette().color(QPalette::Dark));

    FForm->show();
    // Top to bottom: tool bar, tag notebook bar, documents, message bar.
    const auto top = [&](QWidget *w) { return w->mapTo(FForm.get(), QPoint(0, 0)).y(); };
    QVERIFY(top(FForm->pnlToolBar) < top(FForm->pnlTagNotebookBar));
    QVERIFY(top(FForm->pnlTagNotebookBar) < top(FForm->MDIClient));
    QVERIFY(top(FForm->MDIClient) < top(FForm->MsgNotebook));
    // The tool bar's preview button stands at the right end.
    auto *preview = FForm->findChild<QToolButton *>(QStringLiteral("sbPreview"));
    const QList<QToolButton *> toolButtons = FForm->pnlToolBar->findChildren<QToolButton *>();
    for (QToolButton *button : toolButtons)
        QVERIFY(button == preview || button->x() < preview->x());

    QTabWidget *tags = FForm->TagGrpPageControl;
    QCOMPARE(tags->objectName(), QStringLiteral("TagGrpPageControl"));
    QStringList captions;
    for (int i = 0; i < tags->count(); ++i)
        captions << tags->tabText(i);
    QCOMPARE(captions,
             (QStringList{"Page Structure", "Headings", "Link", "List", "Formatting", "Image",
                          "Form", "Table", "Other"}));
    QCOMPARE(tags->currentIndex(), 0);
    // The buttons fit inside the bar.
    auto *body = FForm->findChild<QToolButton *>(QStringLiteral("sbBODY"));
    QVERIFY(body->isVisible());
    const QRect bodyRect(body->mapTo(FForm->pnlTagNotebookBar, QPoint(0, 0)), body->size());
    QVERIFY(FForm->pnlTagNotebookBar->rect().contains(bodyRect));

    // The Window menu starts hidden; the pop-up's clipboard items disabled.
    QVERIFY(!FForm->mnuWindow->menuAction()->isVisible());
    for (const char *name : {"mnuPopCut", "mnuPopCopy", "mnuPopPaste"})
        QVERIFY(!FForm->MenuItem(QLatin1String(name))->isEnabled());
    QCOMPARE(FForm->MainPopupMenu(), FForm->mnuMainPopup);
}

void TestMainFormLayout::messageNotebook()
{
    MessageNotebook *notebook = FForm->MsgNotebook;
    QCOMPARE(notebook->count(), 2);
    QCOMPARE(notebook->tabText(0), QStringLiteral("Status"));
    QCOMPARE(notebook->tabText(1), QStringLiteral("Progress"));
    QCOMPARE(notebook->currentIndex(), 0);
    QCOMPARE(notebook->widget(0), FForm->MessageBar);
    QCOMPARE(notebook->widget(1), FForm->pnlProgress);
    QCOMPARE(FForm->lblProgressMessage->text(), QStringLiteral("Save..."));
    QCOMPARE(FForm->ProgressBar->minimum(), 0);
    QCOMPARE(FForm->ProgressBar->maximum(), 100);

    PanelStatusBar *bar = FForm->MessageBar;
    QCOMPARE(bar->objectName(), QStringLiteral("MessageBar"));
    QCOMPARE(bar->PanelCount(), 5);
    const QList<int> widths = {300, 70, 70, 70, 50};
    for (int i = 0; i < 5; ++i) {
        // The designed width, or wider where the panel's text needs it.
        QVERIFY(bar->PanelWidth(i) >= widths[i]);
        QVERIFY(bar->PanelWidth(i) <= widths[i] + 40);
        QCOMPARE(bool(bar->PanelAlignment(i) & Qt::AlignHCenter), i > 0);
    }
    // Default options: autosave on, word wrap off.
    QCOMPARE(bar->PanelText(1), QStringLiteral("Auto Save"));
    QCOMPARE(bar->PanelText(2), QString());

    FForm->OptionValues().autoSave = false;
    FForm->OptionValues().wordWrap = true;
    FForm->ShowOptionPanels();
    QCOMPARE(bar->PanelText(1), QString());
    QCOMPARE(bar->PanelText(2), QStringLiteral("Word Wrap"));

    // The progress flash ends on the status page with the bar at 0.
    FForm->ShowProgress(QStringLiteral(" Load..."));
    QCOMPARE(FForm->lblProgressMessage->text(), QStringLiteral(" Load..."));
    QCOMPARE(notebook->currentIndex(), 0);
    QCOMPARE(FForm->ProgressBar->value(), 0);
}

void TestMainFormLayout::everyMenuItem()
{
    struct Expected {
        const char *menu;
        const char *name;
        const char *caption;
        const char *shortcut;
    };
    const QList<Expected> items = {
        {"mnuFile", "mnuNew", "&New ...", "Ctrl+N"},
        {"mnuFile", "mnuOpen", "&Open ...", "Ctrl+O"},
        {"mnuFile", "mnuClose", "&Close", ""},
        {"mnuFile", "mnuSave", "&Save", "Ctrl+S"},
        {"mnuFile", "mnuSaveAs", "Save &As ...", ""},
        {"mnuFile", "mnuSaveAll", "Save A&ll", ""},
        {"mnuFile", "mnuPrintSetup", "P&rint Setup ...", ""},
        {"mnuFile", "mnuPrint", "&Print", "Ctrl+P"},
        {"mnuFile", "mnuReopen", "R&eopen", ""},
        {"mnuFile", "mnuExit", "E&xit", ""},
        {"mnuView", "mnuPreviewCurrDoc", "&Preview ...", ""},
        {"mnuView", "mnuToolBar", "T&ools Bar", ""},
        {"mnuView", "mnuTagNotebookBar", "&Tag Notebook Bar", ""},
        {"mnuView", "mnuMessagebar", "&Message Bar", ""},
        {"mnuView", "mnuOptions", "&Options ...", ""},
        {"mnuView", "mnuDetails", "&Web Page Properties ...", ""},
        {"mnuTools", "mnuLinkManager", "Link &Manager ...", ""},
        {"mnuTools", "mnuSpecialChar", "&Special Characters ...", ""},
        {"mnuTools", "mnuTableBuilder", "&Table Builder ...", ""},
        {"mnuTools", "mnuTagInspector", "Tag I&nspector ...", ""},
        {"mnuTools", "mnuColorPicker", "&Color Selector ...", ""},
        {"mnuTools", "mnuWebPageWizard", "&Web Page Wizard ...", ""},
        {"mnuTools", "mnuFormWizard", "&Form Wizard ...", ""},
        {"mnuTools", "mnuListWizard", "&List Wizard ...", ""},
        {"mnuTools", "mnuUpperCase", "&Upper Case", ""},
        {"mnuTools", "mnuLowerCase", "L&ower Case", ""},
        {"mnuTools", "mnuLinkToVaroPage", "Link to Varo's web &page", ""},
        {"mnuWindow", "mnuCascade", "&Cascade", ""},
        {"mnuWindow", "mnuHorizontal", "&Horizontal", ""},
        {"mnuWindow", "mnuArrangeIcons", "&Arrange Icons", ""},
        {"mnuHelp", "mnuContents", "&Contents", "F1"},
        {"mnuHelp", "mnuSearch", "&Search ...", ""},
        {"mnuHelp", "mnuTip", "&Tip of the day ...", ""},
        {"mnuHelp", "mnuAbout", "&About Quillon ...", ""},
        {"mnuMainPopup", "mnuPopPreview", "&Preview ...", ""},
        {"mnuMainPopup", "mnuPopCut", "Cu&t", ""},
        {"mnuMainPopup", "mnuPopCopy", "&Copy", ""},
        {"mnuMainPopup", "mnuPopPaste", "&Paste", ""},
        {"mnuMainPopup", "mnuPopSaveAll", "Save A&ll", ""},
        {"mnuMainPopup", "mnuPopLinkManager", "Link &Manager ...", ""},
        {"mnuMainPopup", "mnuPopSpecialChar", "&Special Characters ...", ""},
        {"mnuMainPopup", "mnuPopTagInspector", "Tag I&nspector ...", ""},
        {"mnuMainPopup", "mnuPopWebPageWizard", "Web Page Wizard ...", ""},
        {"mnuMainPopup", "mnuPopOptions", "&Options ...", ""},
        {"mnuMainPopup", "mnuPopDetails", "&Web Page Properties ...", ""},
        {"mnuMainPopup", "mnuPopLinkToVaroPage", "Link to Varo's web &page", ""},
    };
    QStringList failures;
    for (const Expected &item : items) {
        auto *menu = FForm->findChild<QMenu *>(QLatin1String(item.menu));
        QAction *action = menu ? menu->findChild<QAction *>(QLatin1String(item.name)) : nullptr;
        if (!action) {
            failures << QStringLiteral("%1 missing from %2").arg(item.name, item.menu);
            continue;
        }
        if (action->text() != QLatin1String(item.caption))
            failures << QStringLiteral("%1 caption %2").arg(item.name, action->text());
        if (action->shortcut() != QKeySequence(QLatin1String(item.shortcut)))
            failures
                << QStringLiteral("%1 shortcut %2").arg(item.name, action->shortcut().toString());
        const QString hint = HintOf(action);
        if (!IsTwoPartHint(hint, true))
            failures << QStringLiteral("%1 hint \"%2\"").arg(item.name, hint);
        if (action->statusTip() != LongHint(hint) || action->toolTip() != ShortHint(hint))
            failures << QStringLiteral("%1 tips do not follow its hint").arg(item.name);
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));

    // The menus themselves, in order, with their captions.
    QStringList bar;
    for (QMenu *menu :
         {FForm->mnuFile, FForm->mnuView, FForm->mnuTools, FForm->mnuWindow, FForm->mnuHelp})
        bar << menu->title();
    QCOMPARE(bar, (QStringList{"&File", "&View", "&Tools", "&Window", "&Help"}));

    // Item order within the File menu, separators included.
    QStringList file;
    const QList<QAction *> fileActions = FForm->mnuFile->actions();
    for (QAction *action : fileActions)
        file << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(
        file,
        (QStringList{"mnuNew", "mnuOpen", "mnuClose", "-", "mnuSave", "mnuSaveAs", "mnuSaveAll",
                     "-", "mnuPrintSetup", "mnuPrint", "-", "mnuReopen", "-", "mnuExit"}));
    QVERIFY(FForm->mnuReopen
            && FForm->MenuItem(QStringLiteral("mnuReopen"))->menu() == FForm->mnuReopen);
    for (const char *name : {"mnuToolBar", "mnuTagNotebookBar", "mnuMessagebar"})
        QVERIFY(FForm->MenuItem(QLatin1String(name))->isCheckable());
}

void TestMainFormLayout::everyButton()
{
    const QStringList toolBar = {
        "btnNew",        "btnOpen",        "btnSave",        "btnCut",          "btnCopy",
        "btnPaste",      "btnUndo",        "sbComment",      "sbParagraph",     "sbBR",
        "sbHR",          "sbUpperCase",    "sbLowerCase",    "sbColorPicker",   "sbLinkManager",
        "sbSpecialChar", "sbTableBuilder", "sbTagInspector", "sbWebPageWizard", "sbFormWizard",
        "sbListWizard",  "sbPreview"};
    const QList<QStringList> pages = {
        {"sbBODY", "sbHEAD", "sbHTML", "sbISINDEX", "sbTITLE"},
        {"sbH1", "sbH2", "sbH3", "sbH4", "sbH5", "sbH6"},
        {"sbA", "sbLink"},
        {"sbDD", "sbDIR", "sbDL", "sbDT", "sbLI", "sbMENU", "sbOL", "sbUL"},
        {"sbB", "sbI", "sbU", "sbS", "sbEM", "sbBASEFONT", "sbCenter", "sbCITE", "sbCODE", "sbDFN",
         "sbFONT", "sbKBD", "sbSAMP", "sbSTRONG", "sbTT", "sbVAR", "sbAlignLeft", "sbAlignCenter",
         "sbAlignRight"},
        {"sbIMAGE"},
        {"sbFORM", "sbINPUT", "sbOPTION", "sbSELECT", "sbTEXTAREA"},
        {"sbCAPTION", "sbTABLE", "sbTD", "sbTH", "sbTR"},
        {"sbAddress", "sbBLINK", "sbBQ", "sbNOBR", "sbPRE", "sbWBR"},
    };

    QStringList failures;
    const auto check = [&](QWidget *parent, const QString &name) {
        auto *button = parent->findChild<QToolButton *>(name);
        if (!button) {
            failures << name + QStringLiteral(" missing");
            return;
        }
        if (button->size() != QSize(25, 25) || !button->autoRaise())
            failures << name + QStringLiteral(" is not a flat 25 x 25 button");
        if (!IsTwoPartHint(HintOf(button), false))
            failures << name + QStringLiteral(" hint \"") + HintOf(button) + QLatin1Char('"');
        if (button->icon().isNull() && button->text().isEmpty())
            failures << name + QStringLiteral(" shows nothing");
        if (button->toolTip() != ShortHint(HintOf(button)))
            failures << name + QStringLiteral(" tool tip");
    };
    for (const QString &name : toolBar)
        check(FForm->pnlToolBar, name);
    QCOMPARE(FForm->pnlToolBar->findChildren<QToolButton *>().size(), toolBar.size());

    int tagButtons = 0;
    for (int page = 0; page < pages.size(); ++page) {
        QWidget *sheet = FForm->TagGrpPageControl->widget(page);
        for (const QString &name : pages[page])
            check(sheet, name);
        QCOMPARE(sheet->findChildren<QToolButton *>().size(), pages[page].size());
        tagButtons += int(pages[page].size());
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
    QCOMPARE(tagButtons, 57);

    // The body button's hint names its element as the other tag buttons do.
    QCOMPARE(HintOf(FForm->findChild<QToolButton *>(QStringLiteral("sbBODY"))),
             QStringLiteral("Body tag| Inserts the <BODY> tag into the active window"));
}

void TestMainFormLayout::glyphsFitTheirButtons()
{
    const QList<QToolButton *> buttons = FForm->findChildren<QToolButton *>();
    QStringList tooWide;
    for (QToolButton *button : buttons) {
        if (!button->objectName().startsWith(QLatin1String("sb"))
            && !button->objectName().startsWith(QLatin1String("btn")))
            continue;
        if (!button->icon().isNull())
            continue;
        const QFontMetrics metrics(button->font());
        QString text = button->text();
        text.replace(QStringLiteral("&&"), QStringLiteral("&"));
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString &line : lines)
            if (metrics.horizontalAdvance(line) > 22)
                tooWide << button->objectName();
        if (metrics.height() * lines.size() > 24 || button->font().pixelSize() < 7)
            tooWide << button->objectName();
    }
    QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestMainFormLayout)
#include "tst_mainformlayout.moc"
