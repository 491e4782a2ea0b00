#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "SeparatorGuard.h"
#include "base/Errors.h"
#include "base/NumberText.h"
#include "support/ExpectThrowMsg.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct GeneralCase {
  double value;
  const char* expected;
};

// Random doubles over the whole finite range, from random bit patterns.
double randomFinite(std::mt19937_64& rng) {
  for (;;) {
    const std::uint64_t bits = rng();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) return value;
  }
}

void expectGeneralRoundTrip() {
  std::mt19937_64 rng;
  for (int i = 0; i < 20000; ++i) {
    const double x = randomFinite(rng);
    const std::string text = formatGeneral(x);
    const double back = strToFloat(text);
    ASSERT_LE(std::fabs(back - x), 5.01e-15 * std::fabs(x)) << text;
    ASSERT_EQ(formatGeneral(back), text);
  }
}

}  // namespace

TEST(NumberTextTest, GeneralFormat) {
  const GeneralCase cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1, "1"},
      {-1.5, "-1.5"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {8.31441, "8.31441"},
      {1e-5, "0.00001"},
      {9.999999999999999e-6, "0.00001"},
      {9.99e-6, "9.99E-6"},
      {1e-6, "1E-6"},
      {-1.25e-300, "-1.25E-300"},
      {4.9e-324, "4.94065645841247E-324"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {1e15, "1E15"},
      {1.5e20, "1.5E20"},
      {123456789012345678.0, "1.23456789012346E17"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
      {kInf, "INF"},
      {-kInf, "-INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatGeneral(c.value), c.expected) << c.expected;
}

TEST(NumberTextTest, GeneralFormatRoundTripsToFifteenDigits) { expectGeneralRoundTrip(); }

TEST(NumberTextTest, GeneralFormatRoundTripsWithCommaSeparator) {
  SeparatorGuard guard(',');
  EXPECT_EQ(formatGeneral(-0.25), "-0,25");
  EXPECT_EQ(formatGeneral(2.5e-8), "2,5E-8");
  expectGeneralRoundTrip();
}

TEST(NumberTextTest, ReadsNumbers) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"1.5", 1.5},       {" \t-0.5 ", -0.5}, {"+2", 2},          {".5", 0.5},
      {"5.", 5},          {"007", 7},         {"1e3", 1000},      {"1E-3", 0.001},
      {"2.5e+2", 250},    {"-1e-400", -0.0},  {"4.9e-324", 4.9e-324},
      {"0e999999999999999999", 0},
  };
  for (const auto& c : cases) {
    const double value = strToFloat(c.text);
    EXPECT_EQ(value, c.expected) << c.text;
    EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << c.text;
  }
}

TEST(NumberTextTest, RejectsWhatIsNotANumber) {
  for (const char* text : {"", "  ", "abc", "1.2.3", "1e", "1e+", "+", "-", ".", "1,5", "0x10",
                           "inf", "NAN", "1 2", "--1", "1e400", "-1e999999999999999999"}) {
    EXPECT_FALSE(tryStrToFloat(text).has_value()) << text;
  }
  EXPECT_THROW_MSG(strToFloat("abc"), EConvertError, "'abc' is not a valid floating point value");
  EXPECT_THROW_MSG(strToFloat(" 1x"), EConvertError, "' 1x' is not a valid floating point value");
}

TEST(NumberTextTest, ReadsWithCommaSeparator) {
  SeparatorGuard guard(',');
  EXPECT_EQ(strToFloat("0,25"), 0.25);
  EXPECT_EQ(strToFloat("-1,5E3"), -1500);
  EXPECT_THROW_MSG(strToFloat("0.25"), EConvertError, "'0.25' is not a valid floating point value");
}

TEST(NumberTextTest, PrintfLikeReadout) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {1, "1.000       "},
      {-1234.5678, "-1234.568   "},
      {1.0005, "1.000       "},  // printf rounds the binary value, which lies below the half
      {0.123456, "1.2346E-001 "},
      {-0.5, "-5.0000E-001"},
      {0, "0.0000E+000 "},
      {1.5e-200, "1.5000E-200 "},
      {12345678901234.5, "12345678901234.500"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatReadout(c.value), c.expected) << c.expected;
  SeparatorGuard guard(',');
  EXPECT_EQ(formatReadout(2.5), "2,500       ");
  EXPECT_EQ(formatScientific(0.0123456, 5, 3), "1,2346E-002");
  EXPECT_EQ(formatFixed(2.5, 0), "2");
}

TEST(NumberTextTest, PadRightNeverCuts) {
  EXPECT_EQ(padRight("abc", 5), "abc  ");
  EXPECT_EQ(padRight("abcdef", 3), "abcdef");
}

TEST(NumberTextTest, MachineTextsIgnoreSeparatorSetting) {
  SeparatorGuard guard(',');
  EXPECT_EQ(formatShortest(0.1), "0.1");
  EXPECT_EQ(formatShortest(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(formatShortest(1e21), "1e+21");
  EXPECT_EQ(formatInt(-42), "-42");
  EXPECT_EQ(formatInt(std::numeric_limits<long long>::min()), "-9223372036854775808");
  EXPECT_EQ(tryReadFileNumber(" .0188702 "), 0.0188702);
  EXPECT_EQ(tryReadFileNumber("+805.644E23"), 805.644E23);
  EXPECT_EQ(tryReadFileNumber("-1.2307E+25"), -1.2307E+25);
  EXPECT_FALSE(tryReadFileNumber("0,5").has_value());
}
