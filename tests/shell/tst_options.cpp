// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "shell/BrowserList.h"
#include "shell/MessageNotebook.h"
#include "support/OptionsFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

class TestOptions : public OptionsFixture {
    Q_OBJECT
private slots:
    void formHasItsPagesCaptionsAndHints();
    void dataRoundTrip();
    void storedBrowserListIsCleaned();
    void creationReportsWhatCouldNotBeLoaded();
    void failedRecentFileLoadSwitchesTheListOff();

    void okAppliesToEveryDocument();
    void okSetsTheAutoSaveTimers();
    void okTrimsTheReopenMenu();
    void okLoadsAnEmptyReopenMenu();
    void cancelRestoresTheSnapshot();
    void escapeActsAsCancel();

    void addBrowserTrimsAndKeepsLetterCase();
    void duplicateBrowserRefused();
    void tenBrowsersAtMost();
    void deleteBrowserAsksFirst();
    void browserTextTrimmedOnExit();
    void keysAndClicksReachTheHandlers();

    void fontAndColourDialogs();
    void checkBoxesEnableTheirSpinBoxes();
    void destructionSavesOnce();
};

void TestOptions::formHasItsPagesCaptionsAndHints()
{
    QCOMPARE(FForm->windowTitle(), QStringLiteral("Options"));
    QTabWidget *pages = FForm->ui.PageControl;
    QCOMPARE(pages->count(), 4);
    QStringList titles;
    for (int i = 0; i < pages->count(); ++i)
        titles.append(pages->tabText(i));
    QCOMPARE(titles, (QStringList{"General", "Editor", "Save", "HTML"}));
    QCOMPARE(FForm->ui.CheckBox(&OptionFields::tagUpperCase)->text(),
             QStringLiteral("&Upper Case &Tag"));
    QCOMPARE(FForm->ui.CheckBox(&OptionFields::wordWrap)->text(),
             QStringLiteral("&Word Wrap in the Editor Window"));
    QCOMPARE(FForm->ui.cmbBrowser->toolTip(),
             QStringLiteral("Double click inside to select a browser"));
    QCOMPARE(FForm->ui.editBackColor->toolTip(),
             QStringLiteral("Double click inside to change the color"));
    QCOMPARE(FForm->ui.SpinBox(&OptionFields::saveInterval)->maximum(), 255);
    QCOMPARE(FForm->ui.SpinBox(&OptionFields::rufEntries)->maximum(), 20);
    QVERIFY(FForm->width() >= 495 && FForm->height() >= 303);
    // Every control is reachable by its name.
    for (const char *name : {"cbSound",        "cbTagsMenu",      "cbShowTagInspector",
                             "cmbBrowser",     "sbSelectBrowser", "editBackColor",
                             "sbBackColor",    "editFontName",    "editFontSize",
                             "editFontColor",  "sbFontAttr",      "cbWordWrap",
                             "cbBackup",       "cbAutoSave",      "spnSaveInterval",
                             "cbRUFList",      "spnRUFEntries",   "cbTagPrompt",
                             "cbTagUpperCase", "cbAttrUpperCase", "btnOk",
                             "btnCancel",      "btnHelp"})
        QVERIFY2(FForm->findChild<QWidget *>(QLatin1String(name)), name);
}

