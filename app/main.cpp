#include "app/state/TitleText.h"
#include "calendar/RevolutionaryCalendar.h"

#include <cstdio>

// Prints today in the Republican calendar, with its décade day and the decimal time.
int main()
{
    const Instant now = currentInstant();
    const RevolutionaryDate today = RevolutionaryCalendar::fromGregorian(now);
    const DecimalTime time = RevolutionaryCalendar::toDecimalTime(now);
    std::printf("%s\n%s, %s\n%lld:%02lld:%02lld décimal\n",
                TitleText::menuBarText(today, time, MenuBarFormat::dateAndTime).c_str(), today.formatted().c_str(),
                std::string(RevolutionaryCalendar::dayNames.at(static_cast<std::size_t>(today.decadeDay - 1))).c_str(),
                static_cast<long long>(time.hours), static_cast<long long>(time.minutes),
                static_cast<long long>(time.seconds));
    return 0;
}
