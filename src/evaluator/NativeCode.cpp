#include "evaluator/NativeCode.h"

#include <cstring>
#include <utility>

#if defined(__x86_64__) && defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#define VANTLE_NATIVE_CODE 1
#endif

NativeCode::~NativeCode() { release(); }

NativeCode::NativeCode(NativeCode&& other) noexcept
    : m_region(std::exchange(other.m_region, nullptr)),
      m_size(std::exchange(other.m_size, 0)),
      m_entry(std::exchange(other.m_entry, nullptr)) {}

NativeCode& NativeCode::operator=(NativeCode&& other) noexcept {
  if (this != &other) {
    release();
    m_region = std::exchange(other.m_region, nullptr);
    m_size = std::exchange(other.m_size, 0);
    m_entry = std::exchange(other.m_entry, nullptr);
  }
  return *this;
}

#ifdef VANTLE_NATIVE_CODE

NativeCode NativeCode::load(std::span<const std::uint8_t> bytes, std::size_t entryOffset) {
  NativeCode code;
  if (bytes.empty() || entryOffset >= bytes.size()) return code;
  const long page = sysconf(_SC_PAGESIZE);
  const std::size_t pageSize = page > 0 ? static_cast<std::size_t>(page) : 4096;
  const std::size_t size = (bytes.size() + pageSize - 1) / pageSize * pageSize;
  void* region = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (region == MAP_FAILED) return code;
  std::memcpy(region, bytes.data(), bytes.size());
  if (mprotect(region, size, PROT_READ | PROT_EXEC) != 0) {
    munmap(region, size);
    return code;
  }
  code.m_region = region;
  code.m_size = size;
  // The entry is an address inside the mapping; a function pointer carries it bit for bit.
  const auto address = reinterpret_cast<std::uintptr_t>(region) + entryOffset;
  std::memcpy(&code.m_entry, &address, sizeof address);
  return code;
}

void NativeCode::release() noexcept {
  if (m_region) munmap(m_region, m_size);
  m_region = nullptr;
  m_size = 0;
  m_entry = nullptr;
}

#else

NativeCode NativeCode::load(std::span<const std::uint8_t>, std::size_t) { return {}; }

void NativeCode::release() noexcept {}

#endif