void TestOptions::dataRoundTrip()
{
    const OptionsData in = SampleData();
    FForm->SetData(in);
    // The bars and custom colours belong to the main window.
    QCOMPARE(FTarget->bars[0], false);
    QCOMPARE(FTarget->bars[1], false);
    QCOMPARE(FTarget->customColors, in.customColors);
    QCOMPARE(FForm->ui.editFontName->text(), QStringLiteral("Courier New"));
    QCOMPARE(FForm->ui.editFontSize->text(), QStringLiteral("8"));
    QCOMPARE(FForm->BrowserPath(), QStringLiteral("/opt/Falkon/falkon"));
    QCOMPARE(FForm->ShowTipsAtStartup(), false);

    FTarget->bars[0] = true; // the user shows the tool bar meanwhile
    FForm->ui.CheckBox(&OptionFields::tagPrompt)->setChecked(false);
    FForm->SetShowTipsAtStartup(true);
    const OptionsData out = FForm->Data();
    QCOMPARE(out.values.toolBar, true);
    QCOMPARE(out.values.tagNotebookBar, false);
    QCOMPARE(out.browsers, in.browsers);
    QCOMPARE(out.browserIndex, 1);
    QCOMPARE(out.customColors, in.customColors);
    QCOMPARE(out.values.tagPrompt, false);
    QCOMPARE(out.values.showTipsAtStartup, true);
    QCOMPARE(out.values.saveInterval, 7);
    QCOMPARE(out.values.editorFont.family(), QStringLiteral("Courier New"));
    QCOMPARE(out.values.editorFontColor, QColor(0x80, 0, 0));
    QCOMPARE(out.values.backColor, QColor(0xC0, 0xC0, 0xC0));

    // Out-of-range numbers are held to the controls' ranges.
    OptionsData wild = in;
    wild.values.saveInterval = 0;
    wild.values.rufEntries = 99;
    FForm->SetData(wild);
    QCOMPARE(FForm->spnSaveInterval(), 1);
    QCOMPARE(FForm->spnRUFEntries(), 20);
}

void TestOptions::storedBrowserListIsCleaned()
{
    int index = 2;
    QStringList cleaned = BrowserList::Cleaned({"  /A/Firefox ", "", "   ", "/b/chromium"}, index);
    QCOMPARE(cleaned, (QStringList{"/A/Firefox", "/b/chromium"}));
    QCOMPARE(index, -1); // the selected slot was empty

    QStringList twelve;
    for (int i = 0; i < 12; ++i)
        twelve.append(QStringLiteral("/bin/b%1").arg(i));
    index = 11;
    cleaned = BrowserList::Cleaned(twelve, index);
    QCOMPARE(cleaned.size(), 10);
    QCOMPARE(index, -1);
    index = 3;
    BrowserList::Cleaned({"", "/x", "", "/y"}, index);
    QCOMPARE(index, 1);

    OptionsData data;
    data.browsers = {" /usr/bin/Epiphany "};
    data.browserIndex = -1;
    FForm->SetData(data);
    QCOMPARE(FForm->Browsers(), QStringList{"/usr/bin/Epiphany"});
    QCOMPARE(FForm->ui.cmbBrowser->currentIndex(), -1);
    QCOMPARE(FForm->BrowserPath(), QString());
}

void TestOptions::creationReportsWhatCouldNotBeLoaded()
{
    OptionsData data = SampleData();
    data.values.autoSave = false;
    data.values.wordWrap = true;
    data.values.rufList = false;
    FTarget->SetStatusText(MessageNotebook::pnlAutoSave, QStringLiteral("Auto Save"));
    FForm->FormCreate(data, {false, false});

    QCOMPARE(MessageTexts(),
             (QStringList{"Can not load the options", "Can not load favorite browser"}));
    QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Error);
    QCOMPARE(FDialogs->Messages().at(0).buttons, MsgButtons(mbOK));
    QCOMPARE(FDialogs->BeepCount(), 2);
    QCOMPARE(FTarget->recentLoads, 0); // the list is off
    // The panels follow the loaded options, also when they clear a default.
    QCOMPARE(FTarget->Panel(MessageNotebook::pnlAutoSave), QString());
    QCOMPARE(FTarget->Panel(MessageNotebook::pnlWordWrap), QStringLiteral("Word Wrap"));
    QCOMPARE(FForm->ui.PageControl->currentIndex(), 0);
}

