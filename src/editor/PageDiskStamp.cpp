// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageDiskStamp.h"

#include "platform/NativeFileName.h"

#include <sys/stat.h>

namespace {

PageDiskStamp FromStat(const struct stat &info)
{
    PageDiskStamp stamp;
    stamp.known = true;
    stamp.exists = true;
    stamp.regular = S_ISREG(info.st_mode);
    stamp.device = quint64(info.st_dev);
    stamp.inode = quint64(info.st_ino);
    stamp.size = qint64(info.st_size);
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}

} // namespace

PageDiskStamp PageDiskStamp::Of(const QString &path)
{
    struct stat info {};
    if (::stat(NativeFileName::Encode(path).constData(), &info) != 0) {
        PageDiskStamp missing;
        missing.known = true;
        return missing;
    }
    return FromStat(info);
}

PageDiskStamp PageDiskStamp::OfOpenFile(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        PageDiskStamp unknown;
        unknown.known = true;
        return unknown;
    }
    return FromStat(info);
}
