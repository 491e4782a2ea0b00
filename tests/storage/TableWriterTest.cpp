#include "TableBytes.h"
#include "ProblemImage.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

using namespace tablebytes;

namespace {

TableRecord abProblem() {
  return TableRecord{{"AB", encodeDouble(300), encodeDouble(1500), encodeDouble(1),
                      encodeSmallInt(100), encodeSmallInt(100), encodeBoolean(false),
                      encodeBoolean(true), "x", "Temperature", "P"}};
}

std::string dataFile(const std::string& name) {
  std::ifstream in(std::string(testpaths::kTestDataDir) + "/storage/" + name, std::ios::binary);
  if (!in) return {};
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(TableWriterTest, EmptyProblemDatabaseIs186Bytes) {
  const std::string bytes = buildTable(problemTableImage());
  ASSERT_EQ(bytes.size(), 186u);
  EXPECT_EQ(bytes.substr(0, 17), hex("BA 00 00 00 53 00 00 00 00 0B 00 00 00 A9 00 00 00"));
  EXPECT_EQ(bytes.substr(17), problemBlock());
  EXPECT_EQ(problemBlock().size(), 169u);
}

TEST(TableWriterTest, ProblemRecordExampleIsByteExact) {
  TableImage image = problemTableImage();
  image.records.push_back(abProblem());
  const std::string bytes = buildTable(image);
  ASSERT_EQ(bytes.size(), 246u);
  EXPECT_EQ(bytes.substr(186), abRecord());
  EXPECT_EQ(bytes, problemFile(1, abRecord()));
}

TEST(TableWriterTest, ZerosFalseAndEmptyAreNotStored) {
  TableImage image = problemTableImage();
  TableRecord record = abProblem();
  const std::string negativeZero = hex("00 00 00 00 00 00 00 80");
  record.values[1] = negativeZero;                       // Ymin -0.0 as read from a file
  record.values[2] = std::string(8, '\0');               // Ymax 0.0
  record.values[3] = encodeDouble(-0.0);                 // Zvalue
  record.values[4] = std::string(2, '\0');               // YPoints 0
  record.values[7] = std::string(2, '\0');               // ShowChart false
  record.values[8] = "";                                 // Functs
  image.records.push_back(record);
  const TableImage back = parseTable(buildTable(image));
  const auto& v = back.records.at(0).values;
  EXPECT_EQ(buildTable(image).substr(186, 11), hex("02 00 00 00 00 02 00 00 00 0B 01"));
  for (int i : {1, 2, 3, 4, 7, 8}) EXPECT_TRUE(v[i].empty()) << "field " << i;
  EXPECT_EQ(decodeDouble(v[1]), 0.0);
  EXPECT_FALSE(std::signbit(decodeDouble(v[1])));
  EXPECT_FALSE(decodeBoolean(v[7]));
}

TEST(TableWriterTest, NonZeroBooleanIsWrittenAsOne) {
  TableImage image = problemTableImage();
  TableRecord record = abProblem();
  record.values[6] = hex("07 01");
  image.records.push_back(record);
  const TableImage back = parseTable(buildTable(image));
  EXPECT_EQ(back.records.at(0).values[6], hex("01 00"));
}

TEST(TableWriterTest, RecordsAreWrittenInOrderAndCounted) {
  // A deleted problem is one the caller has taken out of the records.
  TableImage image = problemTableImage();
  for (const char* name : {"C", "A", "B"}) {
    TableRecord record = abProblem();
    record.values[0] = name;
    image.records.push_back(record);
  }
  image.records.erase(image.records.begin() + 1);
  const std::string bytes = buildTable(image);
  EXPECT_EQ(bytes.substr(5, 4), i32(2));
  EXPECT_EQ(bytes.substr(0, 4), i32(static_cast<std::int32_t>(bytes.size())));
  const TableImage back = parseTable(bytes);
  ASSERT_EQ(back.records.size(), 2u);
  EXPECT_EQ(back.records[0].values[0], "C");
  EXPECT_EQ(back.records[1].values[0], "B");
}

TEST(TableWriterTest, FileWithEveryTypeCodeSavesBackByteIdentical) {
  const std::string original = dataFile("AllTypes.d");
  if (original.empty()) FAIL() << "missing tests/data/storage/AllTypes.d";
  const TableImage image = parseTable(original);
  ASSERT_EQ(image.fields.size(), 26u);
  EXPECT_EQ(image.notes, "Converted from an older table.\r\nKeep the extra fields.");
  ASSERT_EQ(image.records.size(), 3u);
  EXPECT_EQ(image.fields[16].name, "Serial");
  EXPECT_EQ(image.fields[17].maxLength, 40);
  EXPECT_EQ(image.fields[18].maxLength, 100);
  const auto& first = image.records[0].values;
  EXPECT_EQ(decodeInteger(first[11]), -7);
  EXPECT_EQ(decodeDouble(first[12]), 12.5);
  EXPECT_EQ(first[19].size(), 256u);
  EXPECT_EQ(first[23], std::string(35, 'L'));
  EXPECT_EQ(decodeSmallInt(image.records[1].values[4]), -3);
  EXPECT_EQ(decodeInteger(image.records[2].values[11]), 2147483647);
  EXPECT_EQ(buildTable(image), original);
}

TEST(TableWriterTest, TableBuiltInMemoryGetsItsFieldBlock) {
  TableImage image;
  image.fields = {{"Name with space", FieldType::SmallStr, 35},
                  {"Long", FieldType::String, 40},
                  {"Amount", FieldType::Currency, 0}};
  image.records.push_back({{"abc", std::string(50, 's'), encodeDouble(2.5)}});
  const std::string bytes = buildTable(image);
  const TableImage back = parseTable(bytes);
  EXPECT_EQ(back.fieldBlock, block({{"Name_with_space", "Z"}, {"Long", "s40"}, {"Amount", "c"}}));
  EXPECT_EQ(back.records.at(0).values, image.records[0].values);
}

TEST(TableWriterTest, NotesAreWrittenBackAndShortNotesSurvive) {
  TableImage image = problemTableImage();
  image.notes = "hi";
  EXPECT_EQ(parseTable(buildTable(image)).notes, "hi");
  image.records.push_back(abProblem());
  const std::string bytes = buildTable(image);
  EXPECT_EQ(bytes.substr(186, 5), "*" + i16(2) + "hi");
  EXPECT_EQ(parseTable(bytes).notes, "hi");
}

TEST(TableWriterTest, RecordStartingWithStarIsNotReadAsNotes) {
  TableImage image;
  image.fields = {{"Wide", FieldType::SmallStr, 0}, {"Flag", FieldType::Boolean, 0}};
  image.fieldBlock = block({{"Wide", "`"}, {"Flag", "b"}});  // "`" holds 41 characters
  image.fields[0].maxLength = 41;
  image.records.push_back({{std::string(42, 'w'), encodeBoolean(true)}});
  const TableImage back = parseTable(buildTable(image));
  ASSERT_EQ(back.records.size(), 1u);
  EXPECT_EQ(back.records[0].values[0], std::string(42, 'w'));
  EXPECT_EQ(back.notes, "");
}

TEST(TableWriterTest, OverlongTextsAreCutToWhatTheReaderTakes) {
  TableImage image = problemTableImage();
  TableRecord record = abProblem();
  record.values[0] = std::string(300, 'n');
  image.records.push_back(record);
  EXPECT_EQ(parseTable(buildTable(image)).records.at(0).values[0], std::string(21, 'n'));
}
