// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/OptionTable.h"
#include "platform/FatalErrorText.h"
#include "platform/FontFaces.h"
#include "platform/RegistryStore.h"
#include "shell/RecentFiles.h"
#include "shell/SettingsStore.h"
#include "shell/WorkState.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString Key(const char *sub)
{
    return SettingsStore::KeyPath(QString::fromLatin1(sub));
}

} // namespace

class tst_SettingsStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstRunCreatesTheKeys();
    void firstRunThenLoadWritesOptionDefaults();
    void firstRunFailures();
    void firstRunDetectsBrowsersOnThePath();
    void optionsComeBackAsSaved();
    void everyOptionRowComesBackAsSaved();
    void optionDefaultsLieInTheirRanges();
    void onlyBasicColoursSurvive();
    void fontStyleIsABitSet();
    void fontDialogKeepsTheStoredStyle_data();
    void fontDialogKeepsTheStoredStyle();
    void aValueOfTheWrongKindFallsBackToItsDefault_data();
    void aValueOfTheWrongKindFallsBackToItsDefault();
    void missingEditorValueStopsLoading();
    void customColours();
    void browsersLoadTrimmedInTheirOwnCase();
    void browsersSaveFillsTheTenSlots();
    void unreadableSettingsStartAsFirstRun();

private:
    SettingsStore::FirstRunInput Input(int *setupSaves = nullptr);
    QString MakeExecutable(const QString &name);
    // Options, browsers, work state and recent files as loaded, in brief.
    QString LoadAll();

    std::unique_ptr<QTemporaryDir> FTemp;
    std::unique_ptr<RegistryStore> FRegistry;
};

void tst_SettingsStore::init()
{
    FatalErrorText().clear();
    FTemp = std::make_unique<QTemporaryDir>();
    FRegistry = std::make_unique<RegistryStore>(FTemp->filePath(QStringLiteral("registry.json")));
}

SettingsStore::FirstRunInput tst_SettingsStore::Input(int *setupSaves)
{
    SettingsStore::FirstRunInput input;
    input.font = QFont(QStringLiteral("Courier New"), 8);
    input.webPagesDir = QStringLiteral("/home/Ann/Quillon/WEB PAGES");
    QDir(FTemp->path()).mkpath(QStringLiteral("nobin"));
    input.browserSearchPaths = {FTemp->filePath(QStringLiteral("nobin"))};
    input.saveSetupDone = [setupSaves] {
        if (setupSaves)
            ++*setupSaves;
        return true;
    };
    return input;
}

