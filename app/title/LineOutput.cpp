// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/LineOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace LineOutput {

bool write(int output, std::string_view line)
{
    std::string text{line};
    text += '\n';
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(output, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

int failureStatus()
{
    if (errno == EPIPE) {
        return 0;
    }
    std::fprintf(stderr, "quintaval-title: cannot write the title: %s\n", std::strerror(errno));
    return 1;
}

} // namespace LineOutput
