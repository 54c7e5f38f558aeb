// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFileWriter.h"
#include "support/TestFiles.h"
#include "platform/NativeFileName.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <memory>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray OldText = QByteArrayLiteral("<P>old text</P>\r\n");
const QByteArray NewText = QByteArrayLiteral("<P>the new text, longer than the old</P>\r\n");

// A path as the system calls take it.
struct Native {
    explicit Native(const QString &path) : bytes(NativeFileName::Encode(path)) {}
    operator const char *() const { return bytes.constData(); }
    QByteArray bytes;
};

QString SystemText(int error)
{
    return QString::fromLocal8Bit(strerror(error));
}

struct stat Stat(const QString &path)
{
    struct stat info {};
    ::lstat(Native(path), &info);
    return info;
}

using TestFiles::ReadBytes;

void WriteOldText(const QString &path, uid_t uid = 0, gid_t gid = 0, mode_t mode = 0644)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(OldText) == OldText.size());
    file.close();
    QVERIFY(::chown(Native(path), uid, gid) == 0 && ::chmod(Native(path), mode) == 0);
}

// Runs a step in a child process, which may first become the unprivileged
// user "nobody", and returns the text the step returned.
QString InChild(const std::function<QString()> &step, bool asNobody = false)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t child = ::fork();
    if (child == 0) {
        const bool becameNobody = !asNobody
            || (::setgroups(0, nullptr) == 0 && ::setresgid(65534, 65534, 65534) == 0
                && ::setresuid(65534, 65534, 65534) == 0);
        const QByteArray answer =
            becameNobody ? step().toUtf8() : QByteArray("skip: can not become an unprivileged user");
        ::_exit(::write(channel[1], answer.constData(), answer.size()) == answer.size() ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray answer;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, got);
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return QString::fromUtf8(answer);
}

} // namespace

// Writing page files and backups: attributes, links, failures and reasons.
class TestPageFileWriter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { PageFileWriter::SetFailAfterBytesForTesting(-1); }
    void savingKeepsTheFile_data();
    void savingKeepsTheFile();
    void failedInPlaceWriteKeepsTheOldBytes();
    void backupIsAlwaysANewFile_data();
    void backupIsAlwaysANewFile();
    void namesThatAreNotUtf8();
    void reasons_data();
    void reasons();

private:
    QString Path(const QString &name) const { return FDir->filePath(name); }
    QStringList Leftovers(const QString &folder) const
    {
        return QDir(Path(folder)).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    }
    std::unique_ptr<QTemporaryDir> FDir;
};

void TestPageFileWriter::init()
{
    if (::geteuid() != 0)
        QSKIP("Needs the superuser: files of other owners, unprivileged children, mounts");
    FDir = std::make_unique<QTemporaryDir>();
    // An unprivileged child reaches the folder and may make files in it.
    QVERIFY(::chmod(Native(FDir->path()), 0777) == 0 && QDir().mkpath(Path(QStringLiteral("site"))));
}

void TestPageFileWriter::savingKeepsTheFile_data()
{
    QTest::addColumn<QString>("name");   // the page file is site/page.htm
    QTest::addColumn<uint>("uid");
    QTest::addColumn<uint>("gid");
    QTest::addColumn<uint>("mode");
    QTest::addColumn<bool>("asNobody");
    QTest::addColumn<uint>("folderMode");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("other owner, set-group-id") << "page.htm" << 1234u << 5678u << 02664u << false << 0755u << false;
    QTest::newRow("hard link") << "hard.htm" << 0u << 0u << 0644u << false << 0755u << true;
    QTest::newRow("symbolic link") << "soft.htm" << 1234u << 5678u << 0640u << false << 0755u << false;
    // An unprivileged user can not give a new file another's owner.
    QTest::newRow("another user's file") << "page.htm" << 1234u << 65534u << 02664u << true << 0777u << true;
    QTest::newRow("folder refuses new files") << "page.htm" << 65534u << 65534u << 0644u << true << 0755u << true;
}

void TestPageFileWriter::savingKeepsTheFile()
{
    QFETCH(QString, name);
    QFETCH(uint, uid);
    QFETCH(uint, gid);
    QFETCH(uint, mode);
    QFETCH(bool, asNobody);
    QFETCH(uint, folderMode);
    QFETCH(bool, inPlace);
    const QString file = Path(QStringLiteral("site/page.htm"));
    const QString named = Path(QStringLiteral("site/") + name);
    WriteOldText(file, uid, gid, mode);
    QVERIFY(::chmod(Native(Path(QStringLiteral("site"))), folderMode) == 0);
    QVERIFY(::link(Native(file), Native(Path(QStringLiteral("site/hard.htm")))) == 0);
    QVERIFY(::symlink("page.htm", Native(Path(QStringLiteral("site/soft.htm")))) == 0);
    // The hard link only where it is named: two links force in-place writing.
    if (name != QLatin1String("hard.htm"))
        QVERIFY(::unlink(Native(Path(QStringLiteral("site/hard.htm")))) == 0);
    const ino_t inode = Stat(file).st_ino;

    const auto write = [&] { return PageFileWriter::Write(named, NewText); };
    const QString reason = InChild(write, asNobody);
    if (reason.startsWith(QLatin1String("skip: ")))
        QSKIP(qPrintable(reason));
    QCOMPARE(reason, QString());
    QCOMPARE(ReadBytes(file), NewText);
    QCOMPARE(ReadBytes(named), NewText);
    const struct stat now = Stat(file);
    QCOMPARE(now.st_uid, uid);
    QCOMPARE(now.st_gid, gid);
    QCOMPARE(now.st_mode & 07777, mode);
    QVERIFY(!inPlace || now.st_ino == inode);
    QVERIFY(S_ISLNK(Stat(Path(QStringLiteral("site/soft.htm"))).st_mode));
    QCOMPARE(Leftovers(QStringLiteral("site")) + Leftovers(QStringLiteral(".")), QStringList());
}

