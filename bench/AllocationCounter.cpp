// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> allocations{0};
std::atomic<std::size_t> releases{0};

void release(void* memory)
{
    if (memory) {
        releases.fetch_add(1, std::memory_order_relaxed);
        std::free(memory);
    }
}
} // namespace

std::size_t AllocationCounter::count()
{
    return allocations.load(std::memory_order_relaxed);
}

long long AllocationCounter::live()
{
    return static_cast<long long>(allocations.load()) - static_cast<long long>(releases.load());
}

void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return ::operator new(size);
}

void operator delete(void* memory) noexcept
{
    release(memory);
}

void operator delete[](void* memory) noexcept
{
    release(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    release(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    release(memory);
}
