// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// An open file descriptor, closed when it goes out of scope; the page
// reader and writer work on the system's own calls through it.
class FileHandle {
public:
    explicit FileHandle(int fd = -1) : FFd(fd) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;

    int Fd() const { return FFd; }
    bool IsOpen() const { return FFd >= 0; }
    // The result of close(): a late write error shows here on some file
    // systems.
    bool Close();

    // The system's own text for an error number ("No space left on device").
    static QString SystemReason(int error);

private:
    int FFd;
};
