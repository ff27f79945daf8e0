#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#include <algorithm>

#include <unistd.h>

namespace velmora {

namespace {

constexpr char Acknowledgement = '\x06';
/// A client that has not sent its whole message by then is dropped.
constexpr int ReadLimitMs = 5000;
constexpr int HeaderBytes = 4;
const char* const BufferProperty = "velmoraBuffer";

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_name(std::move(serverName)), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

SingleInstance::~SingleInstance() {
    // Removes the socket file, so no later start waits on a copy that has gone.
    m_server->close();
}

QString SingleInstance::UserServerName(const QString& storePath) {
    const QByteArray hash =
        QCryptographicHash::hash(storePath.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const QString name = QStringLiteral("velmora2003-") + QString::number(::getuid()) + u'-' +
                         QString::fromLatin1(hash);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

bool SingleInstance::HandOver(const QString& commandLine, int timeoutMs) const {
    QElapsedTimer elapsed;
    elapsed.start();
    auto left = [&] { return std::max(1, timeoutMs - static_cast<int>(elapsed.elapsed())); };

    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(left())) {
        return false;
    }
    const QByteArray payload = commandLine.toUtf8().left(MaxMessageBytes);
    QByteArray message(HeaderBytes, '\0');
    qToBigEndian(static_cast<quint32>(payload.size()), message.data());
    message += payload;
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(left())) {
            return false;
        }
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(left())) {
            return false;
        }
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == Acknowledgement;
}

bool SingleInstance::Listen() {
    // Asked first: listening would take the name over from a copy that is running (both
    // started at once). A socket file nobody answers on was left by a copy that ended.
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(500)) {
        probe.abort();
        return false;
    }
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

bool SingleInstance::IsListening() const {
    return m_server->isListening();
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        QTimer::singleShot(ReadLimitMs, socket, [socket] { socket->abort(); });
        Read(socket);
    }
}

void SingleInstance::Read(QLocalSocket* socket) {
    // Anything after the one message, or after a refusal, is ignored.
    if (socket->state() != QLocalSocket::ConnectedState) {
        return;
    }
    QByteArray buffer = socket->property(BufferProperty).toByteArray() + socket->readAll();
    if (buffer.size() < HeaderBytes) {
        socket->setProperty(BufferProperty, buffer);
        return;
    }
    const quint32 length = qFromBigEndian<quint32>(buffer.constData());
    if (length > MaxMessageBytes) {
        socket->abort();
        return;
    }
    if (static_cast<quint32>(buffer.size() - HeaderBytes) < length) {
        socket->setProperty(BufferProperty, buffer);
        return;
    }
    const QString commandLine =
        QString::fromUtf8(buffer.mid(HeaderBytes, static_cast<qsizetype>(length)));
    socket->setProperty(BufferProperty, QByteArray());
    socket->write(&Acknowledgement, 1);
    socket->flush();
    socket->disconnectFromServer();
    // The receiver may ask the player: it runs once the socket is done with.
    QTimer::singleShot(0, this, [this, commandLine] { emit commandLineReceived(commandLine); });
}

} // namespace velmora
