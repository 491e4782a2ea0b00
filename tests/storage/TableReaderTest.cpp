#include "TableBytes.h"
#include "base/Errors.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"
#include "support/ExpectThrowMsg.h"

#include <gtest/gtest.h>

using namespace tablebytes;
using namespace std::string_literals;

namespace {

const std::string kPrefix = "Error opening table: ";

struct FailureCase {
  const char* situation;
  std::string bytes;
  std::string message;
};

// One record of the AB problem with the length byte of field `field` replaced.
std::string abWithLengthByte(int field, int length) {
  std::string record = abRecord();
  record[static_cast<std::size_t>(field)] = static_cast<char>(length);
  return problemFile(1, record);
}

std::string oneField(const std::string& code, const std::string& record, int declared = 1) {
  return file(declared, 1, block({{"F", code}}), record);
}

std::vector<FailureCase> failureCases() {
  const std::string ab = problemFile(1, abRecord());
  const std::string header = problemFile(0, "");
  return {
      {"error marker", "\0\0\0\0EThis is not a table"s, kPrefix + "This is not a table"},
      {"password marker", i32(0) + "P" + std::string(40, '\0'),
       kPrefix + "Password-protected tables are not supported"},
      {"empty file", "", kPrefix + "Buffer structure corruption!"},
      {"no marker", i32(186), kPrefix + "Buffer structure corruption!"},
      {"header cut in the counts", header.substr(0, 15), kPrefix + "Buffer structure corruption!"},
      {"block cut short", header.substr(0, 100), kPrefix + "Buffer structure corruption!"},
      {"negative field count", file(0, -1, problemBlock(), ""),
       kPrefix + "Buffer structure corruption!"},
      {"no fields", file(0, 0, "\x14", ""), kPrefix + "Buffer structure corruption!"},
      {"negative block length", i32(0) + "S" + i32(0) + i32(11) + i32(-5),
       kPrefix + "Buffer structure corruption!"},
      {"letters after s", oneField("s4x", ""), kPrefix + "Buffer structure corruption!"},
      {"sign after s", oneField("s-5", ""), kPrefix + "Buffer structure corruption!"},
      {"too many digits after s", oneField("s99999999999", ""),
       kPrefix + "Buffer structure corruption!"},
      {"fewer entries than fields", file(0, 12, problemBlock(), ""),
       kPrefix + "Error in buffer structure (field description section)"},
      {"absurd field count", file(0, 1000000000, problemBlock(), ""),
       kPrefix + "Error in buffer structure (field description section)"},
      {"empty entry", file(0, 1, "\x12\x14", ""),
       kPrefix + "Error in buffer structure (field description section)"},
      {"entry without code", file(0, 1, "XXX.F\x12\x14", ""),
       kPrefix + "Error in buffer structure (field description section)"},
      {"first value cut", ab.substr(0, ab.size() - 48), kPrefix + "Unexpected end of buffer"},
      {"later value cut", ab.substr(0, ab.size() - 5), kPrefix + "Unexpected end of buffer"},
      {"memo length cut", ab.substr(0, ab.size() - 15), kPrefix + "Unexpected end of buffer"},
      {"double longer than 8", abWithLengthByte(1, 9),
       kPrefix + "Field 'Ymin' has wrong length 9 in record 1"},
      {"name longer than its size", abWithLengthByte(0, 22),
       kPrefix + "Field 'ProblemName' has wrong length 22 in record 1"},
      {"memo length byte not 4", abWithLengthByte(8, 2),
       kPrefix + "Field 'Functs' has wrong length 2 in record 1"},
      {"boolean longer than 2", abWithLengthByte(7, 255),
       kPrefix + "Field 'ShowChart' has wrong length 255 in record 1"},
      {"bad length in the second record",
       problemFile(2, abRecord() + hex("00 00 00 00 03 00 00 00 00 00 00")),
       kPrefix + "Field 'YPoints' has wrong length 3 in record 2"},
      {"string longer than 8191", oneField("s", "\x04" + i32(8192) + std::string(8192, 'a')),
       kPrefix + "String field 'F' has wrong length 8192 in record 1"},
      {"negative string length", oneField("s40", "\x04" + i32(-1)),
       kPrefix + "String field 'F' has wrong length -1 in record 1"},
      {"negative memo length", oneField("m", "\x04" + i32(-2)),
       kPrefix + "BLOB field 'F' has wrong length -2 in record 1"},
      {"graphic of 1 GiB", oneField("g", "\x04" + i32(1073741824)),
       kPrefix + "BLOB field 'F' has wrong length 1073741824 in record 1"},
      {"huge blob length, data ends", oneField("o", "\x04" + i32(1073741823) + "abc"),
       kPrefix + "Unexpected end of buffer"},
      {"fewer records than declared", problemFile(2, abRecord()),
       kPrefix + "Number of records read (1) does not match declared record count (2)"},
      {"absurd record count", problemFile(2147483647, abRecord()),
       kPrefix + "Number of records read (1) does not match declared record count (2147483647)"},
      {"negative record count", problemFile(-3, abRecord()),
       kPrefix + "Number of records read (0) does not match declared record count (-3)"},
  };
}

}  // namespace

TEST(TableReaderTest, FailuresGiveTheirMessages) {
  for (const FailureCase& c : failureCases()) {
    SCOPED_TRACE(c.situation);
    EXPECT_THROW_MSG(parseTable(c.bytes), EDatabaseError, c.message);
  }
}