void TestOptions::failedRecentFileLoadSwitchesTheListOff()
{
    OptionsData data = SampleData();
    data.values.sound = false;
    FTarget->recentLoadResult = false;
    FForm->FormCreate(data);
    QCOMPARE(FTarget->recentLoads, 1);
    QCOMPARE(FTarget->recentListHidden, 1);
    QVERIFY(!FForm->cbRUFList());
    QVERIFY(!FForm->ui.SpinBox(&OptionFields::rufEntries)->isEnabled());
    QCOMPARE(MessageTexts(), QStringList{"Can not load RUF files names"});
    QCOMPARE(FDialogs->BeepCount(), 0); // sound is off

    // A good load shows no message.
    FDialogs->Clear();
    FTarget->recentLoadResult = true;
    FForm->FormCreate(SampleData());
    QCOMPARE(FTarget->recentLoads, 2);
    QVERIFY(FForm->cbRUFList());
    QVERIFY(FDialogs->Messages().isEmpty());
}

void TestOptions::okAppliesToEveryDocument()
{
    FForm->FormCreate(SampleData());
    TfrmMDIChild *first = FTarget->OpenDocument(QStringLiteral("one"));
    TfrmMDIChild *second = FTarget->OpenDocument(QStringLiteral("two"));
    QVERIFY(!first->EditMemo->WordWrap() && !second->EditMemo->WordWrap());
    QVERIFY(first->EditMemo->HasHorizontalScrollBar());

    FForm->TakeSnapshot();
    FForm->ui.CheckBox(&OptionFields::wordWrap)->setChecked(true);
    FTarget->busyCalls.clear();
    FForm->btnOkClick();
    for (TfrmMDIChild *document : {first, second}) {
        QVERIFY(document->EditMemo->WordWrap());
        QVERIFY(!document->EditMemo->HasHorizontalScrollBar());
        QVERIFY(document->EditMemo->HasVerticalScrollBar());
    }
    QCOMPARE(FTarget->Panel(MessageNotebook::pnlWordWrap), QStringLiteral("Word Wrap"));
    QCOMPARE(FTarget->Panel(MessageNotebook::pnlAutoSave), QStringLiteral("Auto Save"));
    QCOMPARE(FTarget->busyCalls, (QList<bool>{true, false}));
    QCOMPARE(FForm->result(), int(QDialog::Accepted));

    // Font, colours and the Tags menu reach the documents too.
    FForm->TakeSnapshot();
    FForm->ui.CheckBox(&OptionFields::wordWrap)->setChecked(false);
    FDialogs->AnswerColor(QColor(0, 0, 0x80));
    FForm->sbBackColorClick();
    FForm->ui.CheckBox(&OptionFields::tagsMenu)->setChecked(false);
    FForm->btnOkClick();
    QVERIFY(!second->EditMemo->WordWrap());
    QCOMPARE(second->EditMemo->BackColor(), QColor(0, 0, 0x80));
    QCOMPARE(first->EditMemo->BackColor(), QColor(0, 0, 0x80));
    QCOMPARE(FTarget->Panel(MessageNotebook::pnlWordWrap), QString());
}

void TestOptions::okSetsTheAutoSaveTimers()
{
    FForm->FormCreate(SampleData());
    TfrmMDIChild *document = FTarget->OpenDocument();
    QCOMPARE(document->SaveTimer->interval(), 7 * 60000);

    FForm->ui.SpinBox(&OptionFields::saveInterval)->setValue(255);
    FForm->btnOkClick();
    QCOMPARE(document->SaveTimer->interval(), 15300000);
    QVERIFY(document->SaveTimer->isActive());

    FForm->ui.CheckBox(&OptionFields::autoSave)->setChecked(false);
    FForm->btnOkClick();
    QVERIFY(!document->SaveTimer->isActive());
    QCOMPARE(FTarget->Panel(MessageNotebook::pnlAutoSave), QString());
}

