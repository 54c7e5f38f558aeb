// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstanceGuard.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <memory>

using Outcome = SingleInstanceGuard::Outcome;

// The program's other copies are this test program run again with
// QUILLON_TST_ROLE set: "hold" takes the lock, listens and stays silent
// until its input closes (a copy stuck in its start-up); "second" is a copy
// started with two file names (none when QUILLON_TST_FILES is "none",
// ManyFileNames() when it is "many").
namespace {

// Far more than one request holds.
QStringList ManyFileNames()
{
    QStringList names;
    for (int i = 0; i < 3000; ++i)
        names.append(QStringLiteral("/pages/%1/%2.htm").arg(i).arg(QString(1000, QChar(u'a' + i % 26))));
    return names;
}

int runRole(const QString &role)
{
    SingleInstanceGuard guard(qEnvironmentVariable("QUILLON_TST_RUNTIME"));
    if (role == QLatin1String("hold")) {
        if (guard.Acquire({}, 2000) != Outcome::Continue || !guard.Listen())
            return 2;
        std::puts("held");
        std::fflush(stdout);
        while (std::fgetc(stdin) != EOF) {
        }
        return 0;
    }
    if (role == QLatin1String("second")) {
        const QString which = qEnvironmentVariable("QUILLON_TST_FILES");
        QStringList files;
        if (which == QLatin1String("many"))
            files = ManyFileNames();
        else if (which != QLatin1String("none"))
            files = QStringList{QStringLiteral("page.htm"), QStringLiteral("/web dir/other page.htm")};
        switch (guard.Acquire(files, 5000)) {
        case Outcome::HandedOver:
            return 0;
        case Outcome::Continue:
            return 3;
        case Outcome::TimedOut:
        case Outcome::NoAnswer:
            return 4;
        }
    }
    return 5;
}

} // namespace

class tst_SingleInstanceGuard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void timesOutWhileAnotherCopyStarts();
    void takesOverLockAndSocketOfDeadCopy();
    void handsFileNamesToRunningCopy();
    void manyFileNamesGoOverInParts();
    void aRunningCopyIsNeverDisplaced();
    void badClientsDoNotHurtRunningCopy();
    void requestRoundTrip();
    void bringForwardRestoresWindow();

private:
    QProcess *startCopy(const QString &role, const QString &files = QString());
    static bool waitForHeld(QProcess *copy);

    std::unique_ptr<QTemporaryDir> FRuntime;
    QList<QProcess *> FCopies;
};

void tst_SingleInstanceGuard::initTestCase()
{
    const QString role = qEnvironmentVariable("QUILLON_TST_ROLE");
    if (!role.isEmpty()) {
        const int status = runRole(role);
        std::fflush(nullptr);
        std::_Exit(status);
    }
}

void tst_SingleInstanceGuard::init()
{
    FRuntime = std::make_unique<QTemporaryDir>();
    QVERIFY(FRuntime->isValid());
}

void tst_SingleInstanceGuard::cleanup()
{
    for (QProcess *copy : std::as_const(FCopies)) {
        if (copy->state() != QProcess::NotRunning) {
            copy->kill();
            copy->waitForFinished(3000);
        }
        delete copy;
    }
    FCopies.clear();
    FRuntime.reset();
}

QProcess *tst_SingleInstanceGuard::startCopy(const QString &role, const QString &files)
{
    auto *copy = new QProcess;
    FCopies.append(copy);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUILLON_TST_ROLE"), role);
    env.insert(QStringLiteral("QUILLON_TST_RUNTIME"), FRuntime->path());
    env.insert(QStringLiteral("QUILLON_TST_FILES"), files);
    copy->setProcessEnvironment(env);
    copy->setWorkingDirectory(FRuntime->path());
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy->start(QCoreApplication::applicationFilePath(), {});
    return copy;
}

// The test framework writes its own lines first.
bool tst_SingleInstanceGuard::waitForHeld(QProcess *copy)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        while (copy->canReadLine()) {
            if (copy->readLine().trimmed() == "held")
                return true;
        }
        if (!copy->waitForReadyRead(int(10000 - clock.elapsed())))
            return false;
    }
    return false;
}

