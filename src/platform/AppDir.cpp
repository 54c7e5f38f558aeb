// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace {

const QString dataName = QStringLiteral("DATA");
const QString helpName = QStringLiteral("HELP");
const QString webPagesName = QStringLiteral("WEB PAGES");
// The tables of DATA/ that only the program writes: the catalogue and tips.
const QStringList programTables{QStringLiteral("tags.db"), QStringLiteral("attr.db"),
                                QStringLiteral("lkpattr.db"), QStringLiteral("taggrp.db"),
                                QStringLiteral("tips.db")};

struct State {
    bool resolved = false;
    QString path;
    QString error;
    QString executableDir;   // set by tests only
};

State &state()
{
    static State s;
    return s;
}

QString cleanAbsolute(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

QString nativeText(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Makes the folder exist; returns an error text or nothing.
QString makeFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return QString();
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(path).toStdString(), error);
    if (!error && QFileInfo(path).isDir())
        return QString();
    const QString reason = QFileInfo::exists(path) ? QStringLiteral("a file of that name is in the way")
                           : error ? QString::fromLocal8Bit(error.message().c_str())
                                   : QStringLiteral("Unknown error");
    return QStringLiteral("Can not create the folder \"%1\": %2").arg(nativeText(path), reason);
}

} // namespace

QString AppDir::Path()
{
    State &s = state();
    if (!s.resolved) {
        s.path = Resolve(s.error);
        s.resolved = true;
    }
    return s.path;
}

QString AppDir::DataDir()
{
    return Path() + QLatin1Char('/') + dataName;
}

QString AppDir::HelpDir()
{
    return Path() + QLatin1Char('/') + helpName;
}

QString AppDir::WebPagesDir()
{
    return Path() + QLatin1Char('/') + webPagesName;
}

QString AppDir::Prepare()
{
    Path();
    return state().error;
}

QString AppDir::Error()
{
    return state().error;
}

void AppDir::ResetForTesting()
{
    state() = State();
}

void AppDir::SetExecutableDirForTesting(const QString &executableDir)
{
    state().executableDir = executableDir;
}

QString AppDir::ShippedDirBeside(const QString &executableDir)
{
    if (executableDir.isEmpty())
        return QString();
    const QString candidates[] = {
        executableDir + QStringLiteral("/../share/quillon"),   // installed under a prefix
        executableDir,                                         // a build tree
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate + QLatin1Char('/') + dataName).isDir())
            return cleanAbsolute(candidate);
    }
    return QString();
}

QString AppDir::ShippedDir()
{
    QString executableDir = state().executableDir;
    if (executableDir.isEmpty() && QCoreApplication::instance())
        executableDir = QCoreApplication::applicationDirPath();
    return ShippedDirBeside(executableDir);
}

QString AppDir::Resolve(QString &error)
{
    error.clear();
    QString path;

    const QString home = qEnvironmentVariable("QUILLON_HOME");
    if (!home.isEmpty()) {
        path = cleanAbsolute(home);
        error = makeFolder(path);
    } else if (QFileInfo(QDir::currentPath() + QLatin1Char('/') + dataName).isDir()) {
        path = cleanAbsolute(QDir::currentPath());
    } else {
        path = cleanAbsolute(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                             + QStringLiteral("/quillon"));
        error = PrepareUserDir(path, ShippedDir());
        return path;
    }

    if (error.isEmpty())
        error = makeFolder(path + QLatin1Char('/') + webPagesName);
    return path;
}

QString AppDir::PrepareUserDir(const QString &userDir, const QString &shippedDir)
{
    QString error = makeFolder(userDir);
    if (!error.isEmpty())
        return error;
    // WEB PAGES is the user's own: it is made even when copying fails below.
    error = makeFolder(userDir + QLatin1Char('/') + webPagesName);

    for (const QString &name : {dataName, helpName}) {
        const QString source = shippedDir + QLatin1Char('/') + name;
        const QString target = userDir + QLatin1Char('/') + name;
        if (shippedDir.isEmpty() || !QFileInfo(source).isDir()) {
            // Help pages are welcome but not needed; the tables are.
            if (name == dataName && !QFileInfo(target).isDir() && error.isEmpty()) {
                error = QStringLiteral("Can not prepare the program folder \"%1\": %2")
                            .arg(nativeText(userDir),
                                 QStringLiteral("the program's DATA folder was not found beside "
                                                "the program nor under its share/quillon folder"));
            }
            continue;
        }
        const QString copyError = CopyMissing(source, target, name == helpName);
        if (error.isEmpty())
            error = copyError;
    }
    return error;
}

QString AppDir::CopyMissing(const QString &from, const QString &to, bool refreshAll)
{
    QString error = makeFolder(to);
    if (!error.isEmpty())
        return error;
    const QDir fromDir(from);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = to + QLatin1Char('/') + fromDir.relativeFilePath(info.filePath());
        if (info.isDir()) {
            error = makeFolder(target);
            if (!error.isEmpty())
                return error;
            continue;
        }
        const QFileInfo existing(target);
        const bool present = existing.exists() || existing.isSymLink();
        // What the user may have changed is never replaced. The program's
        // own files carry the shipped copy's time; one whose time or size
        // differs from the shipped copy is replaced by it.
        const bool programOwned = refreshAll || programTables.contains(info.fileName());
        if (present && (!programOwned || existing.isSymLink() || !existing.isFile()
                        || (info.lastModified() == existing.lastModified()
                            && info.size() == existing.size())))
            continue;
        error = makeFolder(existing.absolutePath());
        if (!error.isEmpty())
            return error;
        QFile source(info.filePath());
        // The copy is written under a temporary name and renamed over the
        // real one, so an interrupted copy never leaves a half file there.
        const QString partial = target + QStringLiteral(".partial");
        QFile::remove(partial);
        if (!source.copy(partial)) {
            return QStringLiteral("Can not copy \"%1\" to \"%2\": %3")
                .arg(nativeText(info.filePath()), nativeText(target), source.errorString());
        }
        // Installed files may be read-only; the user's copies must not be.
        QFile::setPermissions(partial, QFile::permissions(partial) | QFile::ReadOwner | QFile::WriteOwner);
        {
            QFile copied(partial);
            if (copied.open(QIODevice::ReadWrite))
                copied.setFileTime(info.lastModified(), QFileDevice::FileModificationTime);
        }
        std::error_code renameError;
        std::filesystem::rename(QFile::encodeName(partial).toStdString(),
                                QFile::encodeName(target).toStdString(), renameError);
        if (renameError) {
            QFile::remove(partial);
            return QStringLiteral("Can not copy \"%1\" to \"%2\": %3")
                .arg(nativeText(info.filePath()), nativeText(target),
                     QString::fromStdString(renameError.message()));
        }
    }
    return QString();
}