void TestOptions::okTrimsTheReopenMenu()
{
    FTarget->filesToLoad = {"/P/A.HTM", "/P/B.HTM", "/P/C.HTM", "/P/D.HTM", "/P/E.HTM"};
    FForm->FormCreate(SampleData());
    QCOMPARE(FTarget->recent.Count(), 5);

    FForm->TakeSnapshot();
    FForm->ui.SpinBox(&OptionFields::rufEntries)->setValue(3);
    FForm->btnOkClick();
    QCOMPARE(FTarget->recent.Files(), (QStringList{"/P/A.HTM", "/P/B.HTM", "/P/C.HTM"}));
    QVERIFY(FTarget->reopenVisible);
    QCOMPARE(FTarget->recentLoads, 1); // entries were there: no new load

    // Switching the list off hides the menu and leaves the entries alone.
    FForm->ui.CheckBox(&OptionFields::rufList)->setChecked(false);
    FForm->btnOkClick();
    QVERIFY(!FTarget->reopenVisible);
    QCOMPARE(FTarget->recent.Count(), 3);
    FForm->ui.CheckBox(&OptionFields::rufList)->setChecked(true);
    FForm->btnOkClick();
    QVERIFY(FTarget->reopenVisible);
}

void TestOptions::okLoadsAnEmptyReopenMenu()
{
    OptionsData data = SampleData();
    data.values.rufList = false;
    FForm->FormCreate(data);
    QCOMPARE(FTarget->recentLoads, 0);

    FTarget->filesToLoad = {"/P/A.HTM"};
    FForm->ui.CheckBox(&OptionFields::rufList)->setChecked(true);
    FForm->btnOkClick();
    QCOMPARE(FTarget->recentLoads, 1);
    QCOMPARE(FTarget->recent.Files(), QStringList{"/P/A.HTM"});

    // An empty list that cannot be loaded switches the option off.
    FTarget->recent.Clear();
    FTarget->recentLoadResult = false;
    FForm->btnOkClick();
    QCOMPARE(FTarget->recentLoads, 2);
    QCOMPARE(FTarget->recentListHidden, 1);
    QVERIFY(!FForm->cbRUFList());
    QCOMPARE(MessageTexts(), QStringList{"Can not load RUF files names"});
    QCOMPARE(FDialogs->BeepCount(), 1);
    QCOMPARE(FTarget->busyCalls.last(), false);
}

