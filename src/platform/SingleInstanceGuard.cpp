// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstanceGuard.h"

#include "platform/NativeFileName.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

namespace {

const QString baseName = QStringLiteral("SingleInstanceProgramHMutex");
const QString appKey = QStringLiteral("quillon");
constexpr int protocolVersion = 2;
// A copy sends its file names in requests of about this size at most, one
// after the other; the running copy takes requests far longer than that
// and drops anything longer still.
constexpr qsizetype partSize = 1024 * 1024;
constexpr qsizetype maxRequestSize = 16 * partSize;
const QByteArray acknowledgement = QByteArrayLiteral("OK\n");
constexpr int connectWaitMs = 1000;

enum class HandOverResult { Answered, NoServer, NoAnswer };

// The file names in groups whose requests stay within partSize (a name too
// long for that goes alone); always at least one group, so that a copy
// started without files still asks the running one to come forward.
QList<QStringList> requestParts(const QStringList &fileNames)
{
    QList<QStringList> parts{QStringList()};
    qsizetype size = 0;
    for (const QString &name : fileNames) {
        const qsizetype nameSize = SingleInstanceGuard::EncodeRequest({name}).size();
        if (!parts.last().isEmpty() && size + nameSize > partSize) {
            parts.append(QStringList());
            size = 0;
        }
        parts.last().append(name);
        size += nameSize;
    }
    return parts;
}

// Connects the socket; Answered here means that a server took the connection.
HandOverResult connectTo(QLocalSocket &socket, const QString &serverName)
{
    socket.connectToServer(serverName);
    if (socket.waitForConnected(connectWaitMs))
        return HandOverResult::Answered;
    const auto error = socket.error();
    return error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError
        ? HandOverResult::NoServer
        : HandOverResult::NoAnswer;
}

HandOverResult handOverPart(const QString &serverName, const QStringList &fileNames, int answerWaitMs)
{
    QLocalSocket socket;
    if (const HandOverResult connected = connectTo(socket, serverName); connected != HandOverResult::Answered)
        return connected;
    socket.write(SingleInstanceGuard::EncodeRequest(fileNames));
    const QDeadlineTimer deadline(answerWaitMs);
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() < acknowledgement.size()) {
        if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(int(deadline.remainingTime())))
            break;
        if (socket.bytesAvailable() == 0) {
            const qint64 left = deadline.remainingTime();
            if (left <= 0 || !socket.waitForReadyRead(int(left)))
                break;
        }
        reply += socket.readAll();
    }
    reply += socket.readAll();
    socket.abort();
    return reply.startsWith(acknowledgement) ? HandOverResult::Answered : HandOverResult::NoAnswer;
}

HandOverResult handOver(const QString &serverName, const QStringList &fileNames, int answerWaitMs)
{
    const QList<QStringList> parts = requestParts(fileNames);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const HandOverResult result = handOverPart(serverName, parts.at(i), answerWaitMs);
        // Once the running copy has taken a part, it is there: a later
        // part that finds no server did not reach it either.
        if (result != HandOverResult::Answered)
            return i == 0 ? result : HandOverResult::NoAnswer;
    }
    return HandOverResult::Answered;
}

QString defaultRuntimeDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(QObject *parent)
    : SingleInstanceGuard(defaultRuntimeDir(), parent)
{
}

