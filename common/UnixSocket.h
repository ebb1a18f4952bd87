// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>

class QSocketNotifier;

// Local stream sockets on plain descriptors. What the programs say over them is a line or two;
// Qt's network module, with the libraries it brings in, would weigh on every start for that.
namespace UnixSocket {

// An open descriptor, closed when it goes.
class Descriptor final
{
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// A connection to whoever listens at `path`; none when nobody does.
Descriptor connectTo(const QString& path);
// Both give up at the deadline; a peer that hangs up ends them too.
bool writeAll(int fd, const QByteArray& data, const QDeadlineTimer& deadline);
bool readExactly(int fd, qsizetype size, QByteArray& into, const QDeadlineTimer& deadline);

} // namespace UnixSocket

// Listens on a socket only its user may open, and gives each request line (up to `largestLine`
// bytes, newline included) from a client of this user to a handler whose answer, if any, goes
// back before the connection closes. A client that says nothing for a few seconds, or too much,
// is let go.
class UnixLineServer final : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<QByteArray(const QByteArray& line)>;

    UnixLineServer(qsizetype largestLine, Handler handler, QObject* parent = nullptr);
    ~UnixLineServer() override;

    // Binds `path`; a socket file already there is replaced only when `replace` is set.
    bool listen(const QString& path, bool replace);
    QString errorString() const { return m_error; }

    // Connections served at once; a newer one pushes the oldest out. Anyone of this user may
    // connect, and a crowd that never speaks must not cost a descriptor each, nor keep out the
    // start that has something to say (it speaks as soon as it connects).
    static constexpr int maximumClients = 16;

private:
    void accept();
    void serve(UnixSocket::Descriptor client);

    qsizetype m_largestLine;
    Handler m_handler;
    UnixSocket::Descriptor m_listener;
    QByteArray m_path;
    quint64 m_inode = 0;
    QSocketNotifier* m_notifier = nullptr;
    QString m_error;
    // Oldest first.
    QList<QObject*> m_clients;
};
