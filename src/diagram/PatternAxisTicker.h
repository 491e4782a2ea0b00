#pragma once

#include <qcustomplot.h>

#include <string>

// Axis tick labels written with a float pattern of the core ("#,##0.##"), so the user's decimal
// and thousands separators apply. The tick step is either chosen by the ticker (increment 0) or
// a desired increment, kept while the range holds at most kMaxIntervals of it; a wider range
// gets a multiple (2, 5, 10, 20 ...) of the increment.
class PatternAxisTicker : public QCPAxisTickerFixed {
 public:
  static constexpr int kMaxIntervals = 12;

  explicit PatternAxisTicker(std::string pattern = "#,##0.##");

  void setLabelIncrement(double increment);  // 0 (or anything not above 0): automatic
  double labelIncrement() const { return m_increment; }
  const std::string& pattern() const { return m_pattern; }

  QString label(double tick) const;

 protected:
  double getTickStep(const QCPRange& range) override;
  QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override;

 private:
  std::string m_pattern;
  double m_increment = 0;
};
