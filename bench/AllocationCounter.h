#pragma once

#include <atomic>
#include <cstddef>

// Counts every heap allocation of the benchmark process (the global operator new is replaced in
// AllocationCounter.cpp), so a benchmark can report allocations per iteration.
namespace AllocationCounter {
std::size_t count();
}