void tst_SingleInstanceGuard::timesOutWhileAnotherCopyStarts()
{
    QProcess *starting = startCopy(QStringLiteral("hold"));
    QVERIFY(waitForHeld(starting));

    SingleInstanceGuard guard(FRuntime->path());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(guard.Acquire({QStringLiteral("a.htm")}, 400), Outcome::TimedOut);
    QVERIFY(clock.elapsed() >= 350);
    QVERIFY2(clock.elapsed() < 2500, QByteArray::number(clock.elapsed()));
    QVERIFY(!guard.IsLocked());
}

void tst_SingleInstanceGuard::takesOverLockAndSocketOfDeadCopy()
{
    QProcess *crashed = startCopy(QStringLiteral("hold"));
    QVERIFY(waitForHeld(crashed));
    crashed->kill();   // no chance to clean up
    QVERIFY(crashed->waitForFinished(3000));

    SingleInstanceGuard guard(FRuntime->path());
    QVERIFY(QFileInfo::exists(guard.LockFileName()));
    QVERIFY(QFileInfo::exists(guard.ServerName()));

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(guard.Acquire({}, 5000), Outcome::Continue);
    QVERIFY2(clock.elapsed() < 2000, QByteArray::number(clock.elapsed()));
    QVERIFY(guard.IsLocked());
    QVERIFY(guard.Listen());
    guard.Release();
    QVERIFY(!guard.IsLocked());
    QVERIFY(guard.IsListening());
}

void tst_SingleInstanceGuard::handsFileNamesToRunningCopy()
{
    SingleInstanceGuard running(FRuntime->path());
    QCOMPARE(running.Acquire({}, 1000), Outcome::Continue);
    QVERIFY(running.Listen());
    running.Release();
    QSignalSpy activated(&running, &SingleInstanceGuard::ActivateRequested);

    QProcess *second = startCopy(QStringLiteral("second"));
    QVERIFY(activated.wait(10000));
    QCOMPARE(activated.takeFirst().at(0).toStringList(),
             (QStringList{FRuntime->path() + QStringLiteral("/page.htm"),
                          QStringLiteral("/web dir/other page.htm")}));
    QVERIFY(second->waitForFinished(5000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    // The second copy let go of the start-up lock.
    QVERIFY(!QFileInfo::exists(running.LockFileName()));

    // A copy started without files still brings the running one forward.
    QProcess *third = startCopy(QStringLiteral("second"), QStringLiteral("none"));
    QVERIFY(activated.wait(10000));
    QCOMPARE(activated.takeFirst().at(0).toStringList(), QStringList());
    QVERIFY(third->waitForFinished(5000));
    QCOMPARE(third->exitCode(), 0);
}

void tst_SingleInstanceGuard::manyFileNamesGoOverInParts()
{
    SingleInstanceGuard running(FRuntime->path());
    QCOMPARE(running.Acquire({}, 1000), Outcome::Continue);
    QVERIFY(running.Listen());
    running.Release();
    QStringList received;
    connect(&running, &SingleInstanceGuard::ActivateRequested, this,
            [&received](const QStringList &files) { received += files; });

    QProcess *second = startCopy(QStringLiteral("second"), QStringLiteral("many"));
    const QStringList sent = ManyFileNames();
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), sent.size(), 20000);
    QCOMPARE(received, sent);
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 5000);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(running.IsListening());
}

void tst_SingleInstanceGuard::aRunningCopyIsNeverDisplaced()
{
    SingleInstanceGuard other(FRuntime->path());
    QLocalServer busy;   // a running copy too busy to answer
    QVERIFY(busy.listen(other.ServerName()));
    QVERIFY(!other.Listen());
    QVERIFY(busy.isListening());
}

