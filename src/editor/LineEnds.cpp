// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LineEnds.h"

#include <cstring>

QByteArrayView LineEnds::Bytes(LineEnd kind)
{
    switch (kind) {
    case LineEnd::Lf:
        return QByteArrayView("\n", 1);
    case LineEnd::Cr:
        return QByteArrayView("\r", 1);
    case LineEnd::CrLf:
        break;
    }
    return QByteArrayView("\r\n", 2);
}

LineEnds::Split LineEnds::ToCrLf(const QByteArray &text)
{
    Split split;
    const qsizetype n = text.size();
    const char *p = text.constData();
    // One pass to find the page's line end and whether anything changes.
    qsizetype lone = 0;
    bool first = true;
    bool mixed = false;
    for (qsizetype i = 0; i < n; ++i) {
        LineEnd kind;
        if (p[i] == '\r') {
            kind = (i + 1 < n && p[i + 1] == '\n') ? LineEnd::CrLf : LineEnd::Cr;
            if (kind == LineEnd::CrLf)
                ++i;
        } else if (p[i] == '\n') {
            kind = LineEnd::Lf;
        } else {
            continue;
        }
        if (kind != LineEnd::CrLf)
            ++lone;
        if (first) {
            split.pageEnd = kind;
            first = false;
        } else if (kind != split.pageEnd) {
            mixed = true;
        }
    }
    if (lone == 0) {
        split.text = text;   // shared, no copy
        return split;
    }

    split.text.resize(n + lone);
    char *out = split.text.data();
    qsizetype o = 0;
    qsizetype start = 0;   // of the run of ordinary bytes not yet copied
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] != '\r' && p[i] != '\n')
            continue;
        std::memcpy(out + o, p + start, size_t(i - start));
        o += i - start;
        LineEnd kind = p[i] == '\n' ? LineEnd::Lf : LineEnd::Cr;
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') {
            kind = LineEnd::CrLf;
            ++i;
        }
        if (mixed && kind != split.pageEnd)
            split.exceptions.push_back({o, kind});
        out[o++] = '\r';
        out[o++] = '\n';
        start = i + 1;
    }
    std::memcpy(out + o, p + start, size_t(n - start));
    return split;
}

QByteArray LineEnds::FromCrLf(QByteArrayView text, LineEnd pageEnd,
                              const std::vector<Exception> &exceptions)
{
    if (pageEnd == LineEnd::CrLf && exceptions.empty())
        return text.toByteArray();
    QByteArray out;
    out.reserve(text.size());
    const char *p = text.data();
    const qsizetype n = text.size();
    auto next = exceptions.cbegin();
    qsizetype start = 0;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (p[i] != '\r' || p[i + 1] != '\n')
            continue;
        while (next != exceptions.cend() && next->position < i)
            ++next;
        LineEnd kind = pageEnd;
        if (next != exceptions.cend() && next->position == i)
            kind = next->kind;
        out.append(p + start, i - start);
        out.append(Bytes(kind));
        start = i + 2;
        ++i;
    }
    out.append(p + start, n - start);
    return out;
}
