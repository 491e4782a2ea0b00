#include "storage/FieldCodec.h"
#include "storage/TableImage.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <stdexcept>

namespace {

constexpr char kEntryEnd = 0x12;
constexpr char kBlockEnd = 0x14;
constexpr char kNotesMark = '*';
constexpr std::size_t kMaxNotes = 32767;

void appendI32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void putI32(std::string& out, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string typeCode(const FieldDef& field) {
  switch (field.type) {
    case FieldType::SmallInt: return "l";
    case FieldType::Integer: return "i";
    case FieldType::Boolean: return "b";
    case FieldType::Double: return "f";
    case FieldType::Currency: return "c";
    case FieldType::Date: return "d";
    case FieldType::Time: return "v";
    case FieldType::DateTime: return "t";
    case FieldType::AutoInc: return "a";
    case FieldType::Blob: return "o";
    case FieldType::Memo: return "m";
    case FieldType::FmtMemo: return "r";
    case FieldType::Graphic: return "g";
    case FieldType::String: {
      char digits[16];
      auto result = std::to_chars(digits, digits + sizeof digits, field.maxLength);
      return "s" + std::string(digits, result.ptr);
    }
    case FieldType::SmallStr: break;
  }
  const int length = field.maxLength;
  if (length < 0 || length > 35) {
    throw std::invalid_argument("SmallStr field " + field.name + " must hold 0 to 35 characters");
  }
  return std::string(1, static_cast<char>(length < 10 ? '0' + length : 'A' + length - 10));
}

std::string fieldBlockFor(const std::vector<FieldDef>& fields) {
  std::string block;
  for (const FieldDef& field : fields) {
    std::string name = field.name;
    for (char& c : name) {
      if (c == ' ') c = '_';
    }
    block += "XXX." + name + " " + typeCode(field) + kEntryEnd;
  }
  block += kBlockEnd;
  return block;
}

// Length bytes, then the stored values; a missing value is blank.
void appendRecord(std::string& out, const std::vector<FieldDef>& fields, const TableRecord& record) {
  const std::size_t lengthsAt = out.size();
  out.append(fields.size(), '\0');
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i >= record.values.size()) break;
    const std::string stored = storedForm(fields[i], record.values[i]);
    if (stored.empty()) continue;
    if (isLengthPrefixed(fields[i].type)) {
      out[lengthsAt + i] = 4;
      appendI32(out, static_cast<std::uint32_t>(stored.size()));
    } else {
      out[lengthsAt + i] = static_cast<char>(stored.size());
    }
    out += stored;
  }
}

}  // namespace

std::string buildTable(const TableImage& table) {
  std::string out;
  appendI32(out, 0);
  out.push_back('S');
  appendI32(out, 0);
  const std::string block = table.fieldBlock.empty() ? fieldBlockFor(table.fields) : table.fieldBlock;
  appendI32(out, static_cast<std::uint32_t>(table.fields.size()));
  appendI32(out, static_cast<std::uint32_t>(block.size()));
  out += block;

  std::string records;
  for (const TableRecord& record : table.records) appendRecord(records, table.fields, record);

  // A first record that begins with "*" would be read as a notes section: an empty one is
  // written in front of it then.
  const bool recordLooksLikeNotes = !records.empty() && records.front() == kNotesMark;
  if (!table.notes.empty() || recordLooksLikeNotes) {
    const std::size_t length = std::min(table.notes.size(), kMaxNotes);
    out.push_back(kNotesMark);
    out.push_back(static_cast<char>(length & 0xFF));
    out.push_back(static_cast<char>(length >> 8));
    out.append(table.notes, 0, length);
    // The reader looks for notes only when a record's worth of bytes follows the block; pad
    // after the (absent) records so that short notes of a table without records survive.
    const std::size_t notesSize = 3 + length;
    if (table.records.empty() && notesSize < table.fields.size()) {
      records.append(table.fields.size() - notesSize, '\0');
    }
  }
  out += records;

  putI32(out, 5, static_cast<std::uint32_t>(table.records.size()));
  putI32(out, 0, static_cast<std::uint32_t>(out.size()));
  return out;
}
