#pragma once

#include <cstdint>
#include <string>
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
