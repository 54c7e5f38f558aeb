// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFileWriter.h"

#include "platform/FileHandle.h"
#include "platform/NativeFileName.h"

#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

qint64 FailAfterBytes = -1;

constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t ModeBits = 07777;
constexpr qint64 CopyChunk = 1 << 20;

// Removes a file made on the way unless it was kept.
class RemoveUnlessKept {
public:
    explicit RemoveUnlessKept(const QByteArray &path) : FPath(path) {}
    ~RemoveUnlessKept()
    {
        if (!FPath.isEmpty()) {
            const int saved = errno;
            ::unlink(FPath.constData());
            errno = saved;
        }
    }
    RemoveUnlessKept(const RemoveUnlessKept &) = delete;
    RemoveUnlessKept &operator=(const RemoveUnlessKept &) = delete;
    void Keep() { FPath.clear(); }

private:
    QByteArray FPath;
};

QByteArray FolderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray BaseName(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The file a name stands for: symbolic links followed, also when the last
// one points at a file that does not exist yet. Returns 0 or the error.
int ResolveLinks(QByteArray path, QByteArray &resolved)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info;
        if (::lstat(path.constData(), &info) != 0) {
            if (errno != ENOENT)
                return errno;
            resolved = path;
            return 0;
        }
        if (!S_ISLNK(info.st_mode)) {
            resolved = path;
            return 0;
        }
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length < 0)
            return errno;
        target.truncate(length);
        path = target.startsWith('/') ? target : FolderOf(path) + '/' + target;
    }
    return ELOOP;
}

// Files and folders refused before anything is written: no write
// permission bit at all stops even a user whom the system would let
// through.
QString Refusal(const QByteArray &path, const struct stat *existing)
{
    if (existing) {
        if (S_ISDIR(existing->st_mode))
            return QStringLiteral("Is a directory");
        if (!S_ISREG(existing->st_mode))
            return QStringLiteral("Not a regular file");
        if (!(existing->st_mode & AnyWrite))
            return QStringLiteral("The file is read-only");
    }
    struct stat folder;
    if (::stat(FolderOf(path).constData(), &folder) == 0 && !(folder.st_mode & AnyWrite))
        return QStringLiteral("The folder is read-only");
    return QString();
}

