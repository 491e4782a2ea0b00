#include "base/Errors.h"
#include "storage/StorageMessages.h"
#include "storage/TableImage.h"

#include <charconv>
#include <cstdint>
#include <optional>

// Reading of a database file image. Every count in the file is untrusted: nothing is sized
// from a count before the bytes it describes have been seen.

namespace {

[[noreturn]] void fail(const std::string& text) {
  throw EDatabaseError(storagemsg::kOpenTablePrefix + text);
}

constexpr char kEntryEnd = 0x12;

class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : m_bytes(bytes) {}

  std::size_t remaining() const { return m_bytes.size() - m_pos; }

  // Next count bytes, or nullopt (nothing consumed) when the data ends first.
  std::optional<std::string_view> take(std::size_t count) {
    if (count > remaining()) return std::nullopt;
    std::string_view part = m_bytes.substr(m_pos, count);
    m_pos += count;
    return part;
  }

  std::optional<std::int32_t> takeI32() {
    auto part = take(4);
    if (!part) return std::nullopt;
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
      bits |= static_cast<std::uint32_t>(static_cast<unsigned char>((*part)[i])) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
  }

  std::optional<std::int16_t> takeI16() {
    auto part = take(2);
    if (!part) return std::nullopt;
    auto low = static_cast<unsigned char>((*part)[0]);
    auto high = static_cast<unsigned char>((*part)[1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
  }

  char peek() const { return m_bytes[m_pos]; }
  void skip() { ++m_pos; }

 private:
  std::string_view m_bytes;
  std::size_t m_pos = 0;
};

std::int32_t headerI32(Cursor& cursor) {
  auto value = cursor.takeI32();
  if (!value) fail(storagemsg::kBufferCorruption);
  return *value;
}

std::optional<FieldType> letterType(char code) {
  switch (code) {
    case 'a': return FieldType::AutoInc;
    case 'b': return FieldType::Boolean;
    case 'c': return FieldType::Currency;
    case 'd': return FieldType::Date;
    case 'f': return FieldType::Double;
    case 'g': return FieldType::Graphic;
    case 'i': return FieldType::Integer;
    case 'l': return FieldType::SmallInt;
    case 'm': return FieldType::Memo;
    case 'o': return FieldType::Blob;
    case 'r': return FieldType::FmtMemo;
    case 's': return FieldType::String;
    case 't': return FieldType::DateTime;
    case 'v': return FieldType::Time;
    default: return std::nullopt;
  }
}

// "s" alone means 100 characters; otherwise the digits that follow it.
int stringMaxLength(std::string_view digits) {
  if (digits.empty()) return 100;
  int length = 0;
  auto result = std::from_chars(digits.data(), digits.data() + digits.size(), length);
  if (digits.front() == '-' || result.ec != std::errc() ||
      result.ptr != digits.data() + digits.size()) {
    fail(storagemsg::kBufferCorruption);
  }
  return length;
}

// One entry: prefix "." name " " code.
FieldDef parseEntry(std::string_view entry) {
  const std::size_t space = entry.find(' ');
  if (space == std::string_view::npos || space + 1 >= entry.size()) {
    fail(storagemsg::kFieldSection);
  }
  std::string_view name = entry.substr(0, space);
  if (const std::size_t dot = name.find('.'); dot != std::string_view::npos) {
    name.remove_prefix(dot + 1);
  }
  const char code = entry[space + 1];
  FieldDef field;
  field.name = std::string(name);
  if (auto type = letterType(code)) {
    field.type = *type;
    if (*type == FieldType::String) field.maxLength = stringMaxLength(entry.substr(space + 2));
  } else {
    const int codeValue = static_cast<unsigned char>(code);
    field.type = FieldType::SmallStr;
    field.maxLength = codeValue - (code >= '0' && code <= '9' ? 48 : 55);
  }
  return field;
}

std::vector<FieldDef> parseFieldBlock(std::string_view block, std::int32_t count) {
  std::vector<FieldDef> fields;
  std::size_t pos = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::size_t end = block.find(kEntryEnd, pos);
    if (end == std::string_view::npos || end == pos) fail(storagemsg::kFieldSection);
    fields.push_back(parseEntry(block.substr(pos, end - pos)));
    pos = end + 1;
  }
  return fields;
}

void checkLengthByte(const FieldDef& field, int length, int recordNumber) {
  if (length == 0) return;
  const int width = fixedWidth(field.type);
  const bool ok = isLengthPrefixed(field.type) ? length == 4
                  : width > 0                  ? length <= width
                                               : length <= field.maxLength + 1;
  if (!ok) fail(storagemsg::wrongFieldLength(field.name, length, recordNumber));
}

std::string readPrefixedValue(Cursor& cursor, const FieldDef& field, int recordNumber) {
  auto length = cursor.takeI32();
  if (!length) fail(storagemsg::kUnexpectedEnd);
  if (field.type == FieldType::String) {
    if (*length < 0 || *length > 8191) {
      fail(storagemsg::wrongStringLength(field.name, *length, recordNumber));
    }
  } else if (*length < 0 || *length > 1073741823) {
    fail(storagemsg::wrongBlobLength(field.name, *length, recordNumber));
  }
  auto bytes = cursor.take(static_cast<std::size_t>(*length));
  if (!bytes) fail(storagemsg::kUnexpectedEnd);
  return std::string(*bytes);
}

// A value cut inside the record fails the whole open, also after the first value.
TableRecord readRecord(Cursor& cursor, const std::vector<FieldDef>& fields, int recordNumber) {
  const std::string_view lengths = *cursor.take(fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    checkLengthByte(fields[i], static_cast<unsigned char>(lengths[i]), recordNumber);
  }
  TableRecord record;
  record.values.resize(fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const int length = static_cast<unsigned char>(lengths[i]);
    if (length == 0) continue;
    if (isLengthPrefixed(fields[i].type)) {
      record.values[i] = readPrefixedValue(cursor, fields[i], recordNumber);
      continue;
    }
    auto bytes = cursor.take(static_cast<std::size_t>(length));
    if (!bytes) fail(storagemsg::kUnexpectedEnd);
    record.values[i] = std::string(*bytes);
    // A short fixed-width value fills the low bytes; the rest reads as zero.
    const int width = fixedWidth(fields[i].type);
    if (width > 0) record.values[i].resize(static_cast<std::size_t>(width), '\0');
  }
  return record;
}

}  // namespace