void TestOptions::cancelRestoresTheSnapshot()
{
    FForm->FormCreate(SampleData());
    FForm->TakeSnapshot();

    FDialogs->AnswerFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    FForm->sbFontAttrClick();
    QCOMPARE(FForm->ui.editFontName->text(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(FForm->ui.editFontSize->text(), QStringLiteral("14"));
    FDialogs->AnswerColor(QColor(0xFF, 0, 0));
    FForm->editFontColorDblClick();
    FDialogs->AnswerColor(QColor(0, 0xFF, 0));
    FForm->editBackColorDblClick();
    FForm->ui.CheckBox(&OptionFields::sound)->setChecked(false);
    FForm->ui.CheckBox(&OptionFields::autoSave)->setChecked(false);
    FForm->ui.SpinBox(&OptionFields::rufEntries)->setValue(2);
    FForm->ui.PageControl->setCurrentIndex(2);

    FForm->btnCancelClick();
    QCOMPARE(FForm->EditorFont().family(), QStringLiteral("Courier New"));
    QCOMPARE(FForm->EditorFont().pointSize(), 8);
    QCOMPARE(FForm->ui.editFontName->text(), QStringLiteral("Courier New"));
    QCOMPARE(FForm->ui.editFontSize->text(), QStringLiteral("8"));
    QCOMPARE(FForm->EditorFontColor(), QColor(0x80, 0, 0));
    QCOMPARE(FForm->editBackColor(), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(FForm->cbSound());
    QVERIFY(FForm->cbAutoSave());
    QVERIFY(FForm->ui.SpinBox(&OptionFields::saveInterval)->isEnabled());
    QCOMPARE(FForm->spnRUFEntries(), 5);
    QCOMPARE(FForm->ui.PageControl->currentIndex(), 0);
    QCOMPARE(FForm->result(), int(QDialog::Rejected));
    // The browser list is no part of the snapshot; the tips flag neither.
    FForm->SetShowTipsAtStartup(true);
    FForm->btnCancelClick();
    QVERIFY(FForm->ShowTipsAtStartup());
}

void TestOptions::escapeActsAsCancel()
{
    FForm->FormCreate(SampleData());
    FForm->TakeSnapshot();
    FForm->ui.CheckBox(&OptionFields::wordWrap)->setChecked(true);
    FForm->reject();
    QVERIFY(!FForm->cbWordWrap());
    QVERIFY(!FForm->isVisible());
}

void TestOptions::addBrowserTrimsAndKeepsLetterCase()
{
    FForm->SetData(OptionsData());
    FDialogs->AnswerFile(QStringLiteral("  /opt/My Browser/RunMe  "));
    FForm->sbSelectBrowserClick();
    QCOMPARE(FForm->Browsers(), QStringList{"/opt/My Browser/RunMe"});
    QCOMPARE(FForm->ui.cmbBrowser->currentIndex(), 0);
    QCOMPARE(FForm->BrowserPath(), QStringLiteral("/opt/My Browser/RunMe"));

    const ScriptedDialogs::Call call = FDialogs->calls.last();
    QCOMPARE(call.kind, ScriptedDialogs::CallKind::File);
    QCOMPARE(call.file.mode, FileDialogRequest::Mode::Open);
    QCOMPARE(call.file.title, QStringLiteral("Select a browser"));
    QVERIFY(call.file.defaultExt.isEmpty());

    // Cancel adds nothing; the Insert key adds like the button.
    FDialogs->AnswerFile(QString());
    FForm->cmbBrowserDblClick();
    QCOMPARE(FForm->Browsers().size(), 1);
    FDialogs->AnswerFile(QStringLiteral("/usr/bin/falkon"));
    FForm->cmbBrowserKeyDown(Qt::Key_Insert);
    FForm->cmbBrowserKeyUp(Qt::Key_Insert);
    QCOMPARE(FForm->Browsers(), (QStringList{"/opt/My Browser/RunMe", "/usr/bin/falkon"}));
    QCOMPARE(FForm->ui.cmbBrowser->currentIndex(), 1);
}

void TestOptions::duplicateBrowserRefused()
{
    FForm->SetData(SampleData());
    FForm->ui.cmbBrowser->setCurrentIndex(0);
    FDialogs->AnswerFile(QStringLiteral("/opt/falkon/FALKON"));
    FForm->cmbBrowserDblClick();
    FDialogs->AnswerFile(QStringLiteral(" /usr/bin/firefox "));
    FForm->cmbBrowserDblClick();
    QCOMPARE(FForm->Browsers(), SampleData().browsers);
    QCOMPARE(FForm->ui.cmbBrowser->currentIndex(), 0);
    QVERIFY(FDialogs->Messages().isEmpty());
}

void TestOptions::tenBrowsersAtMost()
{
    OptionsData data;
    for (int i = 0; i < 9; ++i)
        data.browsers.append(QStringLiteral("/bin/browser%1").arg(i));
    FForm->SetData(data);
    FDialogs->AnswerFile(QStringLiteral("/bin/browser9"));
    FForm->cmbBrowserDblClick();
    QCOMPARE(FForm->Browsers().size(), 10);

    FDialogs->Clear();
    FForm->cmbBrowserDblClick();
    QCOMPARE(FDialogs->calls.size(), 1); // the message, no file dialog
    QCOMPARE(FDialogs->calls.at(0).kind, ScriptedDialogs::CallKind::Message);
    QCOMPARE(FDialogs->calls.at(0).msgKind, MsgKind::Information);
    QCOMPARE(FDialogs->calls.at(0).text, QStringLiteral("Can not use more than 10 browsers."));
    QCOMPARE(FDialogs->calls.at(0).buttons, MsgButtons(mbOK));
    QCOMPARE(FForm->Browsers().size(), 10);
}

void TestOptions::deleteBrowserAsksFirst()
{
    FForm->SetData(SampleData()); // entry 1 selected

    FForm->cmbBrowserKeyDown(Qt::Key_Delete);
    FForm->ui.cmbBrowser->setEditText(QStringLiteral("/opt/Falkon/falko")); // the key's own edit
    FDialogs->AnswerMessage(mbNo);
    FForm->cmbBrowserKeyUp(Qt::Key_Delete);
    QCOMPARE(FForm->Browsers().size(), 2);
    QCOMPARE(FForm->BrowserPath(), QStringLiteral("/opt/Falkon/falkon"));
    QCOMPARE(FDialogs->Messages().at(0).text,
             QStringLiteral("Do you want to delete this browser ?"));
    QCOMPARE(FDialogs->Messages().at(0).msgKind, MsgKind::Confirmation);
    QCOMPARE(FDialogs->Messages().at(0).buttons, MsgButtons(mbYesNo));

    FForm->cmbBrowserKeyDown(Qt::Key_Delete);
    FDialogs->AnswerMessage(mbYes);
    FForm->cmbBrowserKeyUp(Qt::Key_Delete);
    QCOMPARE(FForm->Browsers(), QStringList{"/usr/bin/firefox"});
    QCOMPARE(FForm->ui.cmbBrowser->currentIndex(), 0);

    FForm->cmbBrowserKeyDown(Qt::Key_Delete);
    FDialogs->AnswerMessage(mbYes);
    FForm->cmbBrowserKeyUp(Qt::Key_Delete);
    QVERIFY(FForm->Browsers().isEmpty());
    QCOMPARE(FForm->BrowserPath(), QString());

    // Nothing selected: nothing asked.
    FDialogs->Clear();
    FForm->cmbBrowserKeyDown(Qt::Key_Delete);
    FForm->cmbBrowserKeyUp(Qt::Key_Delete);
    QVERIFY(FDialogs->calls.isEmpty());
}

void TestOptions::browserTextTrimmedOnExit()
{
    FForm->SetData(OptionsData());
    FForm->ui.cmbBrowser->setEditText(QStringLiteral("  /opt/My Browser/run "));
    // Typing keeps the blanks until the list is left.
    QCOMPARE(FForm->ui.cmbBrowser->currentText(), QStringLiteral("  /opt/My Browser/run "));
    QCOMPARE(FForm->BrowserPath(), QStringLiteral("/opt/My Browser/run"));
    FForm->cmbBrowserExit();
    QCOMPARE(FForm->ui.cmbBrowser->currentText(), QStringLiteral("/opt/My Browser/run"));
}

void TestOptions::keysAndClicksReachTheHandlers()
{
    FForm->SetData(OptionsData());
    QLineEdit *browserEdit = FForm->ui.cmbBrowser->lineEdit();
    FDialogs->AnswerFile(QStringLiteral("/usr/bin/konqueror"));
    QTest::keyClick(browserEdit, Qt::Key_Insert);
    QCOMPARE(FForm->Browsers(), QStringList{"/usr/bin/konqueror"});
    FDialogs->AnswerFile(QStringLiteral("/usr/bin/epiphany"));
    QTest::mouseDClick(browserEdit, Qt::LeftButton);
    QCOMPARE(FForm->Browsers().size(), 2);
    FDialogs->AnswerMessage(mbYes);
    QTest::keyClick(browserEdit, Qt::Key_Delete);
    QCOMPARE(FForm->Browsers(), QStringList{"/usr/bin/konqueror"});

    FDialogs->Clear();
    FDialogs->AnswerColor(QColor(0xFF, 0xFF, 0));
    QTest::mouseDClick(FForm->ui.editBackColor, Qt::LeftButton);
    QCOMPARE(FForm->editBackColor(), QColor(0xFF, 0xFF, 0));
    FDialogs->AnswerFont(QFont(QStringLiteral("DejaVu Sans Mono"), 11));
    QTest::keyClick(FForm->ui.editFontSize, Qt::Key_Insert);
    QCOMPARE(FForm->ui.editFontName->text(), QStringLiteral("DejaVu Sans Mono"));
}

void TestOptions::fontAndColourDialogs()
{
    FForm->SetData(SampleData());
    // The background colour dialog is the restricted one, starting at silver.
    FDialogs->AnswerColor(std::nullopt);
    FForm->sbBackColorClick();
    QCOMPARE(FForm->editBackColor(), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(FDialogs->calls.last().kind, ScriptedDialogs::CallKind::Color);
    QCOMPARE(FDialogs->calls.last().initialColor, QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(!FDialogs->calls.last().fullOpen);

    FDialogs->AnswerColor(QColor(0, 0x80, 0x80));
    FForm->editBackColorKeyUp(Qt::Key_Insert);
    QCOMPARE(FForm->editBackColor(), QColor(0, 0x80, 0x80));
    FForm->editBackColorKeyUp(Qt::Key_A); // other keys do nothing
    QCOMPARE(FDialogs->calls.size(), 2);

    // Cancelling the font dialog keeps the font; each way in asks for it.
    FDialogs->Clear();
    FForm->editFontNameClick();
    FForm->editFontSizeDblClick();
    FForm->editFontNameKeyUp(Qt::Key_Insert);
    FForm->editFontSizeKeyUp(Qt::Key_Insert);
    QCOMPARE(FDialogs->calls.size(), 4);
    for (const ScriptedDialogs::Call &call : FDialogs->calls)
        QCOMPARE(call.kind, ScriptedDialogs::CallKind::Font);
    QCOMPARE(FForm->EditorFont().family(), QStringLiteral("Courier New"));

    // The font colour starts from the current colour; Cancel keeps it.
    FDialogs->Clear();
    FForm->editFontColorKeyUp(Qt::Key_Insert);
    QCOMPARE(FDialogs->calls.last().initialColor, QColor(0x80, 0, 0));
    QCOMPARE(FForm->EditorFontColor(), QColor(0x80, 0, 0));
}

void TestOptions::checkBoxesEnableTheirSpinBoxes()
{
    FForm->ui.CheckBox(&OptionFields::autoSave)->setChecked(false);
    QVERIFY(!FForm->ui.SpinBox(&OptionFields::saveInterval)->isEnabled());
    FForm->ui.CheckBox(&OptionFields::autoSave)->setChecked(true);
    QVERIFY(FForm->ui.SpinBox(&OptionFields::saveInterval)->isEnabled());
    OptionsData data;
    data.values.rufList = false;
    FForm->SetData(data);
    QVERIFY(!FForm->ui.SpinBox(&OptionFields::rufEntries)->isEnabled());
}

void TestOptions::destructionSavesOnce()
{
    FForm->SetData(SampleData());
    QList<OptionsData> saved;
    FForm->SetSaveHandler([&saved](const OptionsData &data) {
        saved.append(data);
        return TfrmOptions::SaveResult{false, false};
    });
    FForm->FormDestroy();
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.at(0).browsers, SampleData().browsers);
    QCOMPARE(saved.at(0).values.saveInterval, 7);
    QCOMPARE(MessageTexts(), (QStringList{"Save Options Error", "Save Browsers Error"}));

    // The destructor does not save a second time.
    FForm.reset();
    QCOMPARE(saved.size(), 1);

    // A dialog nobody ended saves when destroyed, silently on success.
    FDialogs->Clear();
    {
        TfrmOptions other(FTarget.get());
        FTarget->dialog = &other;
        other.SetSaveHandler([&saved](const OptionsData &data) {
            saved.append(data);
            return TfrmOptions::SaveResult{};
        });
    }
    FTarget->dialog = nullptr;
    QCOMPARE(saved.size(), 2);
    QVERIFY(FDialogs->Messages().isEmpty());
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
