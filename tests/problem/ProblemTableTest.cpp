#include "problem/ProblemTable.h"

#include "storage/TableBytes.h"
#include "base/Errors.h"
#include "problem/ProblemFields.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"
#include "support/ExpectThrowMsg.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A problem database holding one record per name (other fields blank).
std::string writeNames(const TempDir& dir, const std::vector<std::string>& names) {
  TableImage image = newProblemTableImage();
  for (const auto& name : names) {
    TableRecord record;
    record.values.resize(image.fields.size());
    record.values[0] = name;
    image.records.push_back(record);
  }
  const std::string file = dir.file("names.d");
  writeTable(image, file);
  return file;
}

std::vector<std::string> presented(ProblemTable& table) {
  std::vector<std::string> names;
  for (table.first(); !table.eof(); table.next()) names.push_back(table.asString("ProblemName"));
  return names;
}

}  // namespace

// The one statement of the problem fields makes exactly the header of an empty database.
TEST(ProblemTableTest, NewDatabaseHoldsTheElevenProblemFields) {
  EXPECT_EQ(buildTable(newProblemTableImage()), tablebytes::problemFile(0, ""));
}

TEST(ProblemTableTest, NamesAreComparedAsBytesWithPrefixesFirst) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const Case cases[] = {
      {"A", "B", -1}, {"B", "a", -1}, {"A", "AB", -1}, {"AB", "B", -1},
      {"", "A", -1},  {"", "", 0},    {"ab", "ab", 0}, {"\xC3\xA9", "z", 1},
  };
  for (const auto& c : cases) {
    const int result = compareProblemNames(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
  }
}

TEST(ProblemTableTest, OpenPresentsNamesSortedAndInsertsGoToTheEnd) {
  TempDir dir;
  ProblemTable table;
  table.setTableName(writeNames(dir, {"B", "a", "AB", "A", ""}));
  table.open();
  EXPECT_EQ(presented(table), (std::vector<std::string>{"", "A", "AB", "B", "a"}));

  table.insert();
  table.setString("problemname", "0first");
  ASSERT_TRUE(table.post());
  EXPECT_EQ(table.recNo(), 6);
  EXPECT_EQ(presented(table).back(), "0first");

  const std::string copy = dir.file("copy.d");
  table.save(copy);
  table.setTableName(copy);
  table.open();
  EXPECT_EQ(presented(table).at(1), "0first");
}

TEST(ProblemTableTest, SavedFileKeepsPhysicalOrderWithoutDeletedRecords) {
  TempDir dir;
  ProblemTable table;
  table.setTableName(writeNames(dir, {"C", "A", "B"}));
  table.open();
  table.first();
  table.deleteRecord();  // "A", first in the presented order
  EXPECT_EQ(table.asString("ProblemName"), "B");
  const std::string copy = dir.file("copy.d");
  table.save(copy);
  const TableImage saved = readTable(copy);
  ASSERT_EQ(saved.records.size(), 2u);
  EXPECT_EQ(saved.records[0].values[0], "C");
  EXPECT_EQ(saved.records[1].values[0], "B");
}

TEST(ProblemTableTest, OperationsFailWithTheTableMessages) {
  TempDir dir;
  ProblemTable table;
  EXPECT_THROW_MSG(table.first(), EDatabaseError,
                   "Cannot perform this operation on a closed dataset");
  EXPECT_THROW_MSG(table.insert(), EDatabaseError,
                   "Cannot perform this operation on a closed dataset");
  table.setTableName(dir.file("missing.d"));
  EXPECT_THROW_MSG(table.open(), EDatabaseError, "Error opening file " + dir.file("missing.d"));
  EXPECT_FALSE(table.active());

  table.setTableName(writeNames(dir, {}));
  table.open();
  EXPECT_TRUE(table.eof());
  EXPECT_EQ(table.recordCount(), 0);
  EXPECT_THROW_MSG(table.deleteRecord(), EDatabaseError,
                   "Cannot perform this operation on an empty dataset");
  EXPECT_THROW_MSG(table.post(), EDatabaseError, "Dataset not in edit or insert mode");
  EXPECT_THROW_MSG(table.setString("ProblemName", "x"), EDatabaseError,
                   "Dataset not in edit or insert mode");
  table.insert();
  EXPECT_THROW_MSG(table.setString("NoSuchField", "x"), EDatabaseError,
                   "Field 'NoSuchField' not found");
}

