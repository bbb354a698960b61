#include "allocation_counter.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {
// The benchmarks run on one thread; plain counters keep the bookkeeping out of the timing.
std::size_t held = 0;
std::size_t peak = 0;
std::size_t baseline = 0;

void* allocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p)
        throw std::bad_alloc();
    held += malloc_usable_size(p);
    if (held > peak)
        peak = held;
    return p;
}

void release(void* p) noexcept {
    if (!p)
        return;
    held -= malloc_usable_size(p);
    std::free(p);
}
} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}

namespace tavu::bench {

void resetPeak() {
    baseline = held;
    peak = held;
}

std::size_t peakSinceReset() {
    return peak - baseline;
}

} // namespace tavu::bench
