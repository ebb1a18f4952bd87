// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct inotify_event;

// Tells through inotify when a file may have been written, replaced, created or removed. Tools
// replace files rather than write them, which ends a watch on the file itself, so the watch is
// on its folder; while that folder does not exist, on the nearest one above it that does.
class FileWatch
{
public:
    FileWatch(int inotify, std::string path);

    // Places the watch again; needed after the way to the file changed.
    void arm();

    // Whether `event` may mean that the file changed. Follows the way to the file as its
    // folders come and go.
    bool concerns(const inotify_event& event);

    const std::string& path() const { return m_path; }

private:
    int m_inotify;
    std::string m_path;
    int m_watch = -1;
    std::string m_awaited; // the name, in the watched folder, that leads to the file
    bool m_inOwnFolder = false;
};
