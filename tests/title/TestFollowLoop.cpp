// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-title --follow on a clock the test sets: an eventfd plays the kernel's report that
// the clock was set, since no test may set the machine's clock.

#include "app/title/FollowLoop.h"
#include "app/state/TitleLine.h"
#include "app/title/TitleSource.h"
#include "tests/support/LocalTime.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <optional>
#include <thread>

namespace {

class SteppedClock final : public FollowLoop::Clock
{
public:
    explicit SteppedClock(Instant start) : m_now(start) {}
    ~SteppedClock() override { ::close(m_event); }

    Instant now() const override { return m_now; }
    int descriptor() const override { return m_event; }
    bool setAlarm(Instant) override
    {
        ++m_armings;
        // Set after the loop read the clock: arming clears the readable state, as the kernel's
        // does, and only a read still tells.
        if (m_stepOnArming.exchange(false)) {
            m_now = m_stepTo.load();
            m_set = true;
        }
        return true;
    }
    WallClockTimer::Wake take() override
    {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t ignored = ::read(m_event, &count, sizeof count);
        return m_set.exchange(false) ? WallClockTimer::Wake::clockSet : WallClockTimer::Wake::none;
    }

    // The clock set while the loop sleeps; with `thenOnArming`, set again as the loop arms next.
    void set(Instant to, std::optional<Instant> thenOnArming = std::nullopt)
    {
        if (thenOnArming) {
            m_stepTo = *thenOnArming;
            m_stepOnArming = true;
        }
        m_now = to;
        m_set = true;
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(m_event, &one, sizeof one);
    }

    std::atomic<int> m_armings{0};

private:
    std::atomic<Instant> m_now;
    std::atomic<Instant> m_stepTo{};
    std::atomic<bool> m_stepOnArming{false};
    std::atomic<bool> m_set{false};
    int m_event = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
};

QString titleAt(Instant at)
{
    return QString::fromStdString(TitleLine::render(at, MenuBarFormat::dateAndTime, false, LeapRule::continuous));
}

} // namespace

class TestFollowLoop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clockSetIsFollowedAtOnce_data();
    void clockSetIsFollowedAtOnce();
    void changedFromPrintsTheFirstLineNotShownThenEnds_data();
    void changedFromPrintsTheFirstLineNotShownThenEnds();
};

void TestFollowLoop::clockSetIsFollowedAtOnce_data()
{
    QTest::addColumn<int>("stepHours");
    QTest::addColumn<int>("thenOnArmingHours"); // 0: no second set

    QTest::newRow("forward by hours") << 5 << 0;
    QTest::newRow("back by a day") << -24 << 0;
    QTest::newRow("again while arming") << 5 << 3;
}

void TestFollowLoop::clockSetIsFollowedAtOnce()
{
    QFETCH(int, stepHours);
    QFETCH(int, thenOnArmingHours);
    const Instant start = localInstant(2026, 12, 7, 10, 40);
    SteppedClock clock(start);
    TitleSource source(TitleOptions{MenuBarFormat::dateAndTime});
    int output[2] = {-1, -1};
    QCOMPARE(::pipe2(output, O_CLOEXEC), 0);
    FollowLoop loop(source, output[1], &clock);
    int status = -1;
    std::thread running([&] { status = loop.run(); });
    // Closing the reading end ends the loop, as a bar going away does; also when a check fails.
    auto end = [&, ended = false]() mutable {
        if (!ended) {
            ended = true;
            ::close(output[0]);
            running.join();
            ::close(output[1]);
        }
        return status;
    };
    const auto endOnFailure = qScopeGuard([&end] { end(); });
    QFile lines;
    QVERIFY(lines.open(output[0], QIODevice::ReadOnly | QIODevice::Unbuffered));
    const auto nextLine = [&lines] {
        pollfd wait{lines.handle(), POLLIN, 0};
        return ::poll(&wait, 1, 2000) == 1 ? QString::fromUtf8(lines.readLine()).chopped(1) : QString();
    };

    QCOMPARE(nextLine(), titleAt(start));
    QTRY_COMPARE(clock.m_armings.load(), 1); // asleep
    const Instant to = start + std::chrono::hours{stepHours};
    const Instant then = to + std::chrono::hours{thenOnArmingHours};
    clock.set(to, thenOnArmingHours != 0 ? std::optional(then) : std::nullopt);
    QCOMPARE(nextLine(), titleAt(to));
    if (thenOnArmingHours != 0) {
        QCOMPARE(nextLine(), titleAt(then));
    }
    QCOMPARE(end(), 0);
}

void TestFollowLoop::changedFromPrintsTheFirstLineNotShownThenEnds_data()
{
    QTest::addColumn<int>("shownMinutesAgo"); // decimal minutes before the start the caller's line is of

    QTest::newRow("the line shown is the present one: waits") << 0;
    QTest::newRow("changed between two runs: at once") << 1;
}

void TestFollowLoop::changedFromPrintsTheFirstLineNotShownThenEnds()
{
    QFETCH(int, shownMinutesAgo);
    const Instant start = localInstant(2026, 12, 7, 10, 40);
    SteppedClock clock(start);
    TitleSource source(TitleOptions{MenuBarFormat::dateAndTime});
    int output[2] = {-1, -1};
    QCOMPARE(::pipe2(output, O_CLOEXEC | O_NONBLOCK), 0);
    const auto closeOutput = qScopeGuard([&output] { ::close(output[1]); });
    const Instant shownAt = start - std::chrono::milliseconds{86400} * shownMinutesAgo;
    FollowLoop loop(source, output[1], &clock);
    std::atomic<int> status{-1};
    std::thread running([&] { status = loop.runUntilChanged(titleAt(shownAt).toStdString()); });
    // Still waiting when a check failed, it ends as its reader goes.
    const auto join = qScopeGuard([&] {
        ::close(output[0]);
        running.join();
    });

    Instant expected = start;
    if (shownMinutesAgo == 0) {
        QTRY_COMPARE(clock.m_armings.load(), 1); // asleep, having printed nothing
        std::array<char, 256> nothing{};
        QCOMPARE(::read(output[0], nothing.data(), nothing.size()), -1);
        expected = start + std::chrono::hours{2};
        clock.set(expected);
    }
    QTRY_COMPARE(status.load(), 0); // ended by itself, the pipe still open
    std::array<char, 256> printed{};
    const ssize_t count = ::read(output[0], printed.data(), printed.size());
    QCOMPARE(QString::fromUtf8(printed.data(), count), titleAt(expected) + QLatin1Char('\n'));
}

QTEST_GUILESS_MAIN(TestFollowLoop)
#include "TestFollowLoop.moc"