TEST(TableReaderTest, ReadsTheProblemRecordExample) {
  const TableImage image = parseTable(problemFile(1, abRecord()));
  ASSERT_EQ(image.fields.size(), 11u);
  EXPECT_EQ(image.fieldBlock, problemBlock());
  EXPECT_EQ(image.fields[0].name, "ProblemName");
  EXPECT_EQ(image.fields[0].type, FieldType::SmallStr);
  EXPECT_EQ(image.fields[0].maxLength, 20);
  EXPECT_EQ(image.fields[8].type, FieldType::Memo);
  ASSERT_EQ(image.records.size(), 1u);
  const auto& v = image.records[0].values;
  ASSERT_EQ(v.size(), 11u);
  EXPECT_EQ(v[0], "AB");
  EXPECT_EQ(decodeDouble(v[1]), 300.0);
  EXPECT_EQ(decodeDouble(v[2]), 1500.0);
  EXPECT_EQ(decodeDouble(v[3]), 1.0);
  EXPECT_EQ(decodeSmallInt(v[4]), 100);
  EXPECT_EQ(decodeSmallInt(v[5]), 100);
  EXPECT_TRUE(v[6].empty());
  EXPECT_TRUE(decodeBoolean(v[7]));
  EXPECT_EQ(v[8], "x");
  EXPECT_EQ(v[9], "Temperature");
  EXPECT_EQ(v[10], "P");
}

TEST(TableReaderTest, FieldEntriesGiveNamesTypesAndLengths) {
  struct Case {
    std::string entry;
    std::string name;
    FieldType type;
    int maxLength;
  };
  const std::vector<Case> cases = {
      {"XXX.A s", "A", FieldType::String, 100},
      {"XXX.A s250", "A", FieldType::String, 250},
      {"NoPrefix i", "NoPrefix", FieldType::Integer, 0},
      {"T.a.b c", "a.b", FieldType::Currency, 0},
      {"XXX.Two_Words d", "Two_Words", FieldType::Date, 0},
      {"XXX.A v", "A", FieldType::Time, 0},
      {"XXX.A t", "A", FieldType::DateTime, 0},
      {"XXX.A a", "A", FieldType::AutoInc, 0},
      {"XXX.A o", "A", FieldType::Blob, 0},
      {"XXX.A r", "A", FieldType::FmtMemo, 0},
      {"XXX.A g", "A", FieldType::Graphic, 0},
      {"XXX.A 0", "A", FieldType::SmallStr, 0},
      {"XXX.A 9", "A", FieldType::SmallStr, 9},
      {"XXX.A A", "A", FieldType::SmallStr, 10},
      {"XXX.A Z", "A", FieldType::SmallStr, 35},
      {"XXX.A e", "A", FieldType::SmallStr, 46},  // not a type letter: a length character
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    const TableImage image = parseTable(file(0, 1, c.entry + "\x12\x14", ""));
    ASSERT_EQ(image.fields.size(), 1u);
    EXPECT_EQ(image.fields[0].name, c.name);
    EXPECT_EQ(image.fields[0].type, c.type);
    EXPECT_EQ(image.fields[0].maxLength, c.maxLength);
  }
}

TEST(TableReaderTest, SmallStrMayHoldOneMoreThanItsLength) {
  std::string record = abRecord();
  record[0] = 21;
  record.replace(11, 2, std::string(21, 'n'));
  EXPECT_EQ(parseTable(problemFile(1, record)).records[0].values[0], std::string(21, 'n'));
}

TEST(TableReaderTest, ShortFixedWidthValueFillsTheLowBytes) {
  const TableImage image = parseTable(oneField("i", "\x01\x07"));
  EXPECT_EQ(image.records[0].values[0], std::string("\x07\0\0\0", 4));
}

TEST(TableReaderTest, TrailingBytesAreIgnored) {
  const TableImage image = parseTable(problemFile(1, abRecord() + abRecord() + "junk"));
  EXPECT_EQ(image.records.size(), 1u);
}

TEST(TableReaderTest, NotesSectionIsRead) {
  const TableImage image = parseTable(problemFile(1, "*" + i16(5) + "hello" + abRecord()));
  EXPECT_EQ(image.notes, "hello");
  ASSERT_EQ(image.records.size(), 1u);
  EXPECT_EQ(image.records[0].values[0], "AB");
}

TEST(TableReaderTest, ShortNotesWithoutRecordsAreNotFound) {
  // 3 + 2 bytes of notes, fewer than the 11 bytes of a record: the reader does not look.
  const TableImage image = parseTable(problemFile(0, "*" + i16(2) + "hi"));
  EXPECT_EQ(image.notes, "");
  EXPECT_TRUE(image.records.empty());
}

TEST(TableReaderTest, CutOrNegativeNotesAreCorruption) {
  EXPECT_THROW_MSG(parseTable(problemFile(0, "*" + i16(40) + std::string(10, 'n'))),
                   EDatabaseError, kPrefix + "Buffer structure corruption!");
  EXPECT_THROW_MSG(parseTable(problemFile(0, "*" + i16(-1) + std::string(10, 'n'))),
                   EDatabaseError, kPrefix + "Buffer structure corruption!");
}

TEST(TableReaderTest, AnyOtherMarkerReadsAsPlainTable) {
  std::string bytes = problemFile(1, abRecord());
  bytes[4] = 'Q';
  EXPECT_EQ(parseTable(bytes).records.size(), 1u);
}

TEST(TableReaderTest, ZeroLengthPrefixedValueIsBlank) {
  const TableImage image = parseTable(oneField("m", "\x04" + i32(0)));
  EXPECT_EQ(image.records[0].values[0], "");
}
