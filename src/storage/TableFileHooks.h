#pragma once

#include <cstddef>

// A seam for tests that interrupt a save: the hook is called after every chunk written to the
// temporary file (the last call, written == total, comes before the file replaces the old one).
// The program never sets it.
namespace tablefilehooks {

using WriteProgress = void (*)(std::size_t written, std::size_t total);

void setWriteProgress(WriteProgress hook);

}  // namespace tablefilehooks
