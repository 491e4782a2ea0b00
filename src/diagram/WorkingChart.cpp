#include "diagram/WorkingChart.h"

#include "diagram/ChartDecor.h"
#include "diagram/ChartSettings.h"
#include "diagram/PatternAxisTicker.h"

#include <qcustomplot.h>

#include <algorithm>
#include <numeric>

namespace {

QPen gridPen() {
  QPen pen(QColor(0, 0, 0, 90), 0, Qt::DotLine);
  pen.setCosmetic(true);
  return pen;
}

void setUpAxis(QCPAxis* axis, const QSharedPointer<QCPAxisTicker>& ticker) {
  axis->setTicker(ticker);
  axis->grid()->setPen(gridPen());
  axis->grid()->setZeroLinePen(gridPen());
  axis->grid()->setVisible(true);
  axis->grid()->setSubGridVisible(false);
}

// The level's points in ascending X, as a graph wants them; the run gives the curves ascending
// and the hull descending, so a sort is the rare case.
QVector<QCPGraphData> sortedByKey(const std::vector<double>& keys, const std::vector<double>& values) {
  const std::size_t n = keys.size();
  QVector<QCPGraphData> data(static_cast<qsizetype>(n));
  if (std::is_sorted(keys.begin(), keys.end())) {
    for (std::size_t i = 0; i < n; ++i) data[static_cast<qsizetype>(i)] = {keys[i], values[i]};
  } else if (std::is_sorted(keys.rbegin(), keys.rend())) {
    for (std::size_t i = 0; i < n; ++i)
      data[static_cast<qsizetype>(i)] = {keys[n - 1 - i], values[n - 1 - i]};
  } else {
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    for (std::size_t i = 0; i < n; ++i)
      data[static_cast<qsizetype>(i)] = {keys[order[i]], values[order[i]]};
  }
  return data;
}

}  // namespace

WorkingChart::WorkingChart(QCustomPlot* plot)
    : m_plot(plot), m_bottomTicker(new PatternAxisTicker("#,##0.##")), m_queue(new QObject) {
  setUpChart();
  addSeries("Liquid", false);
  addSeries("Solid", false);
  addSeries("Convex", true);
  m_plot->replot(QCustomPlot::rpQueuedReplot);
}

WorkingChart::~WorkingChart() = default;

void WorkingChart::setUpChart() {
  QFont textFont = m_plot->font();
  textFont.setPointSize(10);
  QCPTextElement* title = chartTitle(m_plot);
  title->setText(QStringLiteral("       G"));
  title->setFont(textFont);
  title->setTextColor(Qt::black);
  QCPTextElement* foot = chartFoot(m_plot);
  foot->setText(QStringLiteral("x"));
  foot->setFont(textFont);
  foot->setTextColor(Qt::black);

  setUpAxis(m_plot->xAxis, m_bottomTicker);
  // The energies get the same separators as the compositions.
  setUpAxis(m_plot->yAxis, QSharedPointer<PatternAxisTicker>(new PatternAxisTicker("#,##0.###")));
  m_plot->xAxis->setRange(0, 1);

  m_plot->legend->setVisible(true);
  QFont legendFont = m_plot->font();
  legendFont.setPointSize(8);
  m_plot->legend->setFont(legendFont);
  m_plot->legend->setBrush(QColor(255, 255, 255, 210));
  m_plot->legend->setBorderPen(QPen(QColor(0, 0, 0, 80)));

  // Measured: without antialiasing and with fast polylines a level draws about twice as fast,
  // and the curves of a level that lasts a few milliseconds on screen look the same.
  m_plot->setNotAntialiasedElements(QCP::aeAll);
  m_plot->setPlottingHint(QCP::phFastPolylines, true);
  setChartBackground(m_plot, Qt::white);
}

QCustomPlot* WorkingChart::plot() const { return m_plot; }

void WorkingChart::removeAllSeries() {
  m_series.clear();
  if (m_plot) m_plot->clearGraphs();
  m_drawDue = false;
}

void WorkingChart::addSeries(const std::string& title, bool dotted) {
  if (!m_plot) return;
  QCPGraph* graph = m_plot->addGraph();
  graph->setName(QString::fromStdString(title));
  QPen pen(defaultSeriesColour(static_cast<int>(m_series.size())), dotted ? 2 : 1.5);
  pen.setStyle(dotted ? Qt::DotLine : Qt::SolidLine);
  graph->setPen(pen);
  graph->setLineStyle(QCPGraph::lsLine);
  m_series.push_back(Series{graph, {}, {}});
}

void WorkingChart::clearPoints() {
  if (m_drawDue) draw(false);
  for (Series& series : m_series) {
    series.keys.clear();
    series.values.clear();
  }
}

void WorkingChart::addPoint(int series, double x, double y) {
  if (series < 0 || series >= static_cast<int>(m_series.size())) return;
  Series& s = m_series[static_cast<std::size_t>(series)];
  s.keys.push_back(x);
  s.values.push_back(y);
}

void WorkingChart::setLabelIncrement(double increment) {
  m_bottomTicker->setLabelIncrement(increment);
}

void WorkingChart::levelDone() {
  if (m_sinceDraw.isValid() && m_sinceDraw.elapsed() < kMinDrawIntervalMs) return;
  m_drawDue = true;
  if (m_drawQueued) return;
  m_drawQueued = true;
  QMetaObject::invokeMethod(
      m_queue.get(),
      [this] {
        m_drawQueued = false;
        if (m_drawDue) draw(true);
      },
      Qt::QueuedConnection);
}

void WorkingChart::flush() { draw(true); }

void WorkingChart::draw(bool immediately) {
  m_drawDue = false;
  if (!m_plot) return;
  for (Series& series : m_series) handOver(series);
  rescaleAxes();
  // Inside a click the queued replot happens when the run processes pending events.
  m_plot->replot(immediately ? QCustomPlot::rpRefreshHint : QCustomPlot::rpQueuedReplot);
  m_sinceDraw.start();
}

void WorkingChart::handOver(Series& series) {
  series.graph->data()->set(sortedByKey(series.keys, series.values), true);
}

void WorkingChart::rescaleAxes() {
  bool hasData = false;
  for (const Series& series : m_series) hasData = hasData || !series.graph->data()->isEmpty();
  if (!hasData) return;
  if (isAxisAutoRange(m_plot->xAxis)) m_plot->xAxis->rescale(true);
  if (isAxisAutoRange(m_plot->yAxis)) {
    m_plot->yAxis->rescale(true);
    // A little room above and below, so that no curve runs along the frame.
    m_plot->yAxis->scaleRange(1.06, m_plot->yAxis->range().center());
  }
}

int WorkingChart::seriesCount() const { return static_cast<int>(m_series.size()); }

QString WorkingChart::seriesTitle(int series) const {
  if (!m_plot || series < 0 || series >= seriesCount()) return {};
  return m_series[static_cast<std::size_t>(series)].graph->name();
}

int WorkingChart::pointCount(int series) const {
  if (series < 0 || series >= seriesCount()) return 0;
  return static_cast<int>(m_series[static_cast<std::size_t>(series)].keys.size());
}
