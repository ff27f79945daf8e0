#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <functional>
#include <optional>
#include <utility>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora {

namespace {

constexpr char Acknowledgement = '\x06';
/// A client that has not sent its whole message by then is dropped.
constexpr int ReadLimitMs = 5000;
constexpr int HeaderBytes = 4;
/// While the game has no descriptor left to accept with, the listening socket rests this long.
constexpr int AcceptPauseMs = 100;
/// While a busy copy's queue of connections is full, a start retries this often.
constexpr int ConnectRetryMs = 5;
constexpr int SocketFlags = SOCK_CLOEXEC | SOCK_NONBLOCK;

/// Owns one descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

/// The socket file of `name`: a name without a folder lives in the temporary folder.
QByteArray SocketPath(const QString& name) {
    return QFile::encodeName(QDir::isAbsolutePath(name) ? name
                                                        : QDir(QDir::tempPath()).filePath(name));
}

/// The address of `path`; none when the path does not fit a local socket address, which is
/// refused rather than cut short to another file's name.
std::optional<sockaddr_un> Address(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || path.contains('\0') ||
        static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path)) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return address;
}

int Connect(int fd, const sockaddr_un& address) {
    return ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
}

int Bind(int fd, const sockaddr_un& address) {
    return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
}

/// Waits for `events` on `fd` until `deadline`; false when it passed or the wait failed.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        const qint64 left = deadline.remainingTime();
        if (left == 0) {
            return false;
        }
        pollfd entry{fd, events, 0};
        const int ready =
            ::poll(&entry, 1, left < 0 ? -1 : static_cast<int>(std::min<qint64>(left, INT_MAX)));
        if (ready > 0) {
            // Hang-ups and errors are reported by the read or write that follows.
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

/// Connects `fd` to `address`. A missing socket file or one nobody listens on fails at once;
/// a listener whose queue is full is retried until `deadline`.
bool ConnectBy(int fd, const sockaddr_un& address, const QDeadlineTimer& deadline) {
    for (;;) {
        if (Connect(fd, address) == 0 || errno == EISCONN) {
            return true;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN) {
            return false;
        }
        const qint64 left = deadline.remainingTime();
        if (left == 0) {
            return false;
        }
        const qint64 pause = left < 0 ? ConnectRetryMs : std::min<qint64>(left, ConnectRetryMs);
        ::poll(nullptr, 0, static_cast<int>(pause));
    }
}

bool SendAll(int fd, const QByteArray& data, const QDeadlineTimer& deadline) {
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + sent,
                                 static_cast<std::size_t>(data.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(fd, POLLOUT, deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

bool ReceiveAcknowledgement(int fd, const QDeadlineTimer& deadline) {
    for (;;) {
        char answer = 0;
        const ssize_t n = ::recv(fd, &answer, 1, 0);
        if (n == 1) {
            return answer == Acknowledgement;
        }
        if (n == 0) {
            return false;
        }
        if (errno == EINTR) {
            continue;
        }
        if ((errno != EAGAIN && errno != EWOULDBLOCK) || !WaitFor(fd, POLLIN, deadline)) {
            return false;
        }
    }
}

/// Whether a copy answers on `address`: a socket file nobody listens on was left by a copy
/// that ended. A full queue is a copy too busy to accept at once, not a stale file.
bool SomeoneListens(const sockaddr_un& address) {
    const Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SocketFlags, 0));
    if (fd.Get() < 0) {
        return true;
    }
    for (;;) {
        if (Connect(fd.Get(), address) == 0) {
            return true;
        }
        if (errno != EINTR) {
            return errno != ECONNREFUSED && errno != ENOENT;
        }
    }
}

/// What tells the file at `path` from one made there later (inode numbers are reused); empty
/// when there is none.
QByteArray Identity(const QByteArray& path) {
    struct stat file {};
    if (::lstat(path.constData(), &file) != 0) {
        return {};
    }
    const qint64 fields[] = {static_cast<qint64>(file.st_dev), static_cast<qint64>(file.st_ino),
                             static_cast<qint64>(file.st_ctim.tv_sec),
                             static_cast<qint64>(file.st_ctim.tv_nsec)};
    return QByteArray(reinterpret_cast<const char*>(fields), sizeof(fields));
}

/// One accepted client, read as its bytes arrive until its message is whole, then answered and
/// closed. Dropped when it sends too much, ends early or takes longer than the read limit.
class Client final : public QObject {
public:
    Client(int fd, std::function<void(const QString&)> received, QObject* parent)
        : QObject(parent), m_fd(fd), m_received(std::move(received)),
          m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this)),
          m_limit(new QTimer(this)) {
        m_limit->setObjectName(QStringLiteral("readLimit"));
        m_limit->setSingleShot(true);
        connect(m_limit, &QTimer::timeout, this, &Client::Drop);
        connect(m_notifier, &QSocketNotifier::activated, this, &Client::Read);
        m_limit->start(ReadLimitMs);
    }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;
    ~Client() override {
        delete m_notifier;
        ::close(m_fd);
    }

private:
    /// Bytes still to come: the header, then the message it announces and nothing past it.
    qsizetype Wanted() const {
        if (m_buffer.size() < HeaderBytes) {
            return HeaderBytes - m_buffer.size();
        }
        return HeaderBytes + static_cast<qsizetype>(Length()) - m_buffer.size();
    }
    quint32 Length() const { return qFromBigEndian<quint32>(m_buffer.constData()); }

    void Read() {
        while (!m_done) {
            char chunk[4096];
            const std::size_t want = static_cast<std::size_t>(
                std::min<qsizetype>(Wanted(), static_cast<qsizetype>(sizeof(chunk))));
            const ssize_t n = ::recv(m_fd, chunk, want, 0);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            }
            if (n <= 0) {
                Drop();
                return;
            }
            m_buffer.append(chunk, n);
            if (m_buffer.size() < HeaderBytes) {
                continue;
            }
            if (Length() > SingleInstance::MaxMessageBytes) {
                Drop();
            } else if (Wanted() == 0) {
                Answer();
            }
        }
    }

    void Answer() {
        ssize_t n = 0;
        do {
            n = ::send(m_fd, &Acknowledgement, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        } while (n < 0 && errno == EINTR);
        // A start that was not told keeps its command line and runs on its own.
        if (n == 1) {
            m_received(QString::fromUtf8(m_buffer.mid(HeaderBytes)));
        }
        Drop();
    }

    void Drop() {
        if (m_done) {
            return;
        }
        m_done = true;
        m_notifier->setEnabled(false);
        m_limit->stop();
        deleteLater();
    }

    int m_fd;
    std::function<void(const QString&)> m_received;
    QSocketNotifier* m_notifier;
    QTimer* m_limit;
    QByteArray m_buffer;
    bool m_done = false;
};

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_name(std::move(serverName)) {}

