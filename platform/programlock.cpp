#include "platform/programlock.h"

#include "platform/programfolder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <optional>

namespace {

// A message on the channel: its length as four bytes (big-endian), then the marker and
// every argument in UTF-8, each ended by a zero byte. The running program answers
// with one byte once it has taken the message.
const QByteArray kMarker = QByteArrayLiteral("vokab-start");
constexpr qint64 kMaxMessage = 1 << 20;
constexpr char kTaken = 'A';
// A start that connects and then says nothing is not waited for long.
constexpr int kSilentClientMs = 10000;

// The channel of a lock: a socket beside the lock where the path is short enough for
// one, else a name derived from the lock's path (Windows: always a pipe name).
QString channelFor(const QString &lockFile) {
#ifndef Q_OS_WIN
    const QString beside = QFileInfo(lockFile).absolutePath() + QStringLiteral("/vokab.socket");
    if (QFile::encodeName(beside).size() < 100)
        return beside;
#endif
    const QByteArray hash =
        QCryptographicHash::hash(lockFile.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("vokab-") + QString::fromLatin1(hash);
}

QByteArray messageOf(const QStringList &arguments) {
    QByteArray body = kMarker;
    body += '\0';
    for (const QString &argument : arguments) {
        body += argument.toUtf8();
        body += '\0';
    }
    QByteArray message(4, '\0');
    qToBigEndian(quint32(body.size()), message.data());
    return message + body;
}

// The arguments of a message body; nothing when it is not one.
std::optional<QStringList> argumentsOf(const QByteArray &body) {
    const QByteArray start = kMarker + '\0';
    if (!body.startsWith(start) || !body.endsWith('\0'))
        return std::nullopt;
    QStringList arguments;
    if (body.size() == start.size())
        return arguments;
    for (const QByteArray &part :
         body.sliced(start.size(), body.size() - start.size() - 1).split('\0'))
        arguments.append(QString::fromUtf8(part));
    return arguments;
}

} // namespace

ProgramLock::ProgramLock(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder) {}

ProgramLock::~ProgramLock() {
    if (m_server)
        m_server->close();
}

QString ProgramLock::userDataFolder() {
    return ProgramFolder::userDataLocation();
}

ProgramLock::Start ProgramLock::start(const QStringList &arguments, int waitMs) {
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return Start::Unlocked;
    const QString lockFile = QDir(m_folder).absoluteFilePath(QStringLiteral("vokab.lock"));
    m_channel = channelFor(lockFile);
    m_lock = std::make_unique<QLockFile>(lockFile);
    // A lock is stale only when its program is gone, however long it has been held.
    m_lock->setStaleLockTime(0);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        if (m_lock->tryLock(0)) {
            listen();
            return Start::Alone;
        }
        if (m_lock->error() != QLockFile::LockFailedError)
            return Start::Unlocked;
        // The program that holds the lock may be just starting (not listening yet) or
        // just ending (not holding the lock much longer): both are waited for.
        if (handOver(arguments, int(std::max<qint64>(deadline.remainingTime(), 100))))
            return Start::HandedOver;
        if (deadline.hasExpired())
            return Start::NoAnswer;
        QThread::msleep(50);
    }
}

bool ProgramLock::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a channel of that name is left from a program that crashed.
    QLocalServer::removeServer(m_channel);
    if (!m_server->listen(m_channel))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receive(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(kSilentClientMs, socket, [socket] { socket->abort(); });
        }
    });
    return true;
}

void ProgramLock::receive(QLocalSocket *socket) {
    if (socket->bytesAvailable() < 4)
        return;
    const QByteArray head = socket->peek(4);
    const quint32 length = qFromBigEndian<quint32>(head.constData());
    if (length > kMaxMessage) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < 4 + qint64(length))
        return;
    socket->read(4);
    const std::optional<QStringList> arguments = argumentsOf(socket->read(length));
    if (!arguments) {
        socket->abort();
        return;
    }
    socket->write(&kTaken, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit startedAgain(*arguments);
}

bool ProgramLock::handOver(const QStringList &arguments, int waitMs) {
    QLocalSocket socket;
    socket.connectToServer(m_channel);
    if (!socket.waitForConnected(waitMs))
        return false;
    socket.write(messageOf(arguments));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(waitMs))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(waitMs))
            return false;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == kTaken;
}
