#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Field types of the table engine, one per type code of a database file.
enum class FieldType : std::uint8_t {
  SmallInt,  // "l"
  Integer,   // "i"
  Boolean,   // "b"
  Double,    // "f"
  Currency,  // "c"
  Date,      // "d"
  Time,      // "v"
  DateTime,  // "t"
  AutoInc,   // "a"
  SmallStr,  // "0"-"9", "A"-"Z"
  String,    // "s" + digits
  Blob,      // "o"
  Memo,      // "m"
  FmtMemo,   // "r"
  Graphic,   // "g"
};

// The engine's own type name ("SmallInt", "Double", ...), used in messages.
const char* fieldTypeName(FieldType type);

// Bytes of a stored value of a fixed-width type (2, 4 or 8); 0 for the text and byte types.
int fixedWidth(FieldType type);

// True for the types stored as an i32 length followed by the bytes ("s", "o", "m", "r", "g").
bool isLengthPrefixed(FieldType type);

struct FieldDef {
  std::string name;  // as written in the file, table prefix removed
  FieldType type = FieldType::SmallStr;
  int maxLength = 0;  // SmallStr and String: maximum number of characters
};

// One record. values[i] holds the stored bytes of field i as they stand in the file, without
// the length byte or the i32 length prefix: 2, 4 or 8 little-endian bytes for the fixed-width
// types, the characters or bytes for the others. An empty value is a blank field (not stored:
// 0, false or empty).
struct TableRecord {
  std::vector<std::string> values;
};

// A whole table as a database file holds it.
struct TableImage {
  std::string fieldBlock;  // the field-description block, written back byte for byte
  std::vector<FieldDef> fields;
  std::string notes;                 // notes section text, empty when absent
  std::vector<TableRecord> records;  // physical order
};

// Parses a whole database file held in memory. Throws EDatabaseError
// ("Error opening table: ...") when the bytes are not a readable table.
TableImage parseTable(std::string_view bytes);

// Reads and parses the file. Throws EDatabaseError.
TableImage readTable(const std::string& fileName);

// The file image of the table. A table without a field block (built in memory) gets the
// block made from its fields.
std::string buildTable(const TableImage& table);

// Replaces the file with the table's image; the old file stays as it was when this fails.
// Throws EDatabaseError "Cannot create file %s".
void writeTable(const TableImage& table, const std::string& fileName);
