#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Database file images put together byte by byte, independently of the writer.
namespace tablebytes {

// "41 42 0a" -> the three bytes.
inline std::string hex(const std::string& text) {
  std::string bytes;
  int high = -1;
  for (char c : text) {
    int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10
              : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) continue;
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<char>(high * 16 + digit));
      high = -1;
    }
  }
  return bytes;
}

inline std::string i32(std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
  return bytes;
}

inline std::string i16(std::int16_t value) { return i32(value).substr(0, 2); }

// Entries "XXX.<name> <code>" ended by 0x12, then 0x14.
inline std::string block(const std::vector<std::pair<std::string, std::string>>& fields) {
  std::string bytes;
  for (const auto& [name, code] : fields) bytes += "XXX." + name + " " + code + "\x12";
  return bytes + "\x14";
}

// Header for a block of fieldCount entries, then whatever follows it (notes, records).
inline std::string file(std::int32_t declared, std::int32_t fieldCount, const std::string& fieldBlock,
                        const std::string& rest) {
  std::string body = "S" + i32(declared) + i32(fieldCount) +
                     i32(static_cast<std::int32_t>(fieldBlock.size())) + fieldBlock + rest;
  return i32(static_cast<std::int32_t>(body.size() + 4)) + body;
}

inline std::string problemBlock() {
  return block({{"ProblemName", "K"}, {"Ymin", "f"}, {"Ymax", "f"}, {"Zvalue", "f"},
                {"YPoints", "l"}, {"XPoints", "l"}, {"ShowMosaicDiagram", "b"},
                {"ShowChart", "b"}, {"Functs", "m"}, {"Yparameter", "K"}, {"Zparameter", "K"}});
}

// The stored record of the problem "AB" (300 to 1500, P = 1, "x").
inline std::string abRecord() {
  return hex("02 08 08 08 02 02 00 02 04 0B 01  41 42  00 00 00 00 00 C0 72 40"
             "00 00 00 00 00 70 97 40  00 00 00 00 00 00 F0 3F  64 00  64 00  01 00"
             "01 00 00 00 78  54 65 6D 70 65 72 61 74 75 72 65  50");
}

inline std::string problemFile(std::int32_t declared, const std::string& rest) {
  return file(declared, 11, problemBlock(), rest);
}

}  // namespace tablebytes
