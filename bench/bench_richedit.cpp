// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Loads generated HTML pages of 1, 10 and 50 MB into the editor control,
// inserts 10 KB at the end and in the middle, reads the row and column at
// the end, and prints the times and the peak memory of each size. Then it
// types into a 5 MB page on one line (minified HTML) and loads a 20 MB page
// with word wrap on. Each case runs in a process of its own so that its
// peak is its own.
//
//   bench_richedit            all cases
//   bench_richedit 50         one size
//   bench_richedit oneline 5  a page of that many MB on one line
//   bench_richedit wrap 20    a page of that many MB with word wrap

#include "editor/TRCRichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/resource.h>

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

// Process CPU time (user and system) in milliseconds.
double CpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The editor as the user sees it: the program's default font, a common
// window size, shown and focused.
void ShowFocused(TRCRichEdit &edit)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    edit.SetEditorFont(font, Qt::black);
    edit.resize(1000, 700);
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    if (!QTest::qWaitForWindowActive(&edit))
        std::printf("(the editor window did not become active)\n");
}

QWidget *KeyTarget(TRCRichEdit &edit)
{
    return edit.focusProxy() ? edit.focusProxy() : &edit;
}

// A typed letter with the repaint it causes, caret at pos.
double KeystrokeMs(TRCRichEdit &edit, int pos)
{
    edit.SetSelStart(pos);
    edit.ScrollCaret();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(KeyTarget(edit), Qt::Key_X);
    QApplication::processEvents();
    return Ms(timer);
}

double IdleCpuMs(int ms)
{
    const double before = CpuMs();
    QTest::qWait(ms);
    return CpuMs() - before;
}

// Waits until the work the editor does in idle time is over (a tenth of a
// second that uses under a twentieth of it); returns the time waited.
double UntilIdleMs(int limitMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < limitMs && IdleCpuMs(100) > 5.0) {
    }
    return Ms(timer);
}

// Minified HTML: the generated page on one line.
int RunOneLine(int megabytes)
{
    QByteArray page = GeneratedPage(qsizetype(megabytes) * 1024 * 1024);
    page.replace("\r\n", "");
    TRCRichEdit edit;
    ShowFocused(edit);
    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = CpuMs();
    edit.SetTextUtf8(page);
    edit.repaint();
    QApplication::processEvents();
    const double loadMs = Ms(timer);
    const double loadCpuMs = CpuMs() - cpuBefore;
    const int length = edit.TextLength();
    const double startMs = KeystrokeMs(edit, 0);
    const double middleMs = KeystrokeMs(edit, length / 2);
    const double endMs = KeystrokeMs(edit, edit.TextLength());
    UntilIdleMs(2000);
    const double idleMs = IdleCpuMs(3000);
    std::printf("%3d MB on one line: load %7.1f ms (cpu %7.1f ms)  keystroke at start %7.1f ms  middle %7.1f ms  "
                "end %7.1f ms (goal < 50 ms)  idle CPU %5.1f ms in 3 s\n",
                megabytes, loadMs, loadCpuMs, startMs, middleMs, endMs, idleMs);
    std::fflush(stdout);
    return 0;
}

// Word wrap on: time until the page is shown, until a first keystroke is
// done, and until the wrapping left for idle time has finished.
int RunWrapped(int megabytes)
{
    const long baseKiB = PeakKiB();
    const QByteArray page = GeneratedPage(qsizetype(megabytes) * 1024 * 1024);
    TRCRichEdit edit;
    edit.SetWordWrap(true);
    ShowFocused(edit);
    QElapsedTimer timer;
    timer.start();
    edit.SetTextUtf8(page);
    edit.repaint();
    const double shownMs = Ms(timer);
    QTest::keyClick(KeyTarget(edit), Qt::Key_X);
    QApplication::processEvents();
    const double keyMs = Ms(timer);
    const double wrappedMs = keyMs + UntilIdleMs(120000);
    const double middleMs = KeystrokeMs(edit, edit.TextLength() / 2);
    std::printf("%3d MB with word wrap: shown %7.1f ms  first keystroke done %7.1f ms (goal < 1000 ms)  "
                "wrapping finished %8.1f ms  keystroke in the middle %6.1f ms  peak %6.1f MB (start %5.1f MB)\n",
                megabytes, shownMs, keyMs, wrappedMs, middleMs, PeakKiB() / 1024.0, baseKiB / 1024.0);
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
    if (args.size() > 2 && args.at(1) == QLatin1String("oneline"))
        return RunOneLine(args.at(2).toInt());
    if (args.size() > 2 && args.at(1) == QLatin1String("wrap"))
        return RunWrapped(args.at(2).toInt());
    if (args.size() > 2)
        return RunOneSize(args.at(1).toInt(), args.at(2));

    // The pages are generated here (the one-line and word-wrap cases make
    // their own), so that each measuring process's peak holds only the
    // editor's own memory.
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
    if (args.size() == 1) {
        const QList<QStringList> cases{{QStringLiteral("oneline"), QStringLiteral("5")},
                                       {QStringLiteral("wrap"), QStringLiteral("20")}};
        for (const QStringList &arguments : cases) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QApplication::applicationFilePath(), arguments);
            child.waitForFinished(-1);
            failures += child.exitCode() != 0;
        }
    }
    return failures;
}
