// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Loads generated HTML pages of 1, 10 and 50 MB into the editor control,
// inserts 10 KB at the end and in the middle, reads the row and column at
// the end, and prints the times and the peak memory of each size. Each size
// runs in a process of its own so that its peak is its own.
//
//   bench_richedit            all sizes
//   bench_richedit 50         one size

#include "editor/TRCRichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

long PeakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

QByteArray GeneratedPage(qsizetype bytes)
{
    QByteArray page;
    page.reserve(bytes + 256);
    page += "<!DOCTYPE html>\r\n<HTML>\r\n<HEAD><TITLE>Benchmark page</TITLE></HEAD>\r\n<BODY>\r\n";
    for (int n = 0; page.size() < bytes; ++n) {
        page += "<P CLASS=\"row\">Paragraph ";
        page += QByteArray::number(n);
        page += " with <B>bold</B>, <I>italic</I> and caf\xc3\xa9 text.</P>\r\n";
    }
    page += "</BODY>\r\n</HTML>\r\n";
    return page;
}

double Ms(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

bool WritePage(const QString &path, int megabytes)
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly)
        && out.write(GeneratedPage(qsizetype(megabytes) * 1024 * 1024)) >= 0;
}

int RunOneSize(int megabytes, const QString &path)
{
    const long baseKiB = PeakKiB();

    TRCRichEdit edit;
    edit.resize(800, 600);
    edit.show();

    QElapsedTimer timer;
    timer.start();
    {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            return 1;
        edit.SetTextUtf8(in.readAll());
    }
    edit.SetModified(false);
    QApplication::processEvents();
    const double loadMs = Ms(timer);

    const QString chunk = QString(QStringLiteral("<P>inserted text</P>\r\n")).repeated(10 * 1024 / 22);

    edit.SetSelStart(edit.TextLength());
    timer.restart();
    edit.ReplaceSel(chunk);
    const double endMs = Ms(timer);

    edit.SetSelStart(edit.TextLength() / 2);
    timer.restart();
    edit.ReplaceSel(chunk);
    const double middleMs = Ms(timer);

    timer.restart();
    edit.SetSelStart(edit.TextLength());
    const int row = edit.Row();
    const int col = edit.Col();
    const double rowColMs = Ms(timer);

    // A caret step near the end with the repaint it causes: the cost of
    // typing at the end of the page.
    edit.SetSelStart(edit.TextLength() - 3);
    edit.repaint();
    timer.restart();
    edit.SetSelStart(edit.TextLength() - 2);
    edit.repaint();
    QApplication::processEvents();
    const double stepMs = Ms(timer);

    QApplication::processEvents();
    const long peakKiB = PeakKiB();
    std::printf("%3d MB  load %8.1f ms  insert end %6.2f ms  insert middle %6.2f ms  "
                "row/col %6.3f ms (row %d col %d)  caret step at end %6.2f ms  peak %6.1f MB (start %5.1f MB, goal < %5.1f MB)\n",
                megabytes, loadMs, endMs, middleMs, rowColMs, row + 1, col + 1, stepMs,
                peakKiB / 1024.0, baseKiB / 1024.0, 3.0 * megabytes + 100.0);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() > 2)
        return RunOneSize(args.at(1).toInt(), args.at(2));

    // The pages are generated here, so that each measuring process's peak
    // holds only the editor's own memory.
    QTemporaryDir dir;
    int failures = 0;
    const QList<int> sizes = args.size() > 1 ? QList<int>{args.at(1).toInt()} : QList<int>{1, 10, 50};
    for (int megabytes : sizes) {
        const QString path = dir.filePath(QStringLiteral("page%1.htm").arg(megabytes));
        if (!WritePage(path, megabytes))
            return 1;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QApplication::applicationFilePath(), {QString::number(megabytes), path});
        child.waitForFinished(-1);
        failures += child.exitCode() != 0;
    }
    return failures;
}