QString tst_SettingsStore::MakeExecutable(const QString &name)
{
    QDir(FTemp->path()).mkpath(QStringLiteral("bin"));
    const QString path = FTemp->filePath(QStringLiteral("bin/") + name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void tst_SettingsStore::firstRunCreatesTheKeys()
{
    SettingsStore store(*FRegistry);
    int saves = 0;
    QString workDir;
    QVERIFY(store.FirstRunSetup(Input(&saves), workDir));
    QCOMPARE(FatalErrorText(), QString());
    QCOMPARE(saves, 1);
    QCOMPARE(workDir, QStringLiteral("/home/Ann/Quillon/WEB PAGES"));

    for (const char *sub : {"Options", "RUF", "Custom Colors"})
        QCOMPARE(FRegistry->ValueCount(Key(sub)), 0);
    QCOMPARE(FRegistry->ReadText(Key("Work"), "Dir").value(), workDir);
    // No browser found: nothing selected, ten empty slots.
    QCOMPARE(FRegistry->ReadNumber(Key("Browsers"), "Indx").value(), -1);
    QCOMPARE(FRegistry->ValueCount(Key("Browsers")), 11);
    QCOMPARE(FRegistry->ReadText(Key("Browsers"), "Browser_9").value(), QString());

    const QString editor = Key("Editor");
    QCOMPARE(FRegistry->ReadText(editor, "Font Name").value(), QStringLiteral("Courier New"));
    QCOMPARE(FRegistry->ReadNumber(editor, "Font Style").value(), 0);
    QCOMPARE(FRegistry->ReadNumber(editor, "Font Size").value(), 8);
    QCOMPARE(FRegistry->ReadNumber(editor, "Font Color").value(), 0);
    QCOMPARE(FRegistry->ReadNumber(editor, "Back Color").value(), 16777215);
    QCOMPARE(FRegistry->ReadNumber(editor, "Word Wrap").value(), 0);

    // Keys made by full path are spelled in capitals, the others as named.
    QFile file(FRegistry->FileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray json = file.readAll();
    for (const char *name : {"\"SOFTWARE\"", "\"VARO SOFTWARE\"", "\"EDITOR\"", "\"WORK\"",
                             "\"BROWSERS\"", "\"Options\"", "\"RUF\"", "\"Custom Colors\""})
        QVERIFY2(json.contains(name), name);
    QVERIFY(!store.NeedsFirstRun(true));
}

void tst_SettingsStore::firstRunThenLoadWritesOptionDefaults()
{
    SettingsStore store(*FRegistry);
    QString workDir;
    QVERIFY(store.FirstRunSetup(Input(), workDir));

    OptionsData options;
    options.values.sound = false;
    options.values.saveInterval = 3;
    QVERIFY(store.LoadOptions(options));
    QCOMPARE(FatalErrorText(), QString());
    const QString key = Key("Options");
    int written = 0;
    for (const OptionTable::Row &row : OptionTable::Rows()) {
        if (row.key != OptionTable::Key::Options)
            continue;
        ++written;
        QCOMPARE(FRegistry->ReadNumber(key, QLatin1String(row.value)).value(), row.defaultValue);
    }
    QCOMPARE(FRegistry->ValueCount(key), written);
    QVERIFY(options.values.sound);
    QCOMPARE(options.values.saveInterval, 10);
    QCOMPARE(options.values.rufEntries, 5);
    QCOMPARE(options.values.editorFont.family(), QStringLiteral("Courier New"));
    QCOMPARE(options.values.editorFont.pointSize(), 8);
    QCOMPARE(options.values.backColor, QColor(Qt::white));
    QVERIFY(!options.values.wordWrap);
}

void tst_SettingsStore::firstRunFailures()
{
    // The setup table refuses the record.
    {
        SettingsStore store(*FRegistry);
        auto input = Input();
        input.saveSetupDone = [] { return false; };
        QString workDir;
        QVERIFY(!store.FirstRunSetup(input, workDir));
        QCOMPARE(FatalErrorText(), QStringLiteral("Can not save setup info."));
    }
    // The settings cannot be stored at all: the setup is not recorded.
    FatalErrorText().clear();
    QFile blocker(FTemp->filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RegistryStore unwritable(FTemp->filePath(QStringLiteral("file/registry.json")));
    SettingsStore store(unwritable);
    int saves = 0;
    QString workDir;
    QVERIFY(!store.FirstRunSetup(Input(&saves), workDir));
    QCOMPARE(FatalErrorText(),
             QStringLiteral("Can not create subkey : SOFTWARE\\VARO SOFTWARE\\QUILLON 4.21\\4.21"));
    QCOMPARE(saves, 0);
}

void tst_SettingsStore::firstRunDetectsBrowsersOnThePath()
{
    const QString falkon = MakeExecutable(QStringLiteral("falkon"));
    const QString xdgOpen = MakeExecutable(QStringLiteral("xdg-open"));
    const QString firefox = MakeExecutable(QStringLiteral("firefox"));
    MakeExecutable(QStringLiteral("notabrowser"));
    const QStringList paths = {FTemp->filePath(QStringLiteral("bin"))};
    QCOMPARE(SettingsStore::InstalledBrowsers(paths), QStringList({xdgOpen, firefox, falkon}));

    SettingsStore store(*FRegistry);
    auto input = Input();
    input.browserSearchPaths = paths;
    QString workDir;
    QVERIFY(store.FirstRunSetup(input, workDir));
    OptionsData options;
    QVERIFY(store.LoadBrowsers(options));
    QCOMPARE(options.browsers, QStringList({xdgOpen, firefox, falkon}));
    QCOMPARE(options.browserIndex, 0);
    QCOMPARE(options.SelectedBrowser(), xdgOpen);
}

void tst_SettingsStore::optionsComeBackAsSaved()
{
    SettingsStore store(*FRegistry);
    QString workDir;
    QVERIFY(store.FirstRunSetup(Input(), workDir));
    OptionsData saved;
    saved.values.toolBar = false;
    saved.values.tagNotebookBar = false;
    saved.values.tagPrompt = false;
    saved.values.attrUpperCase = false;
    saved.values.autoSave = false;
    saved.values.saveInterval = 42;
    saved.values.rufEntries = 12;
    saved.values.showTipsAtStartup = false;
    saved.values.wordWrap = true;
    saved.values.editorFont = QFont(QStringLiteral("DejaVu Sans Mono"), 13);
    QVERIFY(store.SaveOptions(saved));

    OptionsData loaded;
    QVERIFY(store.LoadOptions(loaded));
    QCOMPARE(loaded.values.toolBar, false);
    QCOMPARE(loaded.values.messageBar, true);
    QCOMPARE(loaded.values.tagNotebookBar, false);
    QCOMPARE(loaded.values.tagPrompt, false);
    QCOMPARE(loaded.values.tagUpperCase, true);
    QCOMPARE(loaded.values.attrUpperCase, false);
    QCOMPARE(loaded.values.autoSave, false);
    QCOMPARE(loaded.values.saveInterval, 42);
    QCOMPARE(loaded.values.rufEntries, 12);
    QCOMPARE(loaded.values.showTipsAtStartup, false);
    QCOMPARE(loaded.values.wordWrap, true);
    QCOMPARE(loaded.values.editorFont.family(), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(loaded.values.editorFont.pointSize(), 13);

    // Numbers out of the spin fields' ranges are held to them; any non-zero
    // flag is on.
    QVERIFY(FRegistry->WriteNumber(Key("Options"), "RUF Entries", 99));
    QVERIFY(FRegistry->WriteNumber(Key("Options"), "Save Minutes", 0));
    QVERIFY(FRegistry->WriteNumber(Key("Options"), "Tool Bar", -7));
    OptionsData clamped;
    QVERIFY(store.LoadOptions(clamped));
    QCOMPARE(clamped.values.rufEntries, 20);
    QCOMPARE(clamped.values.saveInterval, 1);
    QCOMPARE(clamped.values.toolBar, true);
}

void tst_SettingsStore::everyOptionRowComesBackAsSaved()
{
    SettingsStore store(*FRegistry);
    QString workDir;
    QVERIFY(store.FirstRunSetup(Input(), workDir));
    OptionsData saved;
    for (const OptionTable::Row &row : OptionTable::Rows())
        OptionTable::Set(saved.values, row,
                         row.defaultValue < row.maximum ? row.maximum : row.minimum);
    QVERIFY(store.SaveOptions(saved));

    RegistryStore registry(FRegistry->FileName());
    SettingsStore next(registry);
    OptionsData loaded;
    QVERIFY(next.LoadOptions(loaded));
    for (const OptionTable::Row &row : OptionTable::Rows()) {
        QVERIFY2(OptionTable::Get(saved.values, row) != row.defaultValue, row.value);
        QVERIFY2(OptionTable::Get(loaded.values, row) == OptionTable::Get(saved.values, row),
                 row.value);
    }
}

void tst_SettingsStore::optionDefaultsLieInTheirRanges()
{
    for (const OptionTable::Row &row : OptionTable::Rows())
        QVERIFY2(row.minimum <= row.defaultValue && row.defaultValue <= row.maximum, row.value);
}

void tst_SettingsStore::onlyBasicColoursSurvive()
{
    SettingsStore store(*FRegistry);
    QString workDir;
    QVERIFY(store.FirstRunSetup(Input(), workDir));
    OptionsData saved;
    saved.values.editorFontColor = QColor(0x12, 0x34, 0x56);
    saved.values.backColor = QColor(0xC0, 0xC0, 0xC0);
    QVERIFY(store.SaveOptions(saved));
    // Stored with red in the low byte.
    QCOMPARE(FRegistry->ReadNumber(Key("Editor"), "Font Color").value(), 0x563412);

    OptionsData loaded;
    QVERIFY(store.LoadOptions(loaded));
    QCOMPARE(loaded.values.editorFontColor, QColor(Qt::black));
    QCOMPARE(loaded.values.backColor, QColor(0xC0, 0xC0, 0xC0));

    // Navy as stored (blue high) comes back navy; an odd background turns white.
    QVERIFY(FRegistry->WriteNumber(Key("Editor"), "Font Color", 0x800000));
    QVERIFY(FRegistry->WriteNumber(Key("Editor"), "Back Color", 0x010101));
    QVERIFY(store.LoadOptions(loaded));
    QCOMPARE(loaded.values.editorFontColor, QColor(0, 0, 0x80));
    QCOMPARE(loaded.values.backColor, QColor(Qt::white));
}

void tst_SettingsStore::fontStyleIsABitSet()
{
    SettingsStore store(*FRegistry);
    QString workDir;
    QVERIFY(store.FirstRunSetup(Input(), workDir));
    OptionsData saved;
    saved.values.editorFont.setBold(true);
    saved.values.editorFont.setItalic(true);
    QVERIFY(store.SaveOptions(saved));
    QCOMPARE(FRegistry->ReadNumber(Key("Editor"), "Font Style").value(), 12);
    QVERIFY(FRegistry->WriteNumber(Key("Editor"), "Font Style", 2 | 1));
    OptionsData loaded;
    loaded.values.editorFont.setBold(true);
    QVERIFY(store.LoadOptions(loaded));
    QVERIFY(!loaded.values.editorFont.bold());
    QVERIFY(!loaded.values.editorFont.italic());
    QVERIFY(loaded.values.editorFont.underline());
    QVERIFY(loaded.values.editorFont.strikeOut());
}

void tst_SettingsStore::fontDialogKeepsTheStoredStyle_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("picked"); // the family then chosen in the dialog
    QTest::addColumn<int>("chosenBits");
    const QString dejaVu = QStringLiteral("DejaVu Sans Mono");
    const QString noto = QStringLiteral("Noto Sans Mono"); // no italic face
    QTest::newRow("regular") << dejaVu << 0 << dejaVu << 0;
    QTest::newRow("regular, DejaVu picked") << noto << 0 << dejaVu << 0;
    QTest::newRow("oblique, Noto picked") << dejaVu << 4 << noto << 0;
}

void tst_SettingsStore::fontDialogKeepsTheStoredStyle()
{
    QFETCH(QString, family);
    QFETCH(int, bits);
    QFETCH(QString, picked);
    QFETCH(int, chosenBits);
    if (!QFontDatabase::families().contains(family) || !QFontDatabase::families().contains(picked))
        QSKIP("the fonts of this case are not installed");
    SettingsStore store(*FRegistry);
    QString workDir;
    QVERIFY(store.FirstRunSetup(Input(), workDir));
    QVERIFY(FRegistry->WriteText(Key("Editor"), "Font Name", family));
    QVERIFY(FRegistry->WriteNumber(Key("Editor"), "Font Style", bits));
    OptionsData options;
    QVERIFY(store.LoadOptions(options));

    // The real font dialog, on the loaded font; a family is picked as a
    // click does, and the dialog confirmed.
    QFontDialog dialog(options.values.editorFont);
    FontFaces::KeepStyleAcrossFamilies(dialog);
    if (picked != family) {
        QListView *families = dialog.findChildren<QListView *>().value(0);
        QVERIFY(families);
        const QModelIndexList rows = families->model()->match(
            families->model()->index(0, 0), Qt::DisplayRole, picked, 1, Qt::MatchFixedString);
        QVERIFY(!rows.isEmpty());
        families->setCurrentIndex(rows.first());
    }
    QCOMPARE(dialog.currentFont().family(), picked);
    QCOMPARE(SettingsStore::FontStyleBits(dialog.currentFont()), chosenBits);
}

QString tst_SettingsStore::LoadAll()
{
    SettingsStore store(*FRegistry);
    OptionsData o;
    WorkState work;
    RecentFiles recent;
    if (!store.LoadOptions(o) || !store.LoadBrowsers(o) || !work.LoadWorkState(*FRegistry)
        || !recent.LoadRecentFiles(*FRegistry))
        return QStringLiteral("failed: ") + FatalErrorText();
    QString result;
    QDebug(&result) << o.values.sound << o.values.editorFont << o.values.backColor << o.browsers
                    << o.browserIndex << o.customColors << work.WorkDir << work.MainPlacement.Width
                    << recent.Files();
    return result;
}

void tst_SettingsStore::aValueOfTheWrongKindFallsBackToItsDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("wrong");
    QTest::addColumn<QVariant>("usual"); // a value that gives the default
    const LiveOptionValues defaults;
    QTest::newRow("flag as text") << "Options"
                                  << "Beep" << QVariant("yes") << QVariant(1);
    QTest::newRow("font name as number")
        << "Editor"
        << "Font Name" << QVariant(12) << QVariant(defaults.editorFont.family());
    QTest::newRow("font size as text")
        << "Editor"
        << "Font Size" << QVariant("big") << QVariant(defaults.editorFont.pointSize());
    QTest::newRow("browser index as text") << "Browsers"
                                           << "Indx" << QVariant("first") << QVariant(-1);
    QTest::newRow("browser as number") << "Browsers"
                                       << "Browser_1" << QVariant(7) << QVariant("");
    QTest::newRow("custom colour as number") << "Custom Colors"
                                             << "Color_0" << QVariant(5) << QVariant("");
    QTest::newRow("working folder as number") << "Work"
                                              << "Dir" << QVariant(3) << QVariant("");
    QTest::newRow("placement not parsing")
        << "Work"
        << "Main Form" << QVariant("1,0,left,0,800,600") << QVariant("");
    QTest::newRow("recent file as number") << "RUF"
                                           << "File_0" << QVariant(9) << QVariant("");
}

void tst_SettingsStore::aValueOfTheWrongKindFallsBackToItsDefault()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(QVariant, wrong);
    QFETCH(QVariant, usual);
    ScriptedDialogs dialogs;
    SettingsStore store(*FRegistry);
    QString workDir;
    QVERIFY(store.FirstRunSetup(Input(), workDir));
    auto write = [&](const QVariant &value) {
        const QString path = SettingsStore::KeyPath(key);
        return value.typeId() == QMetaType::QString
            ? FRegistry->WriteText(path, name, value.toString())
            : FRegistry->WriteNumber(path, name, value.toInt());
    };
    QVERIFY(write(usual));
    const QString expected = LoadAll();
    QVERIFY(write(wrong));
    QCOMPARE(LoadAll(), expected);
    QVERIFY(!expected.startsWith(QStringLiteral("failed")));

    // Said once, naming the file and the value.
    store.ReportIgnoredValues();
    store.ReportIgnoredValues();
    QCOMPARE(dialogs.Messages().size(), 1);
    const ScriptedDialogs::Call message = dialogs.Messages().first();
    QCOMPARE(message.msgKind, MsgKind::Warning);
    QVERIFY(message.text.contains(QDir::toNativeSeparators(FRegistry->FileName())));
    QVERIFY2(message.text.endsWith(QLatin1Char('\r') + key + QLatin1Char('\\') + name),
             qPrintable(message.text));
}

void tst_SettingsStore::missingEditorValueStopsLoading()
{
    SettingsStore store(*FRegistry);
    QVERIFY(FRegistry->CreateKey(Key("Options")));
    QVERIFY(FRegistry->CreateKey(Key("Editor")));
    QVERIFY(FRegistry->WriteText(Key("Editor"), "Font Name", "Mono"));
    OptionsData options;
    QVERIFY(!store.LoadOptions(options));
    QVERIFY2(FatalErrorText().startsWith(QStringLiteral("Can not load options: ")),
             qPrintable(FatalErrorText()));
    QVERIFY(FatalErrorText().contains(QStringLiteral("Font Style")));

    // A text where a number belongs is not an error; the missing value is.
    FatalErrorText().clear();
    QVERIFY(FRegistry->WriteText(Key("Options"), "Beep", "yes"));
    QVERIFY(!store.LoadOptions(options));
    QCOMPARE(FatalErrorText(),
             QStringLiteral("Can not load options: The value 'Font Style' does not exist"));
}

void tst_SettingsStore::customColours()
{
    ScriptedDialogs dialogs;
    SettingsStore store(*FRegistry);
    QString workDir;
    QVERIFY(store.FirstRunSetup(Input(), workDir));
    OptionsData saved;
    saved.customColors = {QColor(0x11, 0x22, 0x33), QColor(Qt::white), QColor(0xAB, 0xCD, 0xEF)};
    QVERIFY(store.SaveOptions(saved));
    QCOMPARE(FRegistry->ValueNames(Key("Custom Colors")),
             QStringList({"Color_0", "Color_1", "Color_2"}));

    // A shorter list leaves the values beyond it; loading appends.
    QList<QColor> two = {QColor(Qt::red), QColor(Qt::green)};
    QVERIFY(store.LoadCustomColors(two, true));
    QList<QColor> loaded = {QColor(Qt::blue)};
    QVERIFY(store.LoadCustomColors(loaded, false));
    QCOMPARE(loaded,
             QList<QColor>(
                 {QColor(Qt::blue), QColor(Qt::red), QColor(Qt::green), QColor(0xAB, 0xCD, 0xEF)}));
    QVERIFY(dialogs.Messages().isEmpty());

    // A value that is not a text keeps its place as no colour.
    QVERIFY(FRegistry->WriteNumber(Key("Custom Colors"), "Color_0", 5));
    OptionsData options;
    QVERIFY(store.LoadOptions(options));
    QVERIFY(dialogs.Messages().isEmpty());
    QVERIFY(!options.customColors.first().isValid());
}

void tst_SettingsStore::browsersLoadTrimmedInTheirOwnCase()
{
    SettingsStore store(*FRegistry);
    OptionsData options;
    QVERIFY(!store.LoadBrowsers(options));

    const QString key = Key("Browsers");
    QVERIFY(FRegistry->CreateKey(key));
    QVERIFY(FRegistry->WriteText(key, "Browser_0", "  /Opt/My Browser/Run  "));
    QVERIFY(FRegistry->WriteText(key, "Browser_1", "   "));
    QVERIFY(FRegistry->WriteText(key, "Browser_2", "/usr/bin/firefox"));
    QVERIFY(FRegistry->WriteText(key, "Browser_3", ""));
    QVERIFY(FRegistry->WriteNumber(key, "Indx", 1));
    QVERIFY(store.LoadBrowsers(options));
    QCOMPARE(options.browsers, QStringList({"/Opt/My Browser/Run", "/usr/bin/firefox"}));
    QCOMPARE(options.browserIndex, 1);

    // An index past the list selects nothing.
    QVERIFY(FRegistry->WriteNumber(key, "Indx", 7));
    OptionsData other;
    QVERIFY(store.LoadBrowsers(other));
    QCOMPARE(other.browserIndex, -1);
}

void tst_SettingsStore::browsersSaveFillsTheTenSlots()
{
    SettingsStore store(*FRegistry);
    const QString key = Key("Browsers");
    OptionsData options;
    options.browsers = {"/usr/bin/firefox", "/Opt/Falkon"};
    options.browserIndex = 1;
    QVERIFY(store.SaveBrowsers(options));
    QCOMPARE(FRegistry->ReadNumber(key, "Indx").value(), 1);
    QCOMPARE(FRegistry->ReadText(key, "Browser_1").value(), QStringLiteral("/Opt/Falkon"));
    QCOMPARE(FRegistry->ValueCount(key), 11);
    for (int i = 2; i < 10; ++i)
        QCOMPARE(FRegistry->ReadText(key, QStringLiteral("Browser_%1").arg(i)).value(), QString());

    // A shorter list empties the slots it no longer uses.
    options.browsers = {"/usr/bin/firefox"};
    options.browserIndex = -1;
    QVERIFY(store.SaveBrowsers(options));
    QCOMPARE(FRegistry->ReadNumber(key, "Indx").value(), -1);
    QCOMPARE(FRegistry->ReadText(key, "Browser_1").value(), QString());
}

void tst_SettingsStore::unreadableSettingsStartAsFirstRun()
{
    ScriptedDialogs dialogs;
    {
        SettingsStore store(*FRegistry);
        QString workDir;
        QVERIFY(store.FirstRunSetup(Input(), workDir));
        QVERIFY(!store.NeedsFirstRun(true));
        QVERIFY(store.NeedsFirstRun(false));
    }
    QFile file(FRegistry->FileName());
    QVERIFY(file.open(QIODevice::Append));
    file.write("garbage");
    file.close();

    RegistryStore reopened(FRegistry->FileName());
    SettingsStore store(reopened);
    QVERIFY(store.NeedsFirstRun(true));
    store.ReportRegistryRecovery();
    store.ReportRegistryRecovery();
    QCOMPARE(dialogs.Messages().size(), 1);
    QCOMPARE(dialogs.Messages().first().msgKind, MsgKind::Warning);
    QVERIFY(dialogs.Messages().first().text.contains(
        QDir::toNativeSeparators(reopened.KeptAsFileName())));

    // A settings file without the program's keys needs the setup too.
    RegistryStore empty(FTemp->filePath(QStringLiteral("other.json")));
    QVERIFY(SettingsStore(empty).NeedsFirstRun(true));
}

QTEST_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
