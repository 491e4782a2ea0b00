#include "diagram/PatternAxisTicker.h"

#include "base/NumberText.h"

#include <cmath>
#include <utility>

PatternAxisTicker::PatternAxisTicker(std::string pattern) : m_pattern(std::move(pattern)) {
  // A whole multiple of the desired step keeps the labels apart on a wide range.
  setScaleStrategy(ssMultiples);
}

void PatternAxisTicker::setLabelIncrement(double increment) {
  m_increment = (std::isfinite(increment) && increment > 0) ? increment : 0;
  if (m_increment > 0) setTickStep(m_increment);
}

QString PatternAxisTicker::label(double tick) const {
  return QString::fromStdString(formatFloat(m_pattern, tick));
}

double PatternAxisTicker::getTickStep(const QCPRange& range) {
  if (m_increment > 0) return QCPAxisTickerFixed::getTickStep(range);
  return QCPAxisTicker::getTickStep(range);
}

QString PatternAxisTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
  return label(tick);
}
