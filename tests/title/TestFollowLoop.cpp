// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-title --follow on a clock the test sets: the kernel's reports of a set clock are
// played by an eventfd, since no test may set the machine's clock.

#include "app/title/FollowLoop.h"
#include "app/title/TitleLine.h"
#include "app/title/TitleSource.h"
#include "tests/support/LocalTime.h"

#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <limits>
#include <optional>
#include <thread>

using namespace std::chrono_literals;

namespace {

class SteppedClock final : public FollowLoop::Clock
{
public:
    explicit SteppedClock(Instant start)
        : m_now(start.time_since_epoch().count()), m_event(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    {}
    ~SteppedClock() override { ::close(m_event); }

    Instant now() const override { return Instant{std::chrono::microseconds{m_now.load()}}; }
    int descriptor() const override { return m_event; }

    bool setAlarm(Instant at) override
    {
        m_alarm = at.time_since_epoch().count();
        ++m_armings;
        const std::int64_t step = m_stepOnArming.exchange(none);
        if (step != none) {
            // Set after the loop read the clock: arming clears the readable state, as the
            // kernel's does, and only a read still tells.
            m_now = step;
            m_set = true;
        }
        return true;
    }

    WallClockTimer::Wake take() override
    {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t ignored = ::read(m_event, &count, sizeof count);
        if (m_set.exchange(false)) {
            return WallClockTimer::Wake::clockSet;
        }
        return m_now >= m_alarm ? WallClockTimer::Wake::due : WallClockTimer::Wake::none;
    }

    int armings() const { return m_armings; }
    // The clock set while the loop sleeps.
    void set(Instant to)
    {
        m_now = to.time_since_epoch().count();
        m_set = true;
        wake();
    }
    // The clock set between the loop's reading it and arming its alarm.
    void setWhileArming(Instant to) { m_stepOnArming = to.time_since_epoch().count(); }
    // Time runs on to the alarm, which goes off.
    void runToAlarm()
    {
        m_now = m_alarm.load();
        wake();
    }

private:
    static constexpr std::int64_t none = std::numeric_limits<std::int64_t>::min();

    void wake() const
    {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(m_event, &one, sizeof one);
    }

    std::atomic<std::int64_t> m_now;
    std::atomic<std::int64_t> m_alarm{std::numeric_limits<std::int64_t>::max()};
    std::atomic<std::int64_t> m_stepOnArming{none};
    std::atomic<bool> m_set{false};
    std::atomic<int> m_armings{0};
    int m_event;
};

// The loop on a thread of its own, printing into a pipe; ended by closing the pipe, as a bar
// that goes away does, also when a check fails half-way.
class RunningLoop
{
public:
    RunningLoop(TitleSource& source, SteppedClock& clock)
    {
        if (::pipe2(m_pipe, O_CLOEXEC) == 0) {
            m_loop.emplace(source, m_pipe[1], &clock);
            m_thread = std::thread([this] { m_status = m_loop->run(); });
        }
    }
    ~RunningLoop() { stop(); }

    // The next line the loop prints, or an empty string after two seconds without one.
    QString nextLine()
    {
        QByteArray line;
        char character = 0;
        pollfd wait{m_pipe[0], POLLIN, 0};
        while (::poll(&wait, 1, 2000) == 1 && ::read(m_pipe[0], &character, 1) == 1) {
            if (character == '\n') {
                return QString::fromUtf8(line);
            }
            line += character;
        }
        return {};
    }

    // Ends the loop; its exit status.
    int stop()
    {
        if (m_thread.joinable()) {
            ::close(m_pipe[0]);
            m_thread.join();
            ::close(m_pipe[1]);
        }
        return m_status;
    }

private:
    int m_pipe[2] = {-1, -1};
    std::optional<FollowLoop> m_loop;
    std::thread m_thread;
    int m_status = -1;
};

QString titleAt(Instant at)
{
    return QString::fromStdString(TitleLine::render(at, MenuBarFormat::dateAndTime, false));
}

} // namespace

class TestFollowLoop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheClockAtOnce_data();
    void followsTheClockAtOnce();
};

void TestFollowLoop::followsTheClockAtOnce_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<qint64>("stepHours");

    QTest::newRow("alarm") << QStringLiteral("alarm") << qint64{0};
    QTest::newRow("set forward by hours") << QStringLiteral("set") << qint64{5};
    QTest::newRow("set back by a day") << QStringLiteral("set") << qint64{-24};
    QTest::newRow("set while arming") << QStringLiteral("set while arming") << qint64{3};
}

void TestFollowLoop::followsTheClockAtOnce()
{
    QFETCH(QString, event);
    QFETCH(qint64, stepHours);
    const Instant start = localInstant(2026, 12, 7, 10, 40);
    SteppedClock clock(start);
    TitleSource source(TitleOptions{MenuBarFormat::dateAndTime});
    RunningLoop loop(source, clock);

    QCOMPARE(loop.nextLine(), titleAt(start));
    QTRY_VERIFY(clock.armings() == 1); // asleep
    const Instant to = start + std::chrono::hours{stepHours};
    if (event == QStringLiteral("alarm")) {
        clock.runToAlarm();
        QCOMPARE(loop.nextLine(), titleAt(localInstant(2026, 12, 7, 10, 40, 48)));
    } else if (event == QStringLiteral("set")) {
        clock.set(to);
        QCOMPARE(loop.nextLine(), titleAt(to));
    } else {
        clock.setWhileArming(to);
        clock.runToAlarm(); // the loop prints 4:45, arms its next alarm, and the clock is set then
        QCOMPARE(loop.nextLine(), titleAt(localInstant(2026, 12, 7, 10, 40, 48)));
        QCOMPARE(loop.nextLine(), titleAt(to));
    }

    // The reader going away ends the loop quietly.
    QCOMPARE(loop.stop(), 0);
}

QTEST_GUILESS_MAIN(TestFollowLoop)
#include "TestFollowLoop.moc"