SingleInstanceGuard::SingleInstanceGuard(const QString &runtimeDir, QObject *parent)
    : QObject(parent), FRuntimeDir(QDir::cleanPath(QDir(runtimeDir).absolutePath()))
{
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

QString SingleInstanceGuard::LockFileName() const
{
    return FRuntimeDir + QLatin1Char('/') + baseName + QStringLiteral(".lock");
}

QString SingleInstanceGuard::ServerName() const
{
    return FRuntimeDir + QLatin1Char('/') + baseName;
}

void SingleInstanceGuard::SetClientTimeout(int ms)
{
    FClientTimeoutMs = ms;
}

void SingleInstanceGuard::SetAnswerTimeout(int ms)
{
    FAnswerTimeoutMs = ms;
}

bool SingleInstanceGuard::IsLocked() const
{
    return FLock && FLock->isLocked();
}

bool SingleInstanceGuard::IsListening() const
{
    return FServer && FServer->isListening();
}

SingleInstanceGuard::Outcome SingleInstanceGuard::Acquire(const QStringList &fileNames, int waitMs)
{
    QDir().mkpath(FRuntimeDir);
    if (!FLock) {
        FLock = std::make_unique<QLockFile>(LockFileName());
        // A lock is stale only when its process is gone, never by its age:
        // a slow start must not let a second copy in.
        FLock->setStaleLockTime(0);
    }
    if (!FLock->isLocked() && !FLock->tryLock(qMax(0, waitMs))) {
        if (FLock->error() == QLockFile::LockFailedError)
            return Outcome::TimedOut;
        // The lock file cannot be made at all (no such folder, no
        // permission): a guard that can never be taken must not keep the
        // program from starting, so go on without it.
        qWarning("SingleInstanceGuard: can not create the lock file %s",
                 qPrintable(QDir::toNativeSeparators(LockFileName())));
    }

    QStringList absolute;
    for (const QString &name : fileNames) {
        if (!name.isEmpty())
            absolute.append(QFileInfo(name).absoluteFilePath());
    }
    switch (handOver(ServerName(), absolute, FAnswerTimeoutMs)) {
    case HandOverResult::Answered:
        Release();
        return Outcome::HandedOver;
    case HandOverResult::NoServer:
        // A socket left behind by a copy that ended without cleaning up.
        QLocalServer::removeServer(ServerName());
        break;
    case HandOverResult::NoAnswer:
        // A copy is there but does not answer: it keeps its place, and a
        // second copy on the same settings and tables must not start.
        Release();
        return Outcome::NoAnswer;
    }
    return Outcome::Continue;
}

bool SingleInstanceGuard::Listen()
{
    if (IsListening())
        return true;
    if (!FServer) {
        FServer = new QLocalServer(this);
        FServer->setSocketOptions(QLocalServer::UserAccessOption);
        connect(FServer, &QLocalServer::newConnection, this, &SingleInstanceGuard::AcceptClients);
    }
    QDir().mkpath(FRuntimeDir);
    // The name is taken over only from a copy that is gone: listening would
    // replace a running copy's name without a word.
    QLocalSocket probe;
    if (connectTo(probe, ServerName()) != HandOverResult::NoServer) {
        qWarning("SingleInstanceGuard: another copy is running on %s",
                 qPrintable(QDir::toNativeSeparators(ServerName())));
        return false;
    }
    QLocalServer::removeServer(ServerName());
    if (FServer->listen(ServerName()))
        return true;
    qWarning("SingleInstanceGuard: can not listen on %s: %s",
             qPrintable(QDir::toNativeSeparators(ServerName())), qPrintable(FServer->errorString()));
    return false;
}

void SingleInstanceGuard::Release()
{
    if (FLock && FLock->isLocked())
        FLock->unlock();
}

void SingleInstanceGuard::AcceptClients()
{
    while (QLocalSocket *socket = FServer->nextPendingConnection())
        ServeClient(socket);
}

void SingleInstanceGuard::ServeClient(QLocalSocket *socket)
{
    // A client that says nothing useful is dropped; none may keep the
    // running copy waiting.
    auto *timer = new QTimer(socket);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);

    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, timer, buffer] {
        // Only the bytes just read can hold the end of the line.
        const qsizetype before = buffer->size();
        buffer->append(socket->read(maxRequestSize + 1 - before));
        const qsizetype end = buffer->indexOf('\n', before);
        if (end < 0) {
            if (buffer->size() > maxRequestSize) {
                socket->abort();
                socket->deleteLater();
            }
            return;
        }
        bool ok = false;
        const QStringList files = DecodeRequest(buffer->left(end), &ok);
        buffer->clear();
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        if (!ok) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        timer->stop();
        socket->write(acknowledgement);
        socket->disconnectFromServer();
        // Answer first, so the other copy can end at once; then act, off
        // the socket's own call, since acting may open modal windows.
        QTimer::singleShot(0, this, [this, files] { emit ActivateRequested(files); });
    });
    timer->start(FClientTimeoutMs);
    // Bytes may have arrived before the connections above were made.
    if (socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(socket, "readyRead", Qt::QueuedConnection);
}

QByteArray SingleInstanceGuard::EncodeRequest(const QStringList &fileNames)
{
    QJsonObject request;
    request.insert(QStringLiteral("app"), appKey);
    request.insert(QStringLiteral("version"), protocolVersion);
    // Each name as its own bytes, base64: a name that is not valid UTF-8
    // would not survive JSON text.
    QJsonArray files;
    for (const QString &name : fileNames)
        files.append(QString::fromLatin1(NativeFileName::Encode(name).toBase64()));
    request.insert(QStringLiteral("files"), files);
    // Compact JSON escapes line breaks inside strings, so the request is one line.
    return QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n';
}

QStringList SingleInstanceGuard::DecodeRequest(const QByteArray &line, bool *ok)
{
    *ok = false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.trimmed(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {};
    const QJsonObject request = document.object();
    if (request.value(QStringLiteral("app")).toString() != appKey
        || request.value(QStringLiteral("version")).toInt() < 1
        || !request.value(QStringLiteral("files")).isArray())
        return {};
    QStringList files;
    for (const QJsonValue &value : request.value(QStringLiteral("files")).toArray()) {
        const auto bytes = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
        if (!value.isString() || !bytes || bytes.decoded.isEmpty())
            return {};
        files.append(NativeFileName::Decode(bytes.decoded));
    }
    *ok = true;
    return files;
}

void SingleInstanceGuard::BringForward(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized()) {
        // Clearing only the minimised flag leaves a maximised window maximised.
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    }
    if (!window->isVisible())
        window->show();
    window->raise();
    window->activateWindow();
}
