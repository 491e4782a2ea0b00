#include "diagram/PatternAxisTicker.h"

#include "base/NumberText.h"

#include <cmath>
#include <utility>

PatternAxisTicker::PatternAxisTicker(std::string pattern) : m_pattern(std::move(pattern)) {}

void PatternAxisTicker::setLabelIncrement(double increment) {
  m_increment = (std::isfinite(increment) && increment > 0) ? increment : 0;
  if (m_increment > 0) setTickStep(m_increment);
}

QString PatternAxisTicker::label(double tick) const {
  return QString::fromStdString(formatFloat(m_pattern, tick));
}

double PatternAxisTicker::getTickStep(const QCPRange& range) {
  if (!(m_increment > 0)) return QCPAxisTicker::getTickStep(range);
  // The desired step while the labels fit, else its first multiple of 2, 5, 10, 20, 50 ...
  // that spaces them enough.
  static constexpr double kFactors[] = {2, 5, 10};
  double step = m_increment;
  double scale = 1;
  for (int i = 0; range.size() / step > kMaxIntervals && i < 1000; ++i) {
    step = m_increment * scale * kFactors[i % 3];
    if (i % 3 == 2) scale *= 10;
  }
  return step;
}

QString PatternAxisTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
  return label(tick);
}
