// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;
class QWidget;

// Keeps one copy of the program per user. A lock file in the runtime folder
// ("SingleInstanceProgramHMutex.lock") is held while a copy starts; a local
// server of the same name lets a later copy find the running one, hand it
// the file names from its command line and ask it to come forward.
//
// Start-up:  Acquire() -> create the main window -> Listen() -> Release().
// Listening before releasing means that a copy which waited for the lock
// always finds the server. A running copy is never displaced: a later copy
// that it does not answer ends, and many file names go over in several
// requests of bounded size.
class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Continue,     // no other copy runs: start; the lock is held
        HandedOver,   // a running copy took the file names: end with status 0
        TimedOut,     // another copy is still starting: end silently
        NoAnswer      // a running copy does not answer: it keeps running, this
                      // copy must not start
    };

    // The lock and the server live in the user's runtime folder, or in
    // runtimeDir when one is given.
    explicit SingleInstanceGuard(QObject *parent = nullptr);
    explicit SingleInstanceGuard(const QString &runtimeDir, QObject *parent = nullptr);
    ~SingleInstanceGuard() override;

    Outcome Acquire(const QStringList &fileNames, int waitMs = 10000);
    // Starts answering later copies; false when the server cannot start.
    bool Listen();
    // Lets the next copy start; the server keeps listening.
    void Release();
    bool IsLocked() const;
    bool IsListening() const;

    QString LockFileName() const;
    QString ServerName() const;
    // How long a connected copy may take to send its request (tests shorten it).
    void SetClientTimeout(int ms);
    // How long Acquire() waits for the running copy to answer each request.
    void SetAnswerTimeout(int ms);

    // Brings the window to the user: a minimised window is restored (to
    // maximised when it was maximised before), any other raised and activated.
    static void BringForward(QWidget *window);

    // The request a copy sends (one line of JSON), and its reading by the
    // running copy: ok is false for anything that is not a valid request.
    static QByteArray EncodeRequest(const QStringList &fileNames);
    static QStringList DecodeRequest(const QByteArray &line, bool *ok);

signals:
    // A later copy started: come forward and open these files (absolute paths).
    void ActivateRequested(const QStringList &fileNames);

private slots:
    void AcceptClients();

private:
    void ServeClient(QLocalSocket *socket);

    QString FRuntimeDir;
    std::unique_ptr<QLockFile> FLock;
    QLocalServer *FServer = nullptr;
    int FClientTimeoutMs = 5000;
    int FAnswerTimeoutMs = 10000;
};
