#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>

#include <optional>
#include <vector>

class QCPAxis;
class QCustomPlot;

// Everything the chart editor can change on a chart, as plain values: what the editor works on,
// and what a chart's settings file holds.
enum class SeriesLine { None, Solid, Dash, Dot, DashDot };

struct ChartText {
  QString text;
  QFont font;
  QColor colour;
  bool operator==(const ChartText&) const = default;
};

struct AxisSettings {
  bool autoRange = true;  // follows the data; otherwise min .. max
  double min = 0;
  double max = 1;
  QString label;
  bool gridVisible = true;
  double tickStep = 0;  // 0: chosen by the ticker
  bool operator==(const AxisSettings&) const = default;
};

struct SeriesSettings {
  QString title;
  QColor colour;
  SeriesLine line = SeriesLine::Solid;
  bool scatterVisible = false;
  bool visible = true;
  bool operator==(const SeriesSettings&) const = default;
};

struct ChartSettings {
  ChartText title;
  ChartText foot;
  AxisSettings bottom;
  AxisSettings left;
  std::vector<SeriesSettings> series;  // the chart's graphs and curves, in the plot's order
  QColor background = Qt::white;
  bool legendVisible = true;
  bool operator==(const ChartSettings&) const = default;
};

// Reads the settings of a chart (its title and foot are made if it has none yet).
ChartSettings readChartSettings(QCustomPlot* plot);
// Applies them and queues a replot. Series are matched by position; entries beyond the chart's
// series are ignored, series beyond the entries keep their looks.
void applyChartSettings(QCustomPlot* plot, const ChartSettings& settings);

// The settings as JSON text, and back. fromJson checks every field and gives nothing (and the
// reason in *error) for a text that is not complete and sound.
QByteArray toJson(const ChartSettings& settings);
std::optional<ChartSettings> fromJson(const QByteArray& json, QString* error = nullptr);

// Whether a font text is one QFont::toString() writes (QFont::fromString() takes anything).
bool isFontText(const QString& text);

// A chart keeps these where QCustomPlot has no place for them: whether an axis follows the data
// (charts rescale only such axes) and the background colour.
bool isAxisAutoRange(const QCPAxis* axis);
void setAxisAutoRange(QCPAxis* axis, bool autoRange);
QColor chartBackground(const QCustomPlot* plot);
void setChartBackground(QCustomPlot* plot, const QColor& colour);
