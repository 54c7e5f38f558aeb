// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TfrmMDIChild.h"
#include "platform/AppDir.h"
#include "shell/FileDialogs.h"
#include "support/FakeWorkspace.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The shared file and colour dialog services: what each dialog is asked to
// show, what comes back, and how the working folder follows the choices.
class TestFileDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cancelledDialogLeavesWorkDir();
    void openKeepsTheSpellingAndMovesWorkDir();
    void chosenNameIsKeptExactly_data();
    void chosenNameIsKeptExactly();
    void modesAndKindsSetTheirDialogs();
    void filtersKeepTheirCaptions();
    void dialogKindToMode();
    void nextNewPageFileName();
    void saveAsDialogFor();
    void pickColor();
    void documentTitle();

private:
    void Touch(const QString &path);
    QTemporaryDir *FDir = nullptr;
    ScriptedDialogs *FDialogs = nullptr;
    QString FWorkDir;
    QList<QColor> FColors;
};

void TestFileDialogs::init()
{
    FDir = new QTemporaryDir;
    FDialogs = new ScriptedDialogs;
    FWorkDir = FDir->path();
    FColors.clear();
}

void TestFileDialogs::cleanup()
{
    delete FDialogs;
    delete FDir;
}

void TestFileDialogs::Touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestFileDialogs::cancelledDialogLeavesWorkDir()
{
    FileDialogs dialogs(FWorkDir, FColors);
    FDialogs->AnswerFile(QString());
    QCOMPARE(dialogs.RunFileDialog(FileDialogs::ModeOpen, QString(), false), QString());
    QCOMPARE(FWorkDir, FDir->path());
    QCOMPARE(FDialogs->calls.size(), 1);
    QCOMPARE(FDialogs->calls.at(0).file.initialDir, FDir->path());
    // A dialog that still shows its pattern was cancelled too.
    FDialogs->AnswerFile(QStringLiteral("/elsewhere/*.htm"));
    QCOMPARE(dialogs.RunFileDialog(FileDialogs::ModeSave, QString(), true), QString());
    QCOMPARE(FWorkDir, FDir->path());
}

