#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

#include "SeparatorGuard.h"
#include "base/NumberText.h"

namespace {

struct PatternCase {
  const char* pattern;
  double value;
  const char* expected;
};

void expectAll(std::initializer_list<PatternCase> cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(formatFloat(c.pattern, c.value), c.expected)
        << "pattern " << c.pattern << ", value " << formatShortest(c.value);
  }
}

}  // namespace

TEST(FormatFloatTest, FixedPatternsDropOptionalZerosAndSeparator) {
  expectAll({
      {"0.######", 0.5, "0.5"},
      {"0.######", 1234.5678901234, "1234.56789"},
      {"0.######", 1e-5, "0.00001"},
      {"0.######", 9.99e-6, "0.00001"},
      {"0.########", 0.25, "0.25"},
      {"0.########", 1, "1"},
      {"0.####", 1500, "1500"},
      {"0.###", 900, "900"},
      {"0.###", 900.0004, "900"},
      {"0.###", 0.1, "0.1"},
  });
}

TEST(FormatFloatTest, RoundsFifteenDigitDecimalHalfAwayFromZero) {
  expectAll({
      {"0.########", 0.001953125, "0.00195313"},
      {"0.########", -0.001953125, "-0.00195313"},
      {"0.######", 0.1 + 0.2, "0.3"},
      // Below the half in binary, a half once taken to 15 digits.
      {"0.######", 2.0000005, "2.000001"},
      {"0.####", 300.12345, "300.1235"},
      {"0.###", 900.0005, "900.001"},
      {"0.###", 0.9995, "1"},
      {"0.###", 99.9999, "100"},
  });
}

TEST(FormatFloatTest, ZeroNeverShowsMinus) {
  expectAll({
      {"0.###", -0.0, "0"},
      {"0.###", -0.0004, "0"},
      {"0.###", -0.0005, "-0.001"},
      {"0.######", -1e-7, "0"},
      {"0.####e-0", -0.0, "0e0"},
  });
}

TEST(FormatFloatTest, LargeAndTinyValuesInFixedNotation) {
  expectAll({
      {"0.######", 1e300, ("1" + std::string(300, '0')).c_str()},
      {"0.######", 123456789012345678.0, "123456789012346000"},
      {"0.######", -1.797e308, ("-1797" + std::string(305, '0')).c_str()},
      {"0.######", 4.9e-324, "0"},
      {"0.########", 1e-300, "0"},
  });
}

TEST(FormatFloatTest, ScientificPatterns) {
  expectAll({
      {"0.####e-0", 1.5e-6, "1.5e-6"},
      {"0.####e-0", 1e-5, "1e-5"},
      {"0.####e-0", 9.99e-6, "9.99e-6"},
      {"0.####e-0", 123456, "1.2346e5"},
      {"0.####e-0", 1.23455, "1.2346e0"},
      {"0.####e-0", 99999.5, "1e5"},
      {"0.####e-0", -2.5e-7, "-2.5e-7"},
      {"0.####e-0", 0, "0e0"},
      {"0.####e-00", 1.5e-6, "1.5e-06"},
      {"0.####e-00", 123456, "1.2346e05"},
      {"0.####e-00", 0, "0e00"},
      {"0.####e-00", 1e-100, "1e-100"},
      {"0.##E+00", 1234, "1.23E+03"},
      {"0.##E+00", 0.01234, "1.23E-02"},
      {"0.00E-0", 2, "2.00E0"},
  });
}

TEST(FormatFloatTest, GroupingPattern) {
  expectAll({
      {"#,##0.##", 1234567.891, "1,234,567.89"},
      {"#,##0.##", -1234.5, "-1,234.5"},
      {"#,##0.##", 999.999, "1,000"},
      {"#,##0.##", 123, "123"},
      {"#,##0.##", 0.5, "0.5"},
  });
}

TEST(FormatFloatTest, NonFiniteValues) {
  const double inf = std::numeric_limits<double>::infinity();
  expectAll({
      {"0.###", std::numeric_limits<double>::quiet_NaN(), "NAN"},
      {"0.####e-0", inf, "INF"},
      {"#,##0.##", -inf, "-INF"},
  });
}

TEST(FormatFloatTest, UsesCurrentSeparators) {
  SeparatorGuard guard(',', '.');
  expectAll({
      {"0.###", 1.5, "1,5"},
      {"#,##0.##", 1234567.5, "1.234.567,5"},
      {"0.####e-00", 1.5e-6, "1,5e-06"},
  });
}

TEST(FormatFloatTest, RejectsPatternsOutsideTheLanguage) {
  for (const char* pattern : {"0.0x", "0.##e", "0.##e0", "0.##e-0#", "0..0"}) {
    EXPECT_THROW(formatFloat(pattern, 1), std::invalid_argument) << pattern;
  }
}
