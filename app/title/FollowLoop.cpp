// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/FollowLoop.h"

#include "app/title/FileWatch.h"
#include "app/title/LineOutput.h"
#include "app/title/TitleSource.h"
#include "calendar/LocalCalendar.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// Editors and tools replace a file in several steps (the zone link is removed, then made again);
// reading between two steps would find nothing, so changes are taken in once quiet this long.
constexpr std::chrono::milliseconds settleTime{100};

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

// The files the C library reads the local zone from: the one TZ names, or /etc/localtime.
std::vector<std::string> zoneFiles()
{
    const char* variable = std::getenv("TZ");
    if (variable == nullptr) {
        return {"/etc/localtime"};
    }
    std::string zone = variable;
    if (zone.starts_with(':')) {
        zone.erase(0, 1);
    }
    if (zone.empty()) {
        return {};
    }
    if (zone.starts_with('/')) {
        return {zone};
    }
    const char* folder = std::getenv("TZDIR");
    const std::string file =
        std::string{folder != nullptr && *folder != '\0' ? folder : "/usr/share/zoneinfo"} + '/' + zone;
    struct stat status
    {};
    // Otherwise TZ holds a rule such as "CET-1CEST,M3.5.0,M10.5.0/3", which no file can change.
    return ::stat(file.c_str(), &status) == 0 ? std::vector<std::string>{file} : std::vector<std::string>{};
}

int setupFailure(const char* what)
{
    std::fprintf(stderr, "quintaval-title: cannot %s: %s\n", what, std::strerror(errno));
    return 1;
}

// The kernel's: a wall-clock alarm that is cancelled when the clock is set, which also happens
// when the machine resumes, and fires on time after a suspend.
class SystemFollowClock final : public FollowLoop::Clock
{
public:
    Instant now() const override { return currentInstant(); }
    int descriptor() const override { return m_timer.descriptor(); }
    bool setAlarm(Instant at) override { return m_timer.setAlarm(at); }
    WallClockTimer::Wake take() override { return m_timer.take(); }

private:
    WallClockTimer m_timer{true};
};

} // namespace

FollowLoop::FollowLoop(TitleSource& source, int output, Clock* clock)
    : m_source(source), m_output(output), m_systemClock(clock ? nullptr : std::make_unique<SystemFollowClock>()),
      m_clock(clock ? clock : m_systemClock.get())
{}

FollowLoop::~FollowLoop() = default;

int FollowLoop::run()
{
    return loop(std::nullopt, false);
}

int FollowLoop::runUntilChanged(const std::string& shown)
{
    return loop(shown, true);
}

int FollowLoop::loop(std::optional<std::string> shown, bool once)
{
    sigset_t stops;
    sigemptyset(&stops);
    for (const int stop : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&stops, stop);
    }
    sigprocmask(SIG_BLOCK, &stops, nullptr);
    const Descriptor signals{signalfd(-1, &stops, SFD_CLOEXEC | SFD_NONBLOCK)};
    const Descriptor inotify{inotify_init1(IN_CLOEXEC | IN_NONBLOCK)};
    if (!signals.valid() || m_clock->descriptor() < 0) {
        return setupFailure("set up the timer");
    }

    // Without inotify the title still follows the clock, only not the settings or the zone.
    std::vector<FileWatch> settingsWatches;
    std::vector<FileWatch> zoneWatches;
    if (inotify.valid()) {
        if (const auto settings = m_source.settingsFile()) {
            settingsWatches.emplace_back(inotify.get(), *settings);
        }
        for (const std::string& file : zoneFiles()) {
            zoneWatches.emplace_back(inotify.get(), file);
        }
    }

    using SteadyTime = std::chrono::steady_clock::time_point;
    SteadyTime settleAt = SteadyTime::max(); // max: nothing waiting to settle
    bool settingsChanged = false;
    bool zoneChanged = false;
    for (;;) {
        if (settleAt != SteadyTime::max() && std::chrono::steady_clock::now() >= settleAt) {
            settleAt = SteadyTime::max();
            if (zoneChanged) {
                LocalCalendar::zoneChanged();
            }
            if (settingsChanged) {
                m_source.reloadSettings();
            }
            zoneChanged = settingsChanged = false;
        }

        const Instant now = m_clock->now();
        const std::string line = m_source.line(now);
        if (line != shown) {
            if (!LineOutput::write(m_output, line)) {
                return LineOutput::failureStatus();
            }
            if (once) {
                return 0;
            }
            shown = line;
        }

        if (!m_clock->setAlarm(m_source.nextChange(now))) {
            return setupFailure("set the timer");
        }
        // Arming clears the alarm's readable state, so a clock set since the clock was read
        // would otherwise go unseen until the alarm, on its stale time; the kernel still
        // reports it to a read. So does an alarm already past.
        if (m_clock->take() != WallClockTimer::Wake::none) {
            continue;
        }

        int timeout = -1;
        if (settleAt != SteadyTime::max()) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(settleAt - std::chrono::steady_clock::now());
            timeout = static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
        }
        // The output is polled for nothing but its errors: a pipe whose reader has gone reports one.
        std::array<pollfd, 4> waits{{{signals.get(), POLLIN, 0},
                                     {m_clock->descriptor(), POLLIN, 0},
                                     {inotify.get(), POLLIN, 0},
                                     {m_output, 0, 0}}};
        if (poll(waits.data(), waits.size(), timeout) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return setupFailure("wait");
        }
        if (waits[0].revents != 0) {
            return 0;
        }
        if ((waits[3].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return 0;
        }
        if ((waits[1].revents & POLLIN) != 0) {
            // Due or the clock was set: either way the loop reads the clock anew.
            m_clock->take();
        }
        if ((waits[2].revents & POLLIN) != 0) {
            alignas(inotify_event) std::array<char, 4096> buffer{};
            ssize_t count = 0;
            while ((count = ::read(inotify.get(), buffer.data(), buffer.size())) > 0) {
                for (ssize_t offset = 0; offset < count;) {
                    const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + offset);
                    if ((event->mask & IN_Q_OVERFLOW) != 0) {
                        settingsChanged = !settingsWatches.empty();
                        zoneChanged = !zoneWatches.empty();
                    }
                    for (FileWatch& watch : settingsWatches) {
                        settingsChanged = watch.concerns(*event) || settingsChanged;
                    }
                    for (FileWatch& watch : zoneWatches) {
                        zoneChanged = watch.concerns(*event) || zoneChanged;
                    }
                    offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                }
            }
            if (settingsChanged || zoneChanged) {
                settleAt = std::chrono::steady_clock::now() + settleTime;
            }
        }
    }
}