TableImage parseTable(std::string_view bytes) {
  Cursor cursor(bytes);
  headerI32(cursor);  // the total length is not trusted
  auto marker = cursor.take(1);
  if (!marker) fail(storagemsg::kBufferCorruption);
  if ((*marker)[0] == 'E') fail(std::string(*cursor.take(cursor.remaining())));
  if ((*marker)[0] == 'P') fail(storagemsg::kPasswordProtected);

  const std::int32_t declared = headerI32(cursor);
  const std::int32_t fieldCount = headerI32(cursor);
  const std::int32_t blockLength = headerI32(cursor);
  // A table without fields has records of no bytes: any count would "fit".
  if (fieldCount < 1 || blockLength < 0) fail(storagemsg::kBufferCorruption);
  auto block = cursor.take(static_cast<std::size_t>(blockLength));
  if (!block) fail(storagemsg::kBufferCorruption);

  TableImage image;
  image.fields = parseFieldBlock(*block, fieldCount);
  image.fieldBlock = std::string(*block);

  const auto recordSize = static_cast<std::size_t>(fieldCount);
  if (cursor.remaining() >= recordSize && cursor.peek() == '*') {
    cursor.skip();
    auto length = cursor.takeI16();
    if (!length || *length < 0) fail(storagemsg::kBufferCorruption);
    auto text = cursor.take(static_cast<std::size_t>(*length));
    if (!text) fail(storagemsg::kBufferCorruption);
    image.notes = std::string(*text);
  }

  while (cursor.remaining() >= recordSize &&
         static_cast<std::int64_t>(image.records.size()) < declared) {
    const int recordNumber = static_cast<int>(image.records.size()) + 1;
    image.records.push_back(readRecord(cursor, image.fields, recordNumber));
  }
  const auto read = static_cast<std::int32_t>(image.records.size());
  if (read != declared) fail(storagemsg::recordCountMismatch(read, declared));
  return image;
}
