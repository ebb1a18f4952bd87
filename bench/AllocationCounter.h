// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>

// Counts every heap allocation of the benchmark process (the global operator new is replaced in
// AllocationCounter.cpp), so a benchmark can report allocations per iteration.
namespace AllocationCounter {
// Allocations made so far.
std::size_t count();
// Allocations not yet released.
long long live();
} // namespace AllocationCounter
