// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Writing the title's lines to standard output or whatever the bar gave instead.
namespace LineOutput {

// Writes `line` and a newline in one go, retrying interrupted writes; false with errno set when
// it could not.
bool write(int output, std::string_view line);

// The exit status after a failed write: 0 when the reader has gone (EPIPE), which is how bars
// stop a command; otherwise 1, after saying why on stderr.
int failureStatus();

} // namespace LineOutput
