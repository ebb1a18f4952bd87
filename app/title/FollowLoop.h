// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TitleSource;

// quintaval-title --follow: prints the line, then a new one each time it reads differently, and
// nothing in between. Sleeps until the line can change, and wakes early when the wall clock is
// set (or the machine resumes), when the time zone changes and when the settings file changes.
class FollowLoop
{
public:
    FollowLoop(TitleSource& source, int output);

    // Runs until the reader goes away or SIGINT, SIGTERM or SIGHUP arrives, then returns 0; 1
    // when the output fails otherwise or the loop cannot be set up, after saying why on stderr.
    int run();

private:
    TitleSource& m_source;
    int m_output;
};