SingleInstance::~SingleInstance() {
    Close();
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
    const QDeadlineTimer deadline(timeoutMs);
    const std::optional<sockaddr_un> address = Address(SocketPath(m_name));
    if (!address) {
        return false;
    }
    const Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SocketFlags, 0));
    if (fd.Get() < 0 || !ConnectBy(fd.Get(), *address, deadline)) {
        return false;
    }
    const QByteArray payload = commandLine.toUtf8().left(MaxMessageBytes);
    QByteArray message(HeaderBytes, '\0');
    qToBigEndian(static_cast<quint32>(payload.size()), message.data());
    message += payload;
    return SendAll(fd.Get(), message, deadline) && ReceiveAcknowledgement(fd.Get(), deadline);
}

bool SingleInstance::Listen() {
    if (IsListening()) {
        return true;
    }
    const QByteArray path = SocketPath(m_name);
    const std::optional<sockaddr_un> address = Address(path);
    if (!address) {
        return false;
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SocketFlags, 0));
    if (fd.Get() < 0) {
        return false;
    }
    // The socket's mode becomes the file's when it is bound: no moment where others may connect.
    ::fchmod(fd.Get(), S_IRUSR | S_IWUSR);
    if (Bind(fd.Get(), *address) != 0) {
        // Asked first: binding anew would take the name over from a copy that is running (both
        // started at once).
        if (errno != EADDRINUSE || SomeoneListens(*address)) {
            return false;
        }
        ::unlink(path.constData());
        if (Bind(fd.Get(), *address) != 0) {
            return false;
        }
    }
    struct stat file {};
    const bool bound = ::lstat(path.constData(), &file) == 0 && S_ISSOCK(file.st_mode) &&
                       ((file.st_mode & (S_IRWXG | S_IRWXO)) == 0 ||
                        ::chmod(path.constData(), S_IRUSR | S_IWUSR) == 0);
    m_identity = bound ? Identity(path) : QByteArray();
    if (m_identity.isEmpty() || ::listen(fd.Get(), SOMAXCONN) != 0) {
        ::unlink(path.constData());
        return false;
    }
    m_fd = fd.Release();
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::Accept);
    return true;
}

bool SingleInstance::IsListening() const {
    return m_fd >= 0;
}

void SingleInstance::Accept() {
    const auto received = [this](const QString& commandLine) {
        // The receiver may ask the player: it runs once the socket is done with.
        QTimer::singleShot(0, this, [this, commandLine] { emit commandLineReceived(commandLine); });
    };
    for (;;) {
        const int client = ::accept4(m_fd, nullptr, nullptr, SocketFlags);
        if (client >= 0) {
            new Client(client, received, this);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED) {
            continue;
        }
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            // The connection stays queued; asking again at once would only spin.
            m_notifier->setEnabled(false);
            QTimer::singleShot(AcceptPauseMs, m_notifier, [this] { m_notifier->setEnabled(true); });
        }
        return;
    }
}

void SingleInstance::Close() {
    if (m_fd < 0) {
        return;
    }
    delete m_notifier;
    m_notifier = nullptr;
    // Removes the socket file, so no later start waits on a copy that has gone; a file that
    // replaced it belongs to another copy.
    const QByteArray path = SocketPath(m_name);
    if (Identity(path) == m_identity) {
        ::unlink(path.constData());
    }
    ::close(m_fd);
    m_fd = -1;
}

} // namespace velmora