void tst_SingleInstanceGuard::badClientsDoNotHurtRunningCopy()
{
    SingleInstanceGuard running(FRuntime->path());
    QCOMPARE(running.Acquire({}, 1000), Outcome::Continue);
    QVERIFY(running.Listen());
    running.Release();
    running.SetClientTimeout(300);
    QSignalSpy activated(&running, &SingleInstanceGuard::ActivateRequested);

    auto connectClient = [&running] {
        auto client = std::make_unique<QLocalSocket>();
        client->connectToServer(running.ServerName());
        return client;
    };
    auto isDropped = [](QLocalSocket &client) {
        QSignalSpy gone(&client, &QLocalSocket::disconnected);
        return client.state() == QLocalSocket::UnconnectedState || gone.wait(3000);
    };

    const QByteArray garbage[] = {
        QByteArray("this is not a request\n"),
        QByteArray("\x00\xff\xfe{\"app\"\n", 9),
        QByteArray("{\"app\":\"quillon\",\"version\":1,\"files\":[1,2]}\n"),
        QByteArray("{\"app\":\"quillon\",\"version\":1,\"files\":[\"\"]}\n"),
        QByteArray(2 * 1024 * 1024, 'x'),   // never ends its line
        QByteArray(),                       // says nothing at all
    };
    for (const QByteArray &bytes : garbage) {
        auto client = connectClient();
        QVERIFY(client->waitForConnected(1000));
        client->write(bytes);
        QVERIFY2(isDropped(*client), bytes.left(40).constData());
    }

    // A client that goes away in the middle of its request.
    {
        auto client = connectClient();
        QVERIFY(client->waitForConnected(1000));
        client->write(SingleInstanceGuard::EncodeRequest({QStringLiteral("/x.htm")}).left(10));
        client->flush();
        client->abort();
    }
    QTest::qWait(100);
    QCOMPARE(activated.count(), 0);

    // The running copy still serves a good request.
    auto client = connectClient();
    QVERIFY(client->waitForConnected(1000));
    client->write(SingleInstanceGuard::EncodeRequest({QStringLiteral("/pages/a.htm")}));
    QTRY_COMPARE_WITH_TIMEOUT(client->bytesAvailable() > 0 || client->state() != QLocalSocket::ConnectedState, true, 3000);
    QCOMPARE(client->readAll(), QByteArray("OK\n"));
    QTRY_COMPARE_WITH_TIMEOUT(activated.count(), 1, 3000);
    QCOMPARE(activated.at(0).at(0).toStringList(), QStringList{QStringLiteral("/pages/a.htm")});
}

void tst_SingleInstanceGuard::requestRoundTrip()
{
    const QStringList odd{QStringLiteral("/a b/c\"d.htm"), QStringLiteral("/line\nbreak.htm"),
                          QString::fromUtf8("/gr\xc3\xbc\xc3\x9f/\xe2\x82\xac.html"),
                          // a name whose bytes are not UTF-8
                          QStringLiteral("/caf") + QChar(0xDCE9) + QStringLiteral(".htm")};
    const QByteArray request = SingleInstanceGuard::EncodeRequest(odd);
    QCOMPARE(request.count('\n'), 1);
    QVERIFY(request.endsWith('\n'));
    bool ok = false;
    QCOMPARE(SingleInstanceGuard::DecodeRequest(request, &ok), odd);
    QVERIFY(ok);
}

void tst_SingleInstanceGuard::bringForwardRestoresWindow()
{
    QWidget plain;
    plain.show();
    plain.showMinimized();
    QVERIFY(plain.isMinimized());
    SingleInstanceGuard::BringForward(&plain);
    QVERIFY(!plain.isMinimized());
    QVERIFY(plain.isVisible());
    QCOMPARE(plain.windowState() & ~Qt::WindowActive, Qt::WindowNoState);

    QWidget maximised;
    maximised.showMaximized();
    maximised.showMinimized();
    SingleInstanceGuard::BringForward(&maximised);
    QVERIFY(!maximised.isMinimized());
    QVERIFY(maximised.isMaximized());

    QWidget hidden;
    SingleInstanceGuard::BringForward(&hidden);
    QVERIFY(hidden.isVisible());
    SingleInstanceGuard::BringForward(nullptr);
}

QTEST_MAIN(tst_SingleInstanceGuard)
#include "tst_SingleInstanceGuard.moc"
