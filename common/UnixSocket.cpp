// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/UnixSocket.h"

#include "common/UserSocket.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>

#include <cerrno>
#include <climits>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A client has this long to send its line.
constexpr int clientTimeoutMs = 5000;
constexpr int outOfDescriptorsRestMs = 100;

bool addressFor(const QString& path, sockaddr_un& address)
{
    const QByteArray encoded = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (encoded.isEmpty() || size_t(encoded.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    return true;
}

// Waits for `events` on `fd` until the deadline; false when the time ran out or poll failed.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const qint64 remaining = deadline.remainingTime();
        const int ready = ::poll(&entry, 1, remaining < 0 ? -1 : int(qMin<qint64>(remaining, INT_MAX)));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

QString systemError(const QString& what)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

namespace UnixSocket {

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept
{
    if (this != &other) {
        Descriptor old(std::exchange(m_fd, std::exchange(other.m_fd, -1)));
    }
    return *this;
}

Descriptor::~Descriptor()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

Descriptor connectTo(const QString& path)
{
    sockaddr_un address;
    if (!addressFor(path, address)) {
        return {};
    }
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    // A local connect completes at once or fails at once: there is nothing to wait for.
    if (!socket || ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return {};
    }
    return socket;
}

bool writeAll(int fd, const QByteArray& data, const QDeadlineTimer& deadline)
{
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t count =
            ::send(fd, data.constData() + written, size_t(data.size() - written), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count > 0) {
            written += count;
        } else if (count < 0 && errno == EINTR) {
            continue;
        } else if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(fd, POLLOUT, deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

bool readExactly(int fd, qsizetype size, QByteArray& into, const QDeadlineTimer& deadline)
{
    into.resize(size);
    qsizetype read = 0;
    while (read < size) {
        if (!waitFor(fd, POLLIN, deadline)) {
            return false;
        }
        const ssize_t count = ::recv(fd, into.data() + read, size_t(size - read), MSG_DONTWAIT);
        if (count > 0) {
            read += count;
        } else if (count == 0 || (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)) {
            return false;
        }
    }
    return true;
}

} // namespace UnixSocket

UnixLineServer::UnixLineServer(qsizetype largestLine, Handler handler, QObject* parent)
    : QObject(parent), m_largestLine(largestLine), m_handler(std::move(handler))
{}

UnixLineServer::~UnixLineServer()
{
    // The socket file goes with the server, unless another has taken its place meanwhile.
    struct stat info = {};
    if (m_listener && ::lstat(m_path.constData(), &info) == 0 && info.st_ino == m_inode) {
        ::unlink(m_path.constData());
    }
}

bool UnixLineServer::listen(const QString& path, bool replace)
{
    sockaddr_un address;
    if (!addressFor(path, address)) {
        m_error = QStringLiteral("%1: the path is too long for a socket").arg(path);
        return false;
    }
    UnixSocket::Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!listener) {
        m_error = systemError(QStringLiteral("socket"));
        return false;
    }
    if (replace) {
        struct stat info = {};
        if (::lstat(address.sun_path, &info) == 0 && S_ISSOCK(info.st_mode)) {
            ::unlink(address.sun_path);
        }
    }
    // Made for this user alone from the start: no moment when another could connect.
    const mode_t mask = ::umask(077);
    const int bound = ::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::umask(mask);
    if (bound != 0 || ::listen(listener.get(), SOMAXCONN) != 0) {
        m_error = systemError(path);
        return false;
    }
    struct stat info = {};
    ::lstat(address.sun_path, &info);
    m_path = address.sun_path;
    m_inode = info.st_ino;
    m_listener = std::move(listener);
    m_notifier = new QSocketNotifier(m_listener.get(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixLineServer::accept);
    return true;
}

void UnixLineServer::accept()
{
    // A few at a time: between turns the event loop reads what the clients already taken said,
    // before newer ones could push them out.
    for (int taken = 0; taken < maximumClients / 4; ++taken) {
        UnixSocket::Descriptor client(::accept4(m_listener.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!client) {
            // Out of descriptors the listener stays readable, and the notifier would fire at once,
            // forever: it rests a moment instead, while the clients held time out.
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                m_notifier->setEnabled(false);
                QTimer::singleShot(outOfDescriptorsRestMs, m_notifier,
                                   [notifier = m_notifier] { notifier->setEnabled(true); });
            }
            return;
        }
        if (UserSocket::peerIsThisUser(client.get())) {
            serve(std::move(client));
        }
    }
}

void UnixLineServer::serve(UnixSocket::Descriptor client)
{
    if (m_clients.size() >= maximumClients) {
        delete m_clients.takeFirst();
    }
    // One small object per client, gone with the connection.
    auto* connection = new QObject(this);
    m_clients.append(connection);
    connect(connection, &QObject::destroyed, this, [this, connection] { m_clients.removeOne(connection); });
    auto* notifier = new QSocketNotifier(client.get(), QSocketNotifier::Read, connection);
    auto received = std::make_shared<QByteArray>();
    auto socket = std::make_shared<UnixSocket::Descriptor>(std::move(client));
    QTimer::singleShot(clientTimeoutMs, connection, [connection] { connection->deleteLater(); });
    const auto readSome = [this, connection, notifier, received, socket] {
        char buffer[256];
        const ssize_t count = ::recv(socket->get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            return;
        }
        received->append(buffer, qMax<ssize_t>(count, 0));
        const qsizetype end = received->indexOf('\n');
        if (count <= 0 || end >= 0 || received->size() >= m_largestLine) {
            notifier->setEnabled(false);
            if (end >= 0 && end < m_largestLine) {
                const QByteArray answer = m_handler(received->left(end + 1));
                UnixSocket::writeAll(socket->get(), answer, QDeadlineTimer(clientTimeoutMs));
            }
            connection->deleteLater();
        }
    };
    connect(notifier, &QSocketNotifier::activated, connection, readSome);
    // A start that has something to say has said it by now: read it before a crowd behind it in
    // the queue pushes it out.
    readSome();
}
