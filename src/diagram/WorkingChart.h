#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QSharedPointer>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class PatternAxisTicker;
class QCPGraph;
class QCustomPlot;
class QObject;

// The main window's chart of the Gibbs energy curves of the level being computed.
//
// A scan adds every point of a level, then calls levelDone(). Points are buffered; the level is
// handed to the graphs (and the chart repainted) at most every kMinDrawIntervalMs, when the level
// is complete: on the next clearPoints(), or when pending events are processed after levelDone(),
// whichever comes first. Points added between levelDone() and the next clearPoints() (the
// "Convex" series, which the run fills after the level's curves) still belong to that level.
// flush() draws at once; call it when a run click ends, so that the last level is shown.
//
// Every series is a QCPGraph: a graph keeps its points sorted by X, which suits the energy curves
// and the lower hull alike (both are functions of X). Points that arrive in descending X, as the
// hull's do, are put in order before the hand-over.
class WorkingChart {
 public:
  static constexpr int kMinDrawIntervalMs = 30;

  // Sets the chart up: title "       G" (left-aligned), foot "x" (right-aligned), bottom axis
  // labels "#,##0.##", both grids in small dots, legend shown, and the three empty series
  // "Liquid", "Solid" and "Convex" (dotted).
  explicit WorkingChart(QCustomPlot* plot);
  ~WorkingChart();
  WorkingChart(const WorkingChart&) = delete;
  WorkingChart& operator=(const WorkingChart&) = delete;

  QCustomPlot* plot() const;
  void removeAllSeries();
  void addSeries(const std::string& title, bool dotted);  // colours: the chart's defaults
  void clearPoints();                                      // every series
  void addPoint(int series, double x, double y);          // buffered, no repaint
  void setLabelIncrement(double increment);               // bottom-axis tick step; 0 = automatic
  void levelDone();
  void flush();

  int seriesCount() const;
  QString seriesTitle(int series) const;
  int pointCount(int series) const;  // points of the series since the last clearPoints()

 private:
  struct Series {
    QCPGraph* graph = nullptr;
    std::vector<double> keys;
    std::vector<double> values;
  };

  void setUpChart();
  void draw(bool immediately);
  void handOver(Series& series);
  void rescaleAxes();

  QPointer<QCustomPlot> m_plot;
  QSharedPointer<PatternAxisTicker> m_bottomTicker;
  std::vector<Series> m_series;
  QElapsedTimer m_sinceDraw;
  bool m_drawDue = false;
  bool m_drawQueued = false;
  // Receiver of the queued draw; its destruction drops a draw still waiting.
  std::unique_ptr<QObject> m_queue;
};
