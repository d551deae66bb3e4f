#pragma once

#include <cstddef>
#include <utility>

namespace zv::test {

// The global operator new of the suites that watch memory (link
// zv_test_memory): it counts every allocation and can be made to fail.

// Allocations so far, on every thread.
std::size_t AllocationCount();

// While one of these lives, every allocation of the calling thread fails
// with std::bad_alloc: the memory running out underneath the member called.
class NoMemory {
  public:
    NoMemory();
    NoMemory(const NoMemory&) = delete;
    NoMemory& operator=(const NoMemory&) = delete;
    ~NoMemory();
};

// What `call` gives, called without memory.
template <typename Call>
auto WithoutMemory(Call&& call) {
    const NoMemory none;
    return std::forward<Call>(call)();
}

}  // namespace zv::test
