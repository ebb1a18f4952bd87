// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/FileWatch.h"

#include <sys/inotify.h>
#include <sys/stat.h>

#include <tuple>
#include <utility>

namespace {

constexpr std::uint32_t folderEvents =
    IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

bool isFolder(const std::string& path)
{
    struct stat status
    {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::pair<std::string, std::string> split(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return {".", path};
    }
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

} // namespace

FileWatch::FileWatch(int inotify, std::string path) : m_inotify(inotify), m_path(std::move(path))
{
    arm();
}

void FileWatch::arm()
{
    auto [folder, name] = split(m_path);
    m_inOwnFolder = true;
    while (!isFolder(folder) && folder != "/" && folder != ".") {
        std::tie(folder, name) = split(folder);
        m_inOwnFolder = false;
    }
    m_awaited = name;
    // Another watch on the same folder shares this one; both ask for the same events.
    m_watch = inotify_add_watch(m_inotify, folder.c_str(), folderEvents);
}

bool FileWatch::concerns(const inotify_event& event)
{
    if (m_watch < 0 || event.wd != m_watch) {
        return false;
    }
    if ((event.mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) != 0) {
        arm();
        return true;
    }
    if (event.len == 0 || m_awaited != event.name) {
        return false;
    }
    if (!m_inOwnFolder) {
        arm();
    }
    return true;
}
