#include "diagram/ChartSettings.h"

#include "diagram/ChartDecor.h"
#include "diagram/PatternAxisTicker.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

constexpr const char* kAutoRangeProperty = "vantleAutoRange";
constexpr const char* kBackgroundProperty = "vantleBackground";

std::vector<QCPAbstractPlottable*> seriesOf(QCustomPlot* plot) {
  std::vector<QCPAbstractPlottable*> series;
  for (int i = 0; i < plot->plottableCount(); ++i) {
    QCPAbstractPlottable* p = plot->plottable(i);
    if (qobject_cast<QCPGraph*>(p) || qobject_cast<QCPCurve*>(p)) series.push_back(p);
  }
  return series;
}

ChartText readText(const QCPTextElement* element) {
  return ChartText{element->text(), element->font(), element->textColor()};
}

void applyText(QCPTextElement* element, const ChartText& text) {
  element->setText(text.text);
  element->setFont(text.font);
  element->setTextColor(text.colour);
}

double tickStepOf(const QCPAxis* axis) {
  const QSharedPointer<QCPAxisTicker> ticker = axis->ticker();
  if (auto* pattern = dynamic_cast<PatternAxisTicker*>(ticker.data())) return pattern->labelIncrement();
  if (auto* fixed = dynamic_cast<QCPAxisTickerFixed*>(ticker.data())) return fixed->tickStep();
  return 0;
}

void setTickStep(QCPAxis* axis, double step) {
  const QSharedPointer<QCPAxisTicker> ticker = axis->ticker();
  if (auto* pattern = dynamic_cast<PatternAxisTicker*>(ticker.data())) {
    pattern->setLabelIncrement(step);
  } else if (auto* fixed = dynamic_cast<QCPAxisTickerFixed*>(ticker.data())) {
    if (step > 0) fixed->setTickStep(step);
  } else if (step > 0) {
    QSharedPointer<PatternAxisTicker> own(new PatternAxisTicker("#,##0.###"));
    own->setLabelIncrement(step);
    axis->setTicker(own);
  }
}

AxisSettings readAxis(const QCPAxis* axis) {
  AxisSettings s;
  s.autoRange = isAxisAutoRange(axis);
  s.min = axis->range().lower;
  s.max = axis->range().upper;
  s.label = axis->label();
  s.gridVisible = axis->grid()->visible();
  s.tickStep = tickStepOf(axis);
  return s;
}

void applyAxis(QCPAxis* axis, const AxisSettings& s) {
  setAxisAutoRange(axis, s.autoRange);
  if (s.autoRange) {
    axis->rescale(true);
  } else if (s.min < s.max) {
    axis->setRange(s.min, s.max);
  }
  axis->setLabel(s.label);
  axis->grid()->setVisible(s.gridVisible);
  setTickStep(axis, s.tickStep);
}

SeriesLine lineOf(const QCPAbstractPlottable* p) {
  if (auto* graph = qobject_cast<const QCPGraph*>(p); graph && graph->lineStyle() == QCPGraph::lsNone)
    return SeriesLine::None;
  if (auto* curve = qobject_cast<const QCPCurve*>(p); curve && curve->lineStyle() == QCPCurve::lsNone)
    return SeriesLine::None;
  switch (p->pen().style()) {
    case Qt::DashLine: return SeriesLine::Dash;
    case Qt::DotLine: return SeriesLine::Dot;
    case Qt::DashDotLine:
    case Qt::DashDotDotLine: return SeriesLine::DashDot;
    case Qt::NoPen: return SeriesLine::None;
    default: return SeriesLine::Solid;
  }
}

Qt::PenStyle penStyleOf(SeriesLine line) {
  switch (line) {
    case SeriesLine::Dash: return Qt::DashLine;
    case SeriesLine::Dot: return Qt::DotLine;
    case SeriesLine::DashDot: return Qt::DashDotLine;
    default: return Qt::SolidLine;  // a hidden line keeps a pen for the scatter symbols
  }
}

QCPScatterStyle scatterOf(const QCPAbstractPlottable* p) {
  if (auto* graph = qobject_cast<const QCPGraph*>(p)) return graph->scatterStyle();
  return qobject_cast<const QCPCurve*>(p)->scatterStyle();
}

void applyLineAndScatter(QCPAbstractPlottable* p, const SeriesSettings& s) {
  const bool line = s.line != SeriesLine::None;
  QCPScatterStyle scatter = scatterOf(p);
  if (!s.scatterVisible) {
    scatter = QCPScatterStyle(QCPScatterStyle::ssNone);
  } else if (scatter.isNone()) {
    scatter = QCPScatterStyle(QCPScatterStyle::ssDisc, 5);
  }
  if (auto* graph = qobject_cast<QCPGraph*>(p)) {
    graph->setLineStyle(line ? QCPGraph::lsLine : QCPGraph::lsNone);
    graph->setScatterStyle(scatter);
  } else if (auto* curve = qobject_cast<QCPCurve*>(p)) {
    curve->setLineStyle(line ? QCPCurve::lsLine : QCPCurve::lsNone);
    curve->setScatterStyle(scatter);
  }
}

SeriesSettings readSeries(const QCPAbstractPlottable* p) {
  return SeriesSettings{p->name(), p->pen().color(), lineOf(p), !scatterOf(p).isNone(), p->visible()};
}

void applySeries(QCPAbstractPlottable* p, const SeriesSettings& s) {
  p->setName(s.title);
  QPen pen = p->pen();
  pen.setColor(s.colour);
  pen.setStyle(penStyleOf(s.line));
  p->setPen(pen);
  applyLineAndScatter(p, s);
  p->setVisible(s.visible);
}

}  // namespace

ChartSettings readChartSettings(QCustomPlot* plot) {
  ChartSettings s;
  s.title = readText(chartTitle(plot));
  s.foot = readText(chartFoot(plot));
  s.bottom = readAxis(plot->xAxis);
  s.left = readAxis(plot->yAxis);
  for (const QCPAbstractPlottable* p : seriesOf(plot)) s.series.push_back(readSeries(p));
  s.background = chartBackground(plot);
  s.legendVisible = plot->legend->visible();
  return s;
}

void applyChartSettings(QCustomPlot* plot, const ChartSettings& s) {
  applyText(chartTitle(plot), s.title);
  applyText(chartFoot(plot), s.foot);
  applyAxis(plot->xAxis, s.bottom);
  applyAxis(plot->yAxis, s.left);
  const std::vector<QCPAbstractPlottable*> series = seriesOf(plot);
  const std::size_t n = std::min(series.size(), s.series.size());
  for (std::size_t i = 0; i < n; ++i) applySeries(series[i], s.series[i]);
  setChartBackground(plot, s.background);
  plot->legend->setVisible(s.legendVisible);
  plot->replot(QCustomPlot::rpQueuedReplot);
}

bool isAxisAutoRange(const QCPAxis* axis) {
  const QVariant value = axis->property(kAutoRangeProperty);
  return !value.isValid() || value.toBool();
}

void setAxisAutoRange(QCPAxis* axis, bool autoRange) {
  axis->setProperty(kAutoRangeProperty, autoRange);
}

QColor chartBackground(const QCustomPlot* plot) {
  const QVariant value = plot->property(kBackgroundProperty);
  return value.isValid() ? value.value<QColor>() : QColor(Qt::white);
}

void setChartBackground(QCustomPlot* plot, const QColor& colour) {
  plot->setProperty(kBackgroundProperty, colour);
  plot->setBackground(QBrush(colour));
}
