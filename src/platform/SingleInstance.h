#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace velmora {

/// One game per user session. The first copy listens on a local socket; a later start hands its
/// command line to it and ends. Messages are a 32-bit big-endian length and that many bytes of
/// UTF-8, answered by one acknowledgement byte.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    /// The socket of the user's session for the settings file `storePath`: in the user's
    /// runtime folder, named after the user and the settings file, so copies that share a
    /// settings file meet and nothing else does.
    static QString UserServerName(const QString& storePath);

    /// Gives `commandLine` to the copy listening on the socket. True once it has taken it (this
    /// copy may end); false when none answers within `timeoutMs`.
    bool HandOver(const QString& commandLine, int timeoutMs = 3000) const;
    /// Starts listening, replacing a socket file no copy answers on. False when another copy
    /// listens or the socket cannot be used: this copy then runs on its own.
    bool Listen();
    bool IsListening() const;
    QString ServerName() const { return m_name; }

    /// The longest command line taken, in bytes.
    static constexpr quint32 MaxMessageBytes = 64 * 1024;

signals:
    /// A later start handed over its command line (empty when it had none).
    void commandLineReceived(const QString& commandLine);

private:
    void Accept();
    void Read(QLocalSocket* socket);

    QString m_name;
    QLocalServer* m_server;
};

} // namespace velmora
