// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// All plates on one picture, in the order of the year, each with its number under it: a way to
// look the whole set over at a glance.
namespace ContactSheet {

// Writes the sheet of the plates in `plateFolder` to `outFile`. Returns how many plates were
// missing (drawn as empty boxes), or none if the sheet could not be written.
std::optional<int> write(const QString& plateFolder, const QString& outFile);

} // namespace ContactSheet
