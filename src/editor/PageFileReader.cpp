// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFileReader.h"

#include "platform/FileHandle.h"
#include "platform/NativeFileName.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <unistd.h>

PageFileReader::Result PageFileReader::Read(const QString &path)
{
    Result result;
    // Opened without waiting, so that a FIFO cannot block the program
    // before it is seen for what it is.
    FileHandle file(::open(NativeFileName::Encode(path).constData(),
                           O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Fd() < 0) {
        result.failure = FileHandle::SystemReason(errno);
        return result;
    }
    result.stamp = PageDiskStamp::OfOpenFile(file.Fd());
    if (!result.stamp.exists) {
        result.failure = FileHandle::SystemReason(errno);
        return result;
    }
    if (!result.stamp.regular) {
        result.failure = NotRegularText();
        return result;
    }
    try {
        // The size is a hint: a file that grows or shrinks while it is read
        // is read to its end all the same.
        QByteArray bytes;
        bytes.resize(qsizetype(result.stamp.size) + 1);
        qsizetype used = 0;
        for (;;) {
            if (used == bytes.size())
                bytes.resize(bytes.size() + qMax<qsizetype>(bytes.size() / 2, 65536));
            const ssize_t got = ::read(file.Fd(), bytes.data() + used, size_t(bytes.size() - used));
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                result.failure = FileHandle::SystemReason(errno);
                return result;
            }
            if (got == 0)
                break;
            used += got;
        }
        bytes.truncate(used);
        result.bytes = std::move(bytes);
    } catch (const std::bad_alloc &) {
        result.bytes = QByteArray();
        result.failure = QStringLiteral("Not enough memory to hold the page");
    }
    return result;
}
