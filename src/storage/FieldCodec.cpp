#include "storage/FieldCodec.h"

#include <algorithm>
#include <bit>

namespace {

std::uint64_t readLittleEndian(const std::string& stored, int width) {
  std::uint64_t bits = 0;
  const int count = std::min(width, static_cast<int>(stored.size()));
  for (int i = 0; i < count; ++i) {
    bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(stored[i])) << (8 * i);
  }
  return bits;
}

std::string writeLittleEndian(std::uint64_t bits, int width) {
  std::string stored(static_cast<std::size_t>(width), '\0');
  for (int i = 0; i < width; ++i) stored[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  return stored;
}

// Longest values the reader accepts: SmallStr up to its size in memory (maximum length + 1,
// at most what a length byte holds), "s" up to 8191 bytes, the byte types up to 1 GiB - 1.
std::size_t storableLength(const FieldDef& field) {
  switch (field.type) {
    case FieldType::SmallStr: return static_cast<std::size_t>(std::clamp(field.maxLength + 1, 0, 255));
    case FieldType::String: return 8191;
    default: return 1073741823;
  }
}

}  // namespace

std::string encodeDouble(double value) {
  if (value == 0.0) return {};
  return writeLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

double decodeDouble(const std::string& stored) {
  return std::bit_cast<double>(readLittleEndian(stored, 8));
}

std::string encodeSmallInt(std::int16_t value) {
  if (value == 0) return {};
  return writeLittleEndian(static_cast<std::uint16_t>(value), 2);
}

std::int16_t decodeSmallInt(const std::string& stored) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(readLittleEndian(stored, 2)));
}

std::string encodeInteger(std::int32_t value) {
  if (value == 0) return {};
  return writeLittleEndian(static_cast<std::uint32_t>(value), 4);
}

std::int32_t decodeInteger(const std::string& stored) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(readLittleEndian(stored, 4)));
}

std::string encodeBoolean(bool value) { return value ? writeLittleEndian(1, 2) : std::string(); }

bool decodeBoolean(const std::string& stored) { return readLittleEndian(stored, 2) != 0; }

std::string storedForm(const FieldDef& field, const std::string& value) {
  const int width = fixedWidth(field.type);
  if (width == 0) return value.substr(0, std::min(value.size(), storableLength(field)));
  const std::uint64_t bits = readLittleEndian(value, width);
  switch (field.type) {
    case FieldType::Boolean: return encodeBoolean(bits != 0);
    // A Currency is stored when its 8 bytes, read as a float, are not zero.
    case FieldType::Double:
    case FieldType::Currency:
    case FieldType::DateTime: return encodeDouble(std::bit_cast<double>(bits));
    default: return bits == 0 ? std::string() : writeLittleEndian(bits, width);
  }
}
