#include "diagram/TfmDiagram2Drawing.h"

#include "base/NumberText.h"
#include "diagram/ChartDecor.h"
#include "diagram/ChartSettings.h"
#include "diagram/PatternAxisTicker.h"
#include "diagram/TfmDiagram2Messages.h"
#include "analysis/RunResults.h"
#include "calc/RunState.h"

#include <qcustomplot.h>

#include <cmath>

namespace {

constexpr double kPointSize = 4;           // diameter of an ordinary point, pixels
constexpr double kSpecialPointSize = 9;    // diameter of a special point's outline
constexpr double kMargin = 0.03;           // room around the data, share of the data's span

// Tick labels with the user's decimal separator and a fixed number of minor ticks.
class DiagramTicker : public PatternAxisTicker {
 public:
  DiagramTicker(std::string pattern, int subTicks)
      : PatternAxisTicker(std::move(pattern)), m_subTicks(subTicks) {}

 protected:
  int getSubTickCount(double) override { return m_subTicks; }

 private:
  int m_subTicks;
};

QFont chartFont(int pixelSize) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  return font;
}

QPen gridPen() {
  QPen pen(QColor(0, 0, 0, 110), 0, Qt::DotLine);
  pen.setCosmetic(true);
  return pen;
}

void setUpAxis(QCPAxis* axis, const QSharedPointer<QCPAxisTicker>& ticker, int tickLength,
               int subTickLength) {
  axis->setTicker(ticker);
  axis->setTickLabelFont(chartFont(12));
  axis->setTickLength(tickLength, 0);
  axis->setSubTickLength(subTickLength, 0);
  axis->grid()->setPen(gridPen());
  axis->grid()->setZeroLinePen(gridPen());
  axis->grid()->setVisible(true);
  axis->grid()->setSubGridVisible(false);
}

QPixmap discPixmap(const QColor& colour, double diameter, Qt::PenStyle outline) {
  const int side = static_cast<int>(std::ceil(diameter)) + 2;
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box((side - diameter) / 2, (side - diameter) / 2, diameter, diameter);
  if (outline == Qt::SolidLine) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(box);
  } else {
    QColor fill = colour;
    fill.setAlpha(70);
    painter.setBrush(fill);
    painter.setPen(QPen(colour, 1.2, outline));
    painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
  }
  return pixmap;
}

QCPScatterStyle pointStyle(const QColor& colour, bool vector) {
  if (vector) return QCPScatterStyle(QCPScatterStyle::ssDisc, colour, colour, kPointSize);
  return QCPScatterStyle(discPixmap(colour, kPointSize, Qt::SolidLine));
}

QCPScatterStyle specialStyle(const QColor& colour, bool vector) {
  if (!vector) return QCPScatterStyle(discPixmap(colour, kSpecialPointSize, Qt::DotLine));
  QColor fill = colour;
  fill.setAlpha(70);
  return QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(colour, 1.2, Qt::DotLine), fill,
                         kSpecialPointSize);
}

// The blue of the chart's palette: red belongs to the special points.
QColor ordinaryColour() { return defaultSeriesColour(2); }

QCPGraph* pointSeries(QCustomPlot* plot, const char* title, const QColor& colour) {
  QCPGraph* graph = plot->addGraph();
  graph->setName(QLatin1String(title));
  graph->setPen(QPen(colour));
  graph->setLineStyle(QCPGraph::lsNone);
  return graph;
}

void fitAxis(QCPAxis* axis) {
  if (!isAxisAutoRange(axis)) return;
  bool found = false;
  QCPRange range;
  for (int i = 0; i < axis->parentPlot()->plottableCount(); ++i) {
    QCPAbstractPlottable* p = axis->parentPlot()->plottable(i);
    if (!p->visible()) continue;
    bool has = false;
    const QCPRange r = axis->orientation() == Qt::Horizontal ? p->getKeyRange(has)
                                                             : p->getValueRange(has);
    if (!has) continue;
    range = found ? QCPRange(std::min(range.lower, r.lower), std::max(range.upper, r.upper)) : r;
    found = true;
  }
  if (!found) return;
  double room = range.size() * kMargin;
  if (!(room > 0)) room = std::max(std::abs(range.lower) * kMargin, 0.5);
  axis->setRange(range.lower - room, range.upper + room);
}

}  // namespace

