// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FileDialogs.h"

#include "editor/TfrmMDIChild.h"
#include "platform/AppDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

namespace {

// Every list of pages starts on both page extensions, so that a folder of
// ".html" pages never looks empty.
#define HTML_PAGES_FILTER "HTML pages (*.html *.htm)|*.html;*.htm|"

const QString PageFilter = QStringLiteral(
    HTML_PAGES_FILTER "Windows HTML (*.htm)|*.htm|Unix HTML (*.html)|*.html|ASP files(*.asp)|*.asp|All files(*.*)|*.*");

struct SelectKind {
    const char *kind;
    const char *title;
    const char *ext;
    const char *fileName;
    const char *filter;
};

const SelectKind SelectKinds[] = {
    {"EXE", "Select a browser", "exe", "*.exe",
     "Executable files (*.exe)|*.exe|All files (*.*)|*.*"},
    // Starts on every kind of picture a browser shows.
    {"GIF", "Select an image", "gif", "*.gif",
     "Images (*.png *.jpg *.jpeg *.gif *.svg *.webp)|*.png;*.jpg;*.jpeg;*.gif;*.svg;*.webp|"
     "Image(*.gif)|*.gif|Image(*.jpg)|*.jpg|Image(*.tif)| *.tif|Image(*.png)|*.png|"
     "Image(*.jpeg)|*.jpeg|Image(*.svg)|*.svg|Image(*.webp)|*.webp|All files (*.*)| *.*"},
    {"HTM", "Select an HTML document", "htm", "*.htm",
     HTML_PAGES_FILTER "Windows HTML (*.htm)|*.htm|Unix HTML (*.html)|*.html|All files(*.*)|*.*"},
    {"TXT", "Select an ASCII text file", "txt", "*.txt",
     "ASCII text files(*.txt)|*.txt|All files(*.*)|*.*"},
    {"WAV", "Select a sound file", "wav", "*.wav", "Sound(*.wav)|*.wav|All files(*.*)|*.*"},
    {"EMBED", "Select a media file", "wav", "*.wav",
     "Sound(*.wav)|*.wav|Live video(*.avi)|*.avi|All files(*.*)|*.*"},
    {"AVI", "Select a clip file", "avi", "*.avi", "Live video(*.avi)|*.avi|All files(*.*)|*.*"},
    {"JS", "Select a script", "js", "*.js", "Java script(*.js)|*.js|All files(*.*)|*.*"},
};

void Describe(FileDialogRequest &request, const QString &title, const QString &ext,
              const QString &fileName, const QString &filter)
{
    request.title = title;
    request.defaultExt = ext;
    request.fileName = fileName;
    request.filters = FileDialogs::QtFilters(filter);
}

// The folder part of a path, without its trailing separator ("/" for the
// root); empty for a bare name.
QString FolderPart(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString NamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

FileDialogs::FileDialogs(QString &workDir, QList<QColor> &customColors, QWidget *mainWindow)
    : FWorkDir(workDir), FCustomColors(customColors), FMainWindow(mainWindow)
{
    FOpen.mode = FileDialogRequest::Mode::Open;
    FSave.mode = FileDialogRequest::Mode::Save;
    FOpen.initialDir = FWorkDir;
    FSave.initialDir = FWorkDir;
    Describe(FOpen, QString(), QStringLiteral("htm"), QStringLiteral("*.htm"),
             QStringLiteral(HTML_PAGES_FILTER "HTML Document(*.htm)|*.htm|HTML Unix(*.html)|*.html"));
}

QStringList FileDialogs::QtFilters(const QString &filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString caption = parts.at(i);
        QStringList patterns;
        for (const QString &pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        if (caption.trimmed().isEmpty() && patterns.isEmpty())
            continue;
        const QString qtPatterns = patterns.join(QLatin1Char(' '));
        // Qt reads the patterns from the caption's last parentheses; add
        // them when the caption's own do not say exactly that.
        const QRegularExpressionMatch match = trailingPatterns.match(caption);
        if (match.hasMatch() && match.captured(1).trimmed() == qtPatterns)
            result << caption;
        else
            result << caption + QStringLiteral(" (") + qtPatterns + QLatin1Char(')');
    }
    return result;
}

int FileDialogs::DialogKindToMode(const QString &word)
{
    static const QStringList words = {QStringLiteral("Save"), QStringLiteral("Save As"),
                                      QStringLiteral("Select"), QStringLiteral("Open"),
                                      QStringLiteral("SaveTemp")};
    for (int mode = 0; mode < words.size(); ++mode) {
        if (word.compare(words.at(mode), Qt::CaseInsensitive) == 0)
            return mode;
    }
    return ModeSave;
}

QString FileDialogs::ChosenFileName(const FileDialogRequest &request)
{
    // Exactly as chosen: the dialog asked before replacing that very file,
    // and "Page.htm", "page.htm" and "page.htm " are three files.
    return Dialogs::Instance().FileDialog(request).fileName;
}

QString FileDialogs::RunFileDialog(int mode, const QString &kind, bool fullPath)
{
    QCoreApplication::processEvents();
    const QString kindWord = kind.trimmed().toUpper();
    const QString remembered = FWorkDir;
    FOpen.initialDir = FWorkDir;
    FSave.initialDir = FWorkDir;

    switch (mode) {
    case ModeSave:
        Describe(FSave, QStringLiteral("Save an HTML document"), QStringLiteral("htm"),
                 QStringLiteral("*.htm"), PageFilter);
        break;
    case ModeSaveAs:
        Describe(FSave, QStringLiteral("Save As an HTML document"), QStringLiteral("htm"),
                 QStringLiteral("*.htm"), PageFilter);
        break;
    case ModeSelect:
        for (const SelectKind &select : SelectKinds) {
            if (kindWord == QLatin1String(select.kind)) {
                Describe(FOpen, QString::fromLatin1(select.title), QString::fromLatin1(select.ext),
                         QString::fromLatin1(select.fileName), QString::fromLatin1(select.filter));
                break;
            }
        }
        break;
    case ModeOpen:
        Describe(FOpen, QStringLiteral("Open an HTML document"), QStringLiteral("htm"),
                 QStringLiteral("*.htm"), PageFilter);
        break;
    default:
        break;
    }
    FOpen.filterIndex = 0;
    FSave.filterIndex = 0;

    const bool saving = mode == ModeSave || mode == ModeSaveAs;
    const QString chosen = ChosenFileName(saving ? FSave : FOpen);
    // The dialog still showing its pattern was cancelled too.
    const bool cancelled = chosen.isEmpty() || NamePart(chosen).startsWith(QLatin1Char('*'));
    const QString folder = cancelled ? QString() : FolderPart(chosen);
    FWorkDir = folder.isEmpty() ? remembered : folder;
    FOpen.initialDir = FWorkDir;
    FSave.initialDir = FWorkDir;
    QCoreApplication::processEvents();

    QString result = cancelled ? QString() : (fullPath ? chosen : NamePart(chosen));
    FOpen.fileName.clear();
    FSave.fileName.clear();
    Repaint();
    return result;
}

int FileDialogs::PickColor(bool restricted)
{
    const std::optional<QColor> color =
        Dialogs::Instance().ColorDialog(QColor(0xC0, 0xC0, 0xC0), !restricted, FCustomColors);
    if (!color)
        return ColorCancelled;
    return int(color->rgb() & 0xFFFFFF);
}

QString FileDialogs::NextNewPageFileName() const
{
    const QString folder = FWorkDir.isEmpty() ? AppDir::WebPagesDir() : FWorkDir;
    QSet<QString> taken;
    for (const QString &entry : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System))
        taken.insert(entry.toLower());
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    for (int n = 1; n <= 9999; ++n) {
        const QString name = QStringLiteral("varo%1.htm").arg(n, 4, 10, QLatin1Char('0'));
        if (n % 256 == 0)
            QCoreApplication::processEvents();
        if (!taken.contains(name))
            return prefix + name;
    }
    return QString();
}

QString FileDialogs::SaveAsDialogFor(const QString &fileName)
{
    const QString folder = FolderPart(fileName);
    FSave.title = QStringLiteral("Save As an HTML document");
    FSave.initialDir = folder;
    FSave.defaultExt = QStringLiteral("htm");
    FSave.fileName = NamePart(fileName);
    FSave.filters = QtFilters(QStringLiteral(HTML_PAGES_FILTER "HTML documents(*.htm)|*.htm"));
    FSave.filterIndex = 0;
    const QString chosen = ChosenFileName(FSave);
    FSave.fileName.clear();
    const QString chosenFolder = FolderPart(chosen);
    if (chosenFolder.isEmpty() || NamePart(chosen).startsWith(QLatin1Char('*')))
        return fileName;
    FWorkDir = chosenFolder;
    return chosen;
}

QString FileDialogs::DocumentTitle(const TfrmMDIChild &document)
{
    return document.IsUntitled() ? document.windowTitle().toUpper() : document.FileName();
}

void FileDialogs::Repaint()
{
    if (FMainWindow)
        FMainWindow->update();
}