void TestFileDialogs::openKeepsTheSpellingAndMovesWorkDir()
{
    FileDialogs dialogs(FWorkDir, FColors);
    const QString folder = FDir->filePath(QStringLiteral("My Site"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/Index.HTM");
    Touch(file);
    FDialogs->AnswerFile(file);
    QCOMPARE(dialogs.RunFileDialog(FileDialogs::ModeOpen, QString(), false),
             QStringLiteral("Index.HTM"));
    QCOMPARE(FWorkDir, folder);
    FDialogs->AnswerFile(file);
    QCOMPARE(dialogs.RunFileDialog(FileDialogs::ModeSelect, QStringLiteral("htm"), true), file);
    // The next dialog opens in the new folder, its file name cleared.
    QCOMPARE(dialogs.OpenDialog().initialDir, folder);
    QCOMPARE(dialogs.OpenDialog().fileName, QString());
}

void TestFileDialogs::chosenNameIsKeptExactly_data()
{
    QTest::addColumn<int>("mode");         // -1: SaveAsDialogFor
    QTest::addColumn<QString>("existing"); // a file already in the folder
    QTest::addColumn<QString>("chosen");
    QTest::newRow("trailing blank") << int(FileDialogs::ModeSave) << "trailing.htm"
                                    << "trailing.htm ";
    QTest::newRow("other case") << int(FileDialogs::ModeSaveAs) << "index.htm"
                                << "Index.htm";
    QTest::newRow("opened") << int(FileDialogs::ModeOpen) << "page.htm "
                            << "page.htm ";
    QTest::newRow("seeded save as") << -1 << "final.htm"
                                    << "Final.HTM ";
}

void TestFileDialogs::chosenNameIsKeptExactly()
{
    QFETCH(int, mode);
    QFETCH(QString, existing);
    QFETCH(QString, chosen);
    FileDialogs dialogs(FWorkDir, FColors);
    const QString folder = FDir->filePath(QStringLiteral("Pages"));
    QVERIFY(QDir().mkpath(folder));
    if (!existing.isEmpty())
        Touch(folder + QLatin1Char('/') + existing);
    const QString path = folder + QLatin1Char('/') + chosen;
    FDialogs->AnswerFile(path);
    const QString result = mode < 0 ? dialogs.SaveAsDialogFor(QStringLiteral("/srv/draft.htm"))
                                    : dialogs.RunFileDialog(mode, QStringLiteral("GIF"), true);
    QCOMPARE(result, path);
    QCOMPARE(FWorkDir, folder);
}

void TestFileDialogs::modesAndKindsSetTheirDialogs()
{
    FileDialogs dialogs(FWorkDir, FColors);
    struct Expect {
        int mode;
        const char *kind;
        FileDialogRequest::Mode dialog;
        const char *title;
        const char *ext;
        const char *fileName;
    };
    const Expect table[] = {
        {0, "", FileDialogRequest::Mode::Save, "Save an HTML document", "htm", "*.htm"},
        {1, "", FileDialogRequest::Mode::Save, "Save As an HTML document", "htm", "*.htm"},
        {3, "", FileDialogRequest::Mode::Open, "Open an HTML document", "htm", "*.htm"},
        {2, " exe ", FileDialogRequest::Mode::Open, "Select a browser", "exe", "*.exe"},
        {2, "GIF", FileDialogRequest::Mode::Open, "Select an image", "gif", "*.gif"},
        {2, "HTM", FileDialogRequest::Mode::Open, "Select an HTML document", "htm", "*.htm"},
        {2, "TXT", FileDialogRequest::Mode::Open, "Select an ASCII text file", "txt", "*.txt"},
        {2, "WAV", FileDialogRequest::Mode::Open, "Select a sound file", "wav", "*.wav"},
        {2, "EMBED", FileDialogRequest::Mode::Open, "Select a media file", "wav", "*.wav"},
        {2, "AVI", FileDialogRequest::Mode::Open, "Select a clip file", "avi", "*.avi"},
        {2, "js", FileDialogRequest::Mode::Open, "Select a script", "js", "*.js"},
        // Unknown kinds and mode 4 leave the open dialog as it was.
        {2, "MIDI", FileDialogRequest::Mode::Open, "Select a script", "js", "*.js"},
        {4, "", FileDialogRequest::Mode::Open, "Select a script", "js", "*.js"},
    };
    for (const Expect &expect : table) {
        FDialogs->Clear();
        dialogs.RunFileDialog(expect.mode, QLatin1String(expect.kind), true);
        QCOMPARE(FDialogs->calls.size(), 1);
        const FileDialogRequest &asked = FDialogs->calls.at(0).file;
        QCOMPARE(asked.mode, expect.dialog);
        QCOMPARE(asked.title, QLatin1String(expect.title));
        QCOMPARE(asked.defaultExt, QLatin1String(expect.ext));
        QCOMPARE(asked.filterIndex, 0);
        // Every list of pages starts on both page extensions.
        if (QLatin1String(expect.ext) == QLatin1String("htm"))
            QCOMPARE(asked.filters.value(0), QStringLiteral("HTML pages (*.html *.htm)"));
        // The shown file name is cleared after each use and set anew only
        // by the modes and kinds that describe their dialog.
        if (QLatin1String(expect.kind) != QLatin1String("MIDI") && expect.mode != 4)
            QCOMPARE(asked.fileName, QLatin1String(expect.fileName));
        else
            QCOMPARE(asked.fileName, QString());
    }
}

void TestFileDialogs::filtersKeepTheirCaptions()
{
    QCOMPARE(FileDialogs::QtFilters(QStringLiteral(
                 "Image(*.gif)|*.gif|Image(*.jpg)|*.jpg|Image(*.tif)| *.tif|All files (*.*)| *.*")),
             (QStringList{QStringLiteral("Image(*.gif)"), QStringLiteral("Image(*.jpg)"),
                          QStringLiteral("Image(*.tif)"), QStringLiteral("All files (*.*) (*)")}));
    QCOMPARE(FileDialogs::QtFilters(QStringLiteral("Sound|*.wav;*.mid|")),
             QStringList{QStringLiteral("Sound (*.wav *.mid)")});

    FileDialogs dialogs(FWorkDir, FColors);
    QCOMPARE(dialogs.OpenDialog().filters.value(0), QStringLiteral("HTML pages (*.html *.htm)"));
    dialogs.RunFileDialog(FileDialogs::ModeOpen, QString(), true);
    QCOMPARE(
        FDialogs->calls.at(0).file.filters,
        (QStringList{QStringLiteral("HTML pages (*.html *.htm)"),
                     QStringLiteral("Windows HTML (*.htm)"), QStringLiteral("Unix HTML (*.html)"),
                     QStringLiteral("ASP files(*.asp)"), QStringLiteral("All files(*.*) (*)")}));
    // Images start on every picture kind a browser shows, each listed too.
    dialogs.RunFileDialog(FileDialogs::ModeSelect, QStringLiteral("GIF"), true);
    const QStringList images = FDialogs->calls.at(1).file.filters;
    QCOMPARE(images.value(0), QStringLiteral("Images (*.png *.jpg *.jpeg *.gif *.svg *.webp)"));
    for (const char *kind : {"Image(*.png)", "Image(*.jpeg)", "Image(*.svg)", "Image(*.webp)"})
        QVERIFY(images.contains(QLatin1String(kind)));
}

void TestFileDialogs::dialogKindToMode()
{
    QCOMPARE(FileDialogs::DialogKindToMode(QStringLiteral("Save")), 0);
    QCOMPARE(FileDialogs::DialogKindToMode(QStringLiteral("save as")), 1);
    QCOMPARE(FileDialogs::DialogKindToMode(QStringLiteral("SELECT")), 2);
    QCOMPARE(FileDialogs::DialogKindToMode(QStringLiteral("Open")), 3);
    QCOMPARE(FileDialogs::DialogKindToMode(QStringLiteral("savetemp")), 4);
    QCOMPARE(FileDialogs::DialogKindToMode(QStringLiteral("Print")), 0);
}

void TestFileDialogs::nextNewPageFileName()
{
    const QString webPages = AppDir::WebPagesDir();
    QVERIFY(QDir().mkpath(webPages));
    Touch(webPages + QStringLiteral("/varo0001.htm"));
    Touch(webPages + QStringLiteral("/VARO0002.HTM")); // taken in any spelling
    FWorkDir.clear();
    FileDialogs dialogs(FWorkDir, FColors);
    QCOMPARE(dialogs.NextNewPageFileName(), webPages + QStringLiteral("/varo0003.htm"));

    FWorkDir = FDir->path();
    QCOMPARE(dialogs.NextNewPageFileName(), FDir->filePath(QStringLiteral("varo0001.htm")));
}

void TestFileDialogs::saveAsDialogFor()
{
    FileDialogs dialogs(FWorkDir, FColors);
    const QString given = QStringLiteral("/srv/Site/Draft.htm");
    QCOMPARE(dialogs.SaveAsDialogFor(given), given);
    const FileDialogRequest &asked = FDialogs->calls.at(0).file;
    QCOMPARE(asked.mode, FileDialogRequest::Mode::Save);
    QCOMPARE(asked.title, QStringLiteral("Save As an HTML document"));
    QCOMPARE(asked.initialDir, QStringLiteral("/srv/Site"));
    QCOMPARE(asked.fileName, QStringLiteral("Draft.htm"));
    QCOMPARE(asked.filters,
             (QStringList{QStringLiteral("HTML pages (*.html *.htm)"),
                          QStringLiteral("HTML documents(*.htm)")}));
    QCOMPARE(FWorkDir, FDir->path());

    const QString folder = FDir->filePath(QStringLiteral("Out"));
    QVERIFY(QDir().mkpath(folder));
    FDialogs->AnswerFile(folder + QStringLiteral("/Final.HTM"));
    QCOMPARE(dialogs.SaveAsDialogFor(given), folder + QStringLiteral("/Final.HTM"));
    QCOMPARE(FWorkDir, folder);
}

void TestFileDialogs::pickColor()
{
    FileDialogs dialogs(FWorkDir, FColors);
    QCOMPARE(dialogs.PickColor(true), FileDialogs::ColorCancelled);
    QCOMPARE(FDialogs->calls.at(0).initialColor, QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(!FDialogs->calls.at(0).fullOpen);
    FDialogs->AnswerColor(QColor(0x12, 0x34, 0x56));
    QCOMPARE(dialogs.PickColor(false), 0x123456);
    QVERIFY(FDialogs->calls.at(1).fullOpen);
}

void TestFileDialogs::documentTitle()
{
    FakeWorkspace workspace;
    TfrmMDIChild *page = workspace.OpenDocument(QString(), QStringLiteral("Quillon  2"));
    QCOMPARE(FileDialogs::DocumentTitle(*page), QStringLiteral("QUILLON  2"));
    page->SetFileName(QStringLiteral("/srv/Site/Index.htm"));
    QCOMPARE(FileDialogs::DocumentTitle(*page), QStringLiteral("/srv/Site/Index.htm"));
}

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
