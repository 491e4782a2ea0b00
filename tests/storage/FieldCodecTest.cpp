#include "TableBytes.h"
#include "storage/FieldCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using tablebytes::hex;

TEST(FieldCodecTest, ValuesAreLittleEndianAndZeroIsNotStored) {
  struct Case {
    std::string stored;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {encodeDouble(300), hex("00 00 00 00 00 C0 72 40")},
      {encodeDouble(-1), hex("00 00 00 00 00 00 F0 BF")},
      {encodeDouble(0.0), ""},
      {encodeDouble(-0.0), ""},
      {encodeSmallInt(100), hex("64 00")},
      {encodeSmallInt(-2), hex("FE FF")},
      {encodeSmallInt(0), ""},
      {encodeInteger(-7), hex("F9 FF FF FF")},
      {encodeInteger(0x01020304), hex("04 03 02 01")},
      {encodeInteger(0), ""},
      {encodeBoolean(true), hex("01 00")},
      {encodeBoolean(false), ""},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(cases[i].stored, cases[i].expected) << "case " << i;
  }
}

TEST(FieldCodecTest, DecodingBlankShortAndLongValues) {
  EXPECT_EQ(decodeDouble(""), 0.0);
  EXPECT_EQ(decodeDouble(hex("00 00 00 00 00 70 97 40")), 1500.0);
  EXPECT_EQ(decodeSmallInt(""), 0);
  EXPECT_EQ(decodeSmallInt(hex("00 80")), -32768);
  EXPECT_EQ(decodeSmallInt(hex("05")), 5);
  EXPECT_EQ(decodeInteger(hex("FF FF FF 7F 99")), 2147483647);
  EXPECT_FALSE(decodeBoolean(""));
  EXPECT_FALSE(decodeBoolean(hex("00 00")));
  EXPECT_TRUE(decodeBoolean(hex("00 01")));
  EXPECT_TRUE(decodeBoolean(hex("02 00")));
}

TEST(FieldCodecTest, StoredFormFollowsTheStoredWhenRule) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    FieldType type;
    std::string value;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {FieldType::Currency, hex("00 00 00 00 00 00 00 80"), ""},
      {FieldType::DateTime, encodeDouble(nan), encodeDouble(nan)},
      {FieldType::Date, hex("00 00 00 00"), ""},
      {FieldType::Time, hex("01"), hex("01 00 00 00")},
      {FieldType::AutoInc, hex("02 00 00 00"), hex("02 00 00 00")},
      {FieldType::Boolean, hex("00 05"), hex("01 00")},
      {FieldType::SmallInt, hex("00 00"), ""},
      {FieldType::Graphic, "", ""},
      {FieldType::Blob, std::string(3, '\0'), std::string(3, '\0')},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    FieldDef field{"F", cases[i].type, 0};
    EXPECT_EQ(storedForm(field, cases[i].value), cases[i].expected) << "case " << i;
  }
  EXPECT_EQ(storedForm({"S", FieldType::String, 40}, std::string(9000, 'a')).size(), 8191u);
}

TEST(FieldCodecTest, TypeNamesAreTheEngines) {
  EXPECT_STREQ(fieldTypeName(FieldType::SmallInt), "SmallInt");
  EXPECT_STREQ(fieldTypeName(FieldType::SmallStr), "SmallStr");
  EXPECT_STREQ(fieldTypeName(FieldType::Blob), "BLOB");
  EXPECT_STREQ(fieldTypeName(FieldType::FmtMemo), "FmtMemo");
  EXPECT_STREQ(fieldTypeName(FieldType::DateTime), "DateTime");
}