void setUpDiagramChart(QCustomPlot* plot) {
  QCPTextElement* title = chartTitle(plot);
  title->setText(QLatin1String(diagrammsg::kInitialTitle));
  title->setFont(chartFont(11));
  title->setTextColor(Qt::black);
  QCPTextElement* foot = chartFoot(plot);
  foot->setText(QLatin1String(diagrammsg::kInitialFoot));
  foot->setFont(chartFont(11));
  foot->setTextColor(Qt::black);

  auto bottom = QSharedPointer<DiagramTicker>::create("0.##", 9);
  bottom->setLabelIncrement(0.1);
  setUpAxis(plot->xAxis, bottom, 2, 6);
  setUpAxis(plot->yAxis, QSharedPointer<DiagramTicker>::create("0.###", 4), 5, 5);
  plot->xAxis->setRange(0, 1);
  plot->yAxis->setRange(0, 1);
  plot->legend->setVisible(false);
  setChartBackground(plot, Qt::white);
  plot->setAntialiasedElements(QCP::aePlottables);
}

void drawDiagram(QCustomPlot* plot, const RunResults& results, const QString& defaultFootText) {
  const RunState& run = results.run.state;
  const std::string& yName = results.yParameter;
  chartTitle(plot)->setText(QString::fromStdString(run.YCaption.empty() ? yName : run.YCaption));
  chartFoot(plot)->setText(run.XCaption.empty() ? defaultFootText
                                                : QString::fromStdString(run.XCaption));
  plot->clearPlottables();

  QCPGraph* ordinary = pointSeries(plot, diagrammsg::kOrdinaryPoints, ordinaryColour());
  ordinary->setScatterStyle(pointStyle(ordinaryColour(), false));
  QCPGraph* special = pointSeries(plot, diagrammsg::kSpecialPoints, Qt::red);
  special->setScatterStyle(specialStyle(Qt::red, false));

  QVector<QCPGraphData> data;
  data.reserve(static_cast<qsizetype>(results.run.tiePoints.size()));
  for (const TZPoint& tie : results.run.tiePoints) data.append({tie.X, tie.Y});
  ordinary->data()->set(data, false);

  // A failed analysis stops the drawing here, as the search's failure stopped the command.
  if (!results.analysis.failed()) {
    QVector<QCPGraphData> specials;
    for (const SpecialPoint& point : results.analysis.SpecialPoints) specials.append({point.X, point.Y});
    special->data()->set(specials, false);
    DrawNodeLines(plot, results.analysis.NodeList);
  }
  fitDiagramAxes(plot);
}

void DrawNodeLines(QCustomPlot* plot, const TNodeList& nodes) {
  const QColor colour = plot->graphCount() > 0 ? plot->graph(0)->pen().color() : ordinaryColour();
  for (const TNode& node : nodes) {
    auto* line = new QCPCurve(plot->xAxis, plot->yAxis);
    line->setName(QLatin1String(diagrammsg::kNodeAt) +
                  QString::fromStdString(formatFloat("0.###", node.Y)) +
                  QLatin1String(diagrammsg::kNodeUnit));
    line->setPen(QPen(colour, 1.5));
    line->addData(node.XLeft, node.Y);
    line->addData(node.XRight, node.Y);
  }
}

void fitDiagramAxes(QCustomPlot* plot) {
  fitAxis(plot->xAxis);
  fitAxis(plot->yAxis);
}

void useVectorScatters(QCustomPlot* plot, bool vector) {
  if (plot->graphCount() > 0) {
    QCPGraph* g = plot->graph(0);
    if (!g->scatterStyle().isNone()) g->setScatterStyle(pointStyle(g->pen().color(), vector));
  }
  if (plot->graphCount() > 1) {
    QCPGraph* g = plot->graph(1);
    if (!g->scatterStyle().isNone()) g->setScatterStyle(specialStyle(g->pen().color(), vector));
  }
}
