#include "diagram/PatternAxisTicker.h"

#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Restores the process-wide separators whatever a test does.
struct Separators {
  char decimal = decimalSeparator();
  char thousands = thousandsSeparator();
  ~Separators() {
    setDecimalSeparator(decimal);
    setThousandsSeparator(thousands);
  }
};

TEST(PatternAxisTickerTest, LabelsFollowThePatternAndTheUsersSeparators) {
  Separators keep;
  struct Case {
    char decimal, thousands;
    double tick;
    const char* expected;
  };
  const Case cases[] = {
      {'.', ',', 1234.5, "1,234.5"},   {'.', ',', 0.30000000000000004, "0.3"},
      {'.', ',', -0.0000001, "0"},     {'.', ',', 1234567.125, "1,234,567.13"},
      {',', '.', 1234.5, "1.234,5"},   {'.', ',', 0, "0"},
  };
  PatternAxisTicker ticker("#,##0.##");
  for (const Case& c : cases) {
    setDecimalSeparator(c.decimal);
    setThousandsSeparator(c.thousands);
    EXPECT_EQ(ticker.label(c.tick).toStdString(), c.expected) << c.tick;
  }
}

TEST(PatternAxisTickerTest, AnAxisUsesTheIncrementOrChoosesItsOwnStep) {
  Separators keep;
  setDecimalSeparator('.');
  setThousandsSeparator(',');
  auto ticker = QSharedPointer<PatternAxisTicker>::create("#,##0.##");
  QVector<QString> labels;
  QVector<double> ticks;
  ticker->setLabelIncrement(0.25);
  ticker->generate(QCPRange(0, 1), QLocale::c(), QLatin1Char('g'), 6, ticks, nullptr, &labels);
  EXPECT_EQ(ticks, (QVector<double>{0, 0.25, 0.5, 0.75, 1}));
  EXPECT_EQ(labels, (QVector<QString>{QStringLiteral("0"), QStringLiteral("0.25"), QStringLiteral("0.5"),
                                      QStringLiteral("0.75"), QStringLiteral("1")}));

  ticker->setLabelIncrement(0.1);
  ticker->generate(QCPRange(0, 1), QLocale::c(), QLatin1Char('g'), 6, ticks, nullptr, &labels);
  EXPECT_EQ(ticks.size(), 11);
  EXPECT_EQ(labels.at(3), QStringLiteral("0.3"));
  struct Wide {
    double increment, upper, step;
  };
  const Wide wide[] = {{0.1, 2, 0.2}, {0.1, 5, 0.5}, {0.1, 10, 1}, {0.1, 100, 10}, {0.5, 1e6, 1e5}};
  for (const Wide& w : wide) {
    ticker->setLabelIncrement(w.increment);
    ticker->generate(QCPRange(0, w.upper), QLocale::c(), QLatin1Char('g'), 6, ticks, nullptr, nullptr);
    ASSERT_GE(ticks.size(), 2);
    EXPECT_NEAR(ticks[1] - ticks[0], w.step, w.step * 1e-9) << w.upper;
  }

  ticker->setLabelIncrement(0);
  EXPECT_EQ(ticker->labelIncrement(), 0);
  ticker->generate(QCPRange(0, 10000), QLocale::c(), QLatin1Char('g'), 6, ticks, nullptr, &labels);
  ASSERT_GE(ticks.size(), 3);
  EXPECT_LE(ticks.size(), 12);
  EXPECT_TRUE(labels.contains(QStringLiteral("10,000")));
}

}  // namespace