void TestPageFileWriter::failedInPlaceWriteKeepsTheOldBytes()
{
    const QString file = Path(QStringLiteral("site/page.htm"));
    WriteOldText(file);
    QVERIFY(::link(Native(file), Native(Path(QStringLiteral("site/other.htm")))) == 0);
    // Past the old text's end: the old bytes are put back.
    PageFileWriter::SetFailAfterBytesForTesting(OldText.size() + 4);
    QCOMPARE(PageFileWriter::Write(file, NewText), SystemText(ENOSPC));
    QCOMPARE(ReadBytes(file), OldText);
    QCOMPARE(Leftovers(QStringLiteral("site")), QStringList());
    // Within it: putting them back fails too, and the safety copy stays.
    PageFileWriter::SetFailAfterBytesForTesting(4);
    const QString reason = PageFileWriter::Write(file, NewText);
    const QString lead = SystemText(ENOSPC) + QStringLiteral("\rThe file's previous content is kept in ");
    QVERIFY2(reason.startsWith(lead), qPrintable(reason));
    QCOMPARE(ReadBytes(reason.mid(lead.size())), OldText);
}

void TestPageFileWriter::backupIsAlwaysANewFile_data()
{
    QTest::addColumn<bool>("link");
    QTest::newRow("old backup") << false;
    QTest::newRow("symbolic link at the name") << true;
}

void TestPageFileWriter::backupIsAlwaysANewFile()
{
    QFETCH(bool, link);
    const QString page = Path(QStringLiteral("page.htm"));
    const QString backup = Path(QStringLiteral("page.bak"));
    const QString other = Path(QStringLiteral("other.txt"));
    WriteOldText(page, 1234, 5678, 0640);
    WriteOldText(other);
    QVERIFY(link ? QFile::link(other, backup) : QFile::copy(other, backup));

    QCOMPARE(PageFileWriter::WriteBackup(backup, NewText, page), QString());
    const struct stat info = Stat(backup);
    QVERIFY(S_ISREG(info.st_mode));
    QCOMPARE(ReadBytes(backup), NewText);
    QCOMPARE(ReadBytes(other), OldText);
    QCOMPARE(info.st_gid, 5678u);
    QCOMPARE(info.st_mode & 07777, 0640u);
}

void TestPageFileWriter::namesThatAreNotUtf8()
{
    for (const QByteArray &name : {QByteArray("caf\xE9.htm"), QByteArray("\xC0\xAF \xFF.html")}) {
        const QString page = Path(NativeFileName::Decode(name));
        const QString backup = page + QStringLiteral(".bak");
        for (const QByteArray &text : {OldText, NewText}) {
            QCOMPARE(PageFileWriter::WriteBackup(backup, text, page), QString());
            QCOMPARE(PageFileWriter::Write(page, text), QString());
            QCOMPARE(ReadBytes(page), text);
            QCOMPARE(ReadBytes(backup), text);
        }
        // By their exact bytes, which Qt's own file classes could not remove.
        QVERIFY(::unlink((Native(FDir->path()).bytes + '/' + name).constData()) == 0);
        QVERIFY(::unlink(Native(backup)) == 0);
    }
}

void TestPageFileWriter::reasons_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << "full" << SystemText(ENOSPC);
    QTest::newRow("read-only file system") << "read-only mount" << SystemText(EROFS);
    QTest::newRow("no permission") << "nobody" << SystemText(EACCES);
    QTest::newRow("no such folder") << "missing" << SystemText(ENOENT);
    QTest::newRow("named pipe") << "fifo" << QStringLiteral("Not a regular file");
}

void TestPageFileWriter::reasons()
{
    QFETCH(QString, situation);
    QFETCH(QString, reason);
    const QString folder = Path(QStringLiteral("site"));
    const QString file = Path(QStringLiteral("site/page.htm"));
    WriteOldText(file);
    const auto write = [&] { return PageFileWriter::Write(file, NewText); };
    QString result;
    if (situation == QLatin1String("full")) {
        PageFileWriter::SetFailAfterBytesForTesting(4);
        result = write();
    } else if (situation == QLatin1String("read-only mount")) {
        // The mount lives and dies with the child's own mount namespace.
        result = InChild([&] {
            if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                || ::mount(Native(folder), Native(folder), nullptr, MS_BIND, nullptr) != 0
                || ::mount(nullptr, Native(folder), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
                return QStringLiteral("skip: can not make a read-only bind mount here: ") + SystemText(errno);
            return write();
        });
    } else if (situation == QLatin1String("nobody")) {
        result = InChild(write, true);
    } else if (situation == QLatin1String("missing")) {
        result = PageFileWriter::Write(Path(QStringLiteral("gone/page.htm")), NewText);
    } else {
        QVERIFY(::mkfifo(Native(Path(QStringLiteral("pipe.htm"))), 0644) == 0);
        result = PageFileWriter::Write(Path(QStringLiteral("pipe.htm")), NewText);
    }
    if (result.startsWith(QLatin1String("skip: ")))
        QSKIP(qPrintable(result));
    QCOMPARE(result, reason);
    QCOMPARE(ReadBytes(file), OldText);
    QCOMPARE(Leftovers(QStringLiteral("site")), QStringList());
}

QTEST_GUILESS_MAIN(TestPageFileWriter)
#include "tst_pagefilewriter.moc"
