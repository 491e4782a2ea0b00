#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// What a program's native code returns (in xmm0 and rax): the last step's result when it
// ran to the end (resumeStep 0), else 1 + the step at which the interpreter takes over.
struct NativeResult {
  double value;
  std::uint64_t resumeStep;
};
using NativeEntry = NativeResult (*)();

// Machine code in a private mapping of its own: written while the mapping is writable,
// then switched to read and execute (never both writable and executable), unmapped when
// the owner goes. Empty when the platform has no such mappings or refuses one.
class NativeCode {
 public:
  NativeCode() = default;
  ~NativeCode();
  NativeCode(NativeCode&& other) noexcept;
  NativeCode& operator=(NativeCode&& other) noexcept;
  NativeCode(const NativeCode&) = delete;
  NativeCode& operator=(const NativeCode&) = delete;

  // The code's entry point is at entryOffset within the bytes.
  static NativeCode load(std::span<const std::uint8_t> bytes, std::size_t entryOffset);

  NativeEntry entry() const { return m_entry; }
  explicit operator bool() const { return m_entry != nullptr; }

 private:
  void release() noexcept;

  void* m_region = nullptr;
  std::size_t m_size = 0;
  NativeEntry m_entry = nullptr;
};