// A new hidden file in folder named after base, open for reading and
// writing; mode before the umask. Returns -1 with errno set on failure.
int CreateHiddenFile(const QByteArray &folder, const QByteArray &base, mode_t mode, QByteArray &path)
{
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray suffix(6, Qt::Uninitialized);
        for (char &letter : suffix)
            letter = Letters[QRandomGenerator::global()->bounded(int(sizeof(Letters) - 1))];
        path = folder + "/." + base.left(200) + '.' + suffix;
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes size bytes at offset, all or fail with errno set. A hooked write
// obeys the full-disk stand-in of the tests.
bool WriteAt(int fd, const char *data, qint64 size, qint64 offset, bool hooked)
{
    qint64 allowed = size;
    if (hooked && FailAfterBytes >= 0)
        allowed = qBound(qint64(0), FailAfterBytes - offset, size);
    for (qint64 done = 0; done < allowed;) {
        const ssize_t written = ::pwrite(fd, data + done, size_t(allowed - done), off_t(offset + done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += written;
    }
    if (allowed < size) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

// Copies the whole content of one file into another from the start;
// copied tells how many bytes that was.
bool CopyAll(int from, int to, bool hooked, qint64 &copied)
{
    QByteArray buffer(CopyChunk, Qt::Uninitialized);
    for (copied = 0;;) {
        const ssize_t got = ::pread(from, buffer.data(), size_t(buffer.size()), off_t(copied));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!WriteAt(to, buffer.constData(), got, copied, hooked))
            return false;
        copied += got;
    }
}

// Best effort: makes a rename in the folder last through a power cut.
void SyncFolder(const QByteArray &folder)
{
    FileHandle handle(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.IsOpen())
        ::fsync(handle.Fd());
}

struct Attempt {
    QString reason;         // empty on success
    bool inPlace = false;   // a new file could not keep the old one's attributes
};

// Writes the bytes into a new file beside target that takes target's place
// once it is complete and has the old file's owner, group and mode bits.
Attempt ReplaceWithNewFile(const QByteArray &target, const QByteArray &bytes, const struct stat *old)
{
    QByteArray tempPath;
    FileHandle temp(CreateHiddenFile(FolderOf(target), BaseName(target), old ? 0600 : 0666, tempPath));
    if (!temp.IsOpen())
        return {FileHandle::SystemReason(errno), old != nullptr};
    RemoveUnlessKept removeTemp(tempPath);
    struct stat made;
    if (old) {
        if (::fstat(temp.Fd(), &made) != 0)
            return {FileHandle::SystemReason(errno)};
        if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid)
            && ::fchown(temp.Fd(), old->st_uid, old->st_gid) != 0)
            return {FileHandle::SystemReason(errno), true};
    }
    if (!WriteAt(temp.Fd(), bytes.constData(), bytes.size(), 0, true))
        return {FileHandle::SystemReason(errno)};
    if (old) {
        // After the owner and the writing, either of which may clear the
        // set-id bits; the system may also drop set-group-id silently.
        if (::fchmod(temp.Fd(), old->st_mode & ModeBits) != 0 || ::fstat(temp.Fd(), &made) != 0)
            return {FileHandle::SystemReason(errno), true};
        if (made.st_uid != old->st_uid || made.st_gid != old->st_gid
            || (made.st_mode & ModeBits) != (old->st_mode & ModeBits))
            return {FileHandle::SystemReason(EPERM), true};
    }
    if (::fsync(temp.Fd()) != 0 || !temp.Close() || ::rename(tempPath.constData(), target.constData()) != 0)
        return {FileHandle::SystemReason(errno)};
    removeTemp.Keep();
    SyncFolder(FolderOf(target));
    return {};
}

// The hidden file that holds the old bytes during an in-place write:
// beside the file, else in its folder's parent, else in the temporary
// folder.
int CreateSafetyCopy(const QByteArray &target, QByteArray &path)
{
    const QByteArray folder = FolderOf(target);
    const char *tmp = std::getenv("TMPDIR");
    const QByteArray places[] = {folder, FolderOf(folder),
                                 tmp && *tmp ? QByteArray(tmp) : QByteArrayLiteral("/tmp")};
    int error = 0;
    for (const QByteArray &place : places) {
        const int fd = CreateHiddenFile(place, BaseName(target), 0600, path);
        if (fd >= 0)
            return fd;
        if (!error)
            error = errno;
    }
    errno = error;
    return -1;
}

// Overwrites the file itself, so its inode, links, owner, group and mode
// stay. Nothing is overwritten before the old bytes are safe elsewhere and
// the room for the new ones is taken.
QString WriteInPlace(const QByteArray &target, const QByteArray &bytes)
{
    FileHandle file(::open(target.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat old;
    if (!file.IsOpen() || ::fstat(file.Fd(), &old) != 0)
        return FileHandle::SystemReason(errno);
    if (!S_ISREG(old.st_mode))
        return QStringLiteral("Not a regular file");

    QByteArray copyPath;
    FileHandle copy(CreateSafetyCopy(target, copyPath));
    if (!copy.IsOpen())
        return FileHandle::SystemReason(errno);
    RemoveUnlessKept removeCopy(copyPath);
    qint64 oldSize = 0;
    if (!CopyAll(file.Fd(), copy.Fd(), false, oldSize) || ::fsync(copy.Fd()) != 0)
        return FileHandle::SystemReason(errno);

    if (bytes.size() > oldSize) {
        const int error = ::posix_fallocate(file.Fd(), off_t(oldSize), off_t(bytes.size() - oldSize));
        // A file system that cannot reserve room is written without.
        if (error != 0 && error != EOPNOTSUPP) {
            ::ftruncate(file.Fd(), off_t(oldSize));
            return FileHandle::SystemReason(error);
        }
    }
    if (WriteAt(file.Fd(), bytes.constData(), bytes.size(), 0, true)
        && ::ftruncate(file.Fd(), off_t(bytes.size())) == 0 && ::fsync(file.Fd()) == 0) {
        // Writing may have cleared set-id bits; the owner can put them back.
        struct stat now;
        if (::fstat(file.Fd(), &now) == 0 && (now.st_mode & ModeBits) != (old.st_mode & ModeBits))
            ::fchmod(file.Fd(), old.st_mode & ModeBits);
        return QString();
    }

    const QString reason = FileHandle::SystemReason(errno);
    qint64 restored = 0;
    if (CopyAll(copy.Fd(), file.Fd(), true, restored) && ::ftruncate(file.Fd(), off_t(oldSize)) == 0
        && ::fsync(file.Fd()) == 0)
        return reason;
    removeCopy.Keep();
    return reason + QStringLiteral("\rThe file's previous content is kept in ")
        + NativeFileName::Decode(copyPath);
}

// The group and permission bits a backup copy takes from its page.
void TakePageAttributes(int fd, const QByteArray &page)
{
    struct stat pageInfo;
    struct stat made;
    if (::stat(page.constData(), &pageInfo) != 0 || !S_ISREG(pageInfo.st_mode)
        || ::fstat(fd, &made) != 0)
        return;
    // The owner must be able to replace the backup next time.
    mode_t mode = (pageInfo.st_mode & 0777) | S_IWUSR;
    if (made.st_gid != pageInfo.st_gid && ::fchown(fd, uid_t(-1), pageInfo.st_gid) != 0) {
        // Another group gets no more than everybody else.
        mode &= ~(S_IRWXG & ~((mode & S_IRWXO) << 3));
    }
    ::fchmod(fd, mode);
}

} // namespace

void PageFileWriter::SetFailAfterBytesForTesting(qint64 bytes)
{
    FailAfterBytes = bytes;
}

QString PageFileWriter::Write(const QString &path, const QByteArray &bytes)
{
    QByteArray target;
    if (const int error = ResolveLinks(NativeFileName::Encode(path), target))
        return FileHandle::SystemReason(error);
    struct stat old;
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return FileHandle::SystemReason(errno);
    const QString refusal = Refusal(target, exists ? &old : nullptr);
    if (!refusal.isEmpty())
        return refusal;

    // A new file would leave the other names of the file on the old text.
    if (exists && old.st_nlink > 1)
        return WriteInPlace(target, bytes);
    const Attempt attempt = ReplaceWithNewFile(target, bytes, exists ? &old : nullptr);
    return attempt.inPlace ? WriteInPlace(target, bytes) : attempt.reason;
}

QString PageFileWriter::WriteBackup(const QString &backupPath, const QByteArray &bytes,
                                    const QString &pagePath)
{
    const QByteArray backup = NativeFileName::Encode(backupPath);
    struct stat old;
    const bool exists = ::lstat(backup.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return FileHandle::SystemReason(errno);
    // A symbolic link at the backup's name is replaced like a file.
    const QString refusal = Refusal(backup, exists && !S_ISLNK(old.st_mode) ? &old : nullptr);
    if (!refusal.isEmpty())
        return refusal;

    QByteArray tempPath;
    FileHandle temp(CreateHiddenFile(FolderOf(backup), BaseName(backup), 0666, tempPath));
    if (!temp.IsOpen())
        return FileHandle::SystemReason(errno);
    RemoveUnlessKept removeTemp(tempPath);
    if (!WriteAt(temp.Fd(), bytes.constData(), bytes.size(), 0, true))
        return FileHandle::SystemReason(errno);
    TakePageAttributes(temp.Fd(), NativeFileName::Encode(pagePath));
    if (::fsync(temp.Fd()) != 0 || !temp.Close() || ::rename(tempPath.constData(), backup.constData()) != 0)
        return FileHandle::SystemReason(errno);
    removeTemp.Keep();
    SyncFolder(FolderOf(backup));
    return QString();
}
