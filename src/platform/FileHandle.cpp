// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileHandle.h"

#include <cstring>
#include <unistd.h>

bool FileHandle::Close()
{
    const int fd = FFd;
    FFd = -1;
    return fd < 0 || ::close(fd) == 0;
}

QString FileHandle::SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
