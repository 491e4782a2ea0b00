#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes an RGB PNG of pixels given as 0x00BBGGRR, row by row. Throws std::runtime_error when the
// file cannot be written.
void writePng(const std::string& fileName, int width, int height,
              const std::vector<std::uint32_t>& pixels);
