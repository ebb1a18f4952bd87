// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/StatusBarHostProcess.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QThread>

namespace {

const QString testService = QStringLiteral("org.quintaval.TestStatusBar");
const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

bool waitForName(const QString& name, bool present)
{
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (QDBusConnection::sessionBus().interface()->isServiceRegistered(name).value() == present) {
            return true;
        }
        QThread::msleep(10);
    }
    return false;
}

QDBusMessage callHost(const QString& method, const QVariantList& arguments)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(testService, QStringLiteral("/TestStatusBar"), testService, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
}

template <typename T>
T answer(const QDBusMessage& reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
               ? qdbus_cast<T>(reply.arguments().constFirst())
               : T();
}

} // namespace

StatusBarHostProcess::StatusBarHostProcess(QStringList arguments) : m_arguments(std::move(arguments))
{
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
}

StatusBarHostProcess::~StatusBarHostProcess()
{
    kill();
}

bool StatusBarHostProcess::start()
{
    m_process.start(QStringLiteral(QUINTAVAL_STATUSBAR_HOST), m_arguments);
    return m_process.waitForStarted() && waitForName(watcherService, true) && waitForName(testService, true);
}

void StatusBarHostProcess::kill()
{
    if (m_process.state() == QProcess::NotRunning) {
        return;
    }
    m_process.kill();
    m_process.waitForFinished();
    waitForName(watcherService, false);
}

QStringList StatusBarHostProcess::items() const
{
    return answer<QStringList>(callHost(QStringLiteral("Items"), {}));
}

QVariantMap StatusBarHostProcess::item(const QString& key) const
{
    return answer<QVariantMap>(callHost(QStringLiteral("Item"), {key}));
}

bool StatusBarHostProcess::click(const QString& key, const QString& button) const
{
    return answer<bool>(callHost(QStringLiteral("Click"), {key, button}));
}

bool StatusBarHostProcess::drop(const QString& key) const
{
    return answer<bool>(callHost(QStringLiteral("Drop"), {key}));
}

bool StatusBarHostProcess::screenshot(const QString& path, bool wholeScreen) const
{
    return answer<bool>(callHost(QStringLiteral("Screenshot"), {path, wholeScreen}));
}
