#pragma once

// Replaces the global operator new of a test program with one that counts, so that a window of
// code can be shown to allocate nothing (or little). Include it in exactly one source file of a
// test program: the replacement functions must be defined once.

#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> g_allocations{0};

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