TEST(ProblemTableTest, OpenRefusesFilesWithoutTheProblemFields) {
  TempDir dir;
  TableImage wrongType = newProblemTableImage();
  wrongType.fieldBlock.clear();
  wrongType.fields[4].type = FieldType::Double;  // YPoints
  writeTable(wrongType, dir.file("type.d"));
  TableImage missing = newProblemTableImage();
  missing.fieldBlock.clear();
  missing.fields.pop_back();  // Zparameter
  writeTable(missing, dir.file("missing.d"));

  ProblemTable table;
  table.setTableName(dir.file("type.d"));
  EXPECT_THROW_MSG(table.open(), EDatabaseError,
                   "Type mismatch for field 'YPoints', expecting: SmallInt actual: Double");
  table.setTableName(dir.file("missing.d"));
  EXPECT_THROW_MSG(table.open(), EDatabaseError, "Field 'Zparameter' not found");
}

TEST(ProblemTableTest, FieldsReadBlankAsZeroAndStringsAreCut) {
  TempDir dir;
  ProblemTable table;
  table.setTableName(writeNames(dir, {}));
  table.open();
  table.insert();
  EXPECT_TRUE(table.isNull("ProblemName"));
  EXPECT_FALSE(table.isNull("Zvalue"));
  EXPECT_EQ(table.asFloat("ZVALUE"), 0.0);
  EXPECT_EQ(table.asInteger("YPoints"), 0);
  EXPECT_FALSE(table.asBoolean("ShowChart"));

  table.setString("ProblemName", "abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(table.asString("ProblemName"), "abcdefghijklmnopqrst");
  // 19 ASCII letters and a two-byte character: the character does not fit and is dropped whole.
  table.setString("Yparameter", std::string(19, 'y') + "\xC3\xA9");
  EXPECT_EQ(table.asString("Yparameter"), std::string(19, 'y'));
  table.setString("Functs", std::string(5000, 'x'));
  EXPECT_EQ(table.asString("Functs").size(), 5000u);
  table.setFloat("Ymin", -0.0);
  table.setInteger("XPoints", 250);
  table.setBoolean("ShowMosaicDiagram", true);
  ASSERT_TRUE(table.post());
  EXPECT_EQ(table.asInteger("XPoints"), 250);
  EXPECT_TRUE(table.asBoolean("ShowMosaicDiagram"));
  EXPECT_EQ(table.asFloat("Ymin"), 0.0);
}

TEST(ProblemTableTest, EventsFireInTheirOrder) {
  TempDir dir;
  ProblemTable table;
  std::vector<std::string> log;
  auto& events = table.events();
  events.afterOpen = [&] { log.push_back("open"); };
  events.afterScroll = [&] { log.push_back("scroll"); };
  events.afterInsert = [&] { log.push_back("insert"); };
  events.beforePost = [&] {
    log.push_back("before");
    return !table.isNull("ProblemName");
  };
  events.afterPost = [&] { log.push_back("post"); };
  events.afterDelete = [&] { log.push_back("delete"); };
  table.setTableName(writeNames(dir, {"A"}));
  table.open();
  table.first();
  table.next();  // at the end: still a scroll
  EXPECT_TRUE(table.eof());
  table.insert();
  EXPECT_FALSE(table.post());  // refused: stays in insert state
  EXPECT_EQ(table.state(), ProblemTable::State::Insert);
  table.cancel();
  table.edit();
  table.deleteRecord();
  EXPECT_EQ(log, (std::vector<std::string>{"open", "scroll", "scroll", "insert", "scroll",
                                           "before", "scroll", "delete", "scroll"}));
  EXPECT_EQ(table.recordCount(), 0);
}

TEST(ProblemTableTest, ClosedTableKeepsItsRecordsForASave) {
  TempDir dir;
  ProblemTable table;
  table.save(dir.file("never.d"));  // never opened: writes nothing
  EXPECT_FALSE(std::filesystem::exists(dir.file("never.d")));
  table.setTableName(writeNames(dir, {"A", "B"}));
  table.open();
  table.setTableName(dir.file("other.d"));
  EXPECT_FALSE(table.active());
  table.save(dir.file("other.d"));
  EXPECT_EQ(readTable(dir.file("other.d")).records.size(), 2u);
}
