#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace velmora {

/// One game per user session. The first copy listens on a local socket; a later start hands its
/// command line to it and ends. Messages are a 32-bit big-endian length and that many bytes of
/// UTF-8, answered by one acknowledgement byte. The socket file is the user's alone.
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
    /// copy may end); false when none answers within `timeoutMs`, at once when none listens.
    bool HandOver(const QString& commandLine, int timeoutMs = 3000) const;
    /// Starts listening, replacing a socket file no copy answers on. False when another copy
    /// listens or the socket cannot be used (a path too long for a local socket among them):
    /// this copy then runs on its own.
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
    void Close();

    QString m_name;
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    /// The socket file this copy made, so it removes that one and never a later copy's.
    QByteArray m_identity;
};

} // namespace velmora
