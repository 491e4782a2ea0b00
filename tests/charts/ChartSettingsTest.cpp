#include "diagram/ChartSettings.h"

#include "diagram/WorkingChart.h"

#include "ChartTestPrinting.h"

#include <qcustomplot.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ChartSettingsFixture : ::testing::Test {
  std::unique_ptr<QCustomPlot> plot = std::make_unique<QCustomPlot>();
  WorkingChart chart{plot.get()};

  ChartSettings changed() const {
    ChartSettings s = readChartSettings(plot.get());
    s.title = {QStringLiteral("Energy\nsecond line"), QFont(QStringLiteral("DejaVu Serif"), 14, QFont::Bold),
               QColor(10, 20, 30)};
    s.foot.text = QStringLiteral("Mole fraction");
    s.foot.colour = QColor(0, 0, 255, 128);
    s.bottom = {false, 0.25, 0.75, QStringLiteral("X"), false, 0.05};
    s.left = {false, -5000, 1234.5, QStringLiteral("G, J/mol"), true, 250};
    s.series[0] = {QStringLiteral("Alpha"), QColor(1, 2, 3), SeriesLine::DashDot, true, true};
    s.series[1] = {QStringLiteral("Beta"), QColor(200, 100, 0), SeriesLine::None, true, false};
    s.series[2].line = SeriesLine::Dash;
    s.background = QColor(250, 250, 220);
    s.legendVisible = false;
    return s;
  }
};

using ChartSettingsTest = ChartSettingsFixture;

TEST_F(ChartSettingsTest, ReadsTheChartAsItIsSetUp) {
  const ChartSettings s = readChartSettings(plot.get());
  EXPECT_EQ(s.title.text, QStringLiteral("       G"));
  EXPECT_EQ(s.foot.text, QStringLiteral("x"));
  EXPECT_TRUE(s.bottom.autoRange);
  EXPECT_TRUE(s.bottom.gridVisible);
  EXPECT_EQ(s.bottom.tickStep, 0);
  ASSERT_EQ(s.series.size(), 3u);
  EXPECT_EQ(s.series[2].title, QStringLiteral("Convex"));
  EXPECT_EQ(s.series[2].line, SeriesLine::Dot);
  EXPECT_EQ(s.series[0].line, SeriesLine::Solid);
  EXPECT_FALSE(s.series[0].scatterVisible);
  EXPECT_EQ(s.background, QColor(Qt::white));
  EXPECT_TRUE(s.legendVisible);
}

TEST_F(ChartSettingsTest, AppliedSettingsReadBackTheSame) {
  const ChartSettings s = changed();
  applyChartSettings(plot.get(), s);
  EXPECT_EQ(readChartSettings(plot.get()), s);
  EXPECT_EQ(plot->xAxis->range(), QCPRange(0.25, 0.75));
  EXPECT_EQ(plot->graph(1)->lineStyle(), QCPGraph::lsNone);
  EXPECT_FALSE(plot->graph(1)->scatterStyle().isNone());
  EXPECT_FALSE(plot->graph(1)->visible());
  EXPECT_FALSE(isAxisAutoRange(plot->yAxis));
}

TEST_F(ChartSettingsTest, AFixedRangeSurvivesTheNextLevel) {
  ChartSettings s = readChartSettings(plot.get());
  s.left = {false, -10, 10, QString(), true, 0};
  applyChartSettings(plot.get(), s);
  chart.addPoint(0, 0, 500);
  chart.addPoint(0, 1, 600);
  chart.flush();
  EXPECT_EQ(plot->yAxis->range(), QCPRange(-10, 10));
  EXPECT_EQ(plot->xAxis->range(), QCPRange(0, 1));
}

TEST_F(ChartSettingsTest, SeriesAreMatchedByPosition) {
  ChartSettings s = changed();
  s.series.resize(1);
  applyChartSettings(plot.get(), s);
  EXPECT_EQ(plot->graph(0)->name(), QStringLiteral("Alpha"));
  EXPECT_EQ(plot->graph(1)->name(), QStringLiteral("Solid"));
  s = changed();
  s.series.push_back(s.series[0]);
  applyChartSettings(plot.get(), s);
  EXPECT_EQ(readChartSettings(plot.get()).series.size(), 3u);
}

TEST_F(ChartSettingsTest, JsonTextReadsBackTheSameSettings) {
  for (const ChartSettings& s : {readChartSettings(plot.get()), changed()}) {
    QString error;
    const std::optional<ChartSettings> back = fromJson(toJson(s), &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    EXPECT_EQ(*back, s);
  }
}

// A sound text with one field replaced.
QByteArray damaged(const ChartSettings& s, const char* from, const char* to) {
  QByteArray json = toJson(s);
  const qsizetype at = json.indexOf(from);
  EXPECT_GE(at, 0) << from;
  return json.replace(at, qsizetype(qstrlen(from)), to);
}

TEST_F(ChartSettingsTest, DamagedJsonIsRefusedWithItsReason) {
  ChartSettings s = changed();
  s.series[1].title = QStringLiteral("Beta");
  const QByteArray sound = toJson(s);
  struct Case {
    QByteArray json;
    const char* reason;
  };
  const Case cases[] = {
      {QByteArray("{\"version\": 1,"), "not JSON"},
      {QByteArray("[1, 2]"), "not an object"},
      {QByteArray(), "not JSON"},
      {damaged(s, "\"version\": 1", "\"version\": 2"), "version: unknown version"},
      {damaged(s, "\"version\": 1", "\"versio\": 1"), "version: missing"},
      {damaged(s, "\"text\": \"Mole fraction\"", "\"text\": 5"), "foot.text: not a text"},
      {damaged(s, "\"#ff0a141e\"", "\"#0a141e\""), "title.colour: not a colour"},
      {damaged(s, "\"#ff0a141e\"", "\"red\""), "title.colour: not a colour"},
      {damaged(s, "\"DejaVu Serif,", "\"DejaVu Serif;"), "title.font: not a font"},
      {damaged(s, "\"DejaVu Serif,14,", "\"DejaVu Serif,big,"), "title.font: not a font"},
      {damaged(s, "\"DejaVu Serif,14,-1", "\"DejaVu Serif,-1,-1"), "title.font: not a font"},
      {damaged(s, "\"line\": \"dashdot\"", "\"line\": \"wavy\""), "series[0].line: not one of"},
      {damaged(s, "\"scatter\": true", "\"scatter\": 1"), "series[0].scatter: not true or false"},
      {damaged(s, "\"min\": 0.25", "\"min\": 0.75"), "axes.bottom.max: min not below max"},
      {damaged(s, "\"min\": 0.25", "\"min\": \"0.25\""), "axes.bottom.min: not a finite number"},
      {damaged(s, "\"tickStep\": 250", "\"tickStep\": -1"), "axes.left.tickStep: below zero"},
      {damaged(s, "\"series\": [", "\"series\": [7, "), "series[0]: not an object"},
      {damaged(s, "\"legend\": false", "\"legend\": null"), "legend: not true or false"},
  };
  ASSERT_TRUE(fromJson(sound).has_value());
  for (const Case& c : cases) {
    QString error;
    EXPECT_FALSE(fromJson(c.json, &error).has_value()) << c.json.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString() << " / " << c.reason;
  }
}

TEST_F(ChartSettingsTest, GraphsAndCurvesAreSeriesAndAStepGetsATicker) {
  QCustomPlot bare;
  QCPGraph* graph = bare.addGraph();
  graph->setName(QStringLiteral("points"));
  graph->setLineStyle(QCPGraph::lsNone);
  graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 2));
  auto* curve = new QCPCurve(bare.xAxis, bare.yAxis);
  curve->setName(QStringLiteral("node"));
  curve->setData({0.2, 0.8}, {500, 500});
  ChartSettings s = readChartSettings(&bare);
  ASSERT_EQ(s.series.size(), 2u);
  EXPECT_EQ(s.series[0].line, SeriesLine::None);
  EXPECT_TRUE(s.series[0].scatterVisible);
  EXPECT_EQ(s.series[1].line, SeriesLine::Solid);
  EXPECT_FALSE(s.series[1].scatterVisible);
  EXPECT_EQ(s.bottom.tickStep, 0);

  s.series[0].scatterVisible = false;
  s.series[1].line = SeriesLine::None;
  s.series[1].scatterVisible = true;
  s.bottom.tickStep = 0.1;
  applyChartSettings(&bare, s);
  EXPECT_TRUE(graph->scatterStyle().isNone());
  EXPECT_EQ(curve->lineStyle(), QCPCurve::lsNone);
  EXPECT_FALSE(curve->scatterStyle().isNone());
  const ChartSettings back = readChartSettings(&bare);
  EXPECT_EQ(back.series, s.series);
  EXPECT_EQ(back.bottom.tickStep, 0.1);
  // An automatic axis follows the data: the curve's X range.
  EXPECT_EQ(bare.xAxis->range(), QCPRange(0.2, 0.8));
}

TEST_F(ChartSettingsTest, OnlyTheShapesQFontWritesAreFonts) {
  QFont font(QStringLiteral("DejaVu Sans"), 11);
  font.setStyleName(QStringLiteral("Book"));
  struct Case {
    QString text;
    bool expected;
  };
  const Case cases[] = {
      {QFont(QStringLiteral("DejaVu Sans"), 11).toString(), true},
      {font.toString(), true},
      {QStringLiteral("Arial,11,-1,5,50,0,0,0,0,0"), true},
      {QStringLiteral("Arial,-1,11,5,50,0,0,0,0,0"), true},
      {QStringLiteral("Arial"), false},
      {QStringLiteral(",11,-1,5,50,0,0,0,0,0"), false},
      {QStringLiteral("Arial,0,0,5,50,0,0,0,0,0"), false},
      {QStringLiteral("Arial,11,-1,5,50,0,0,0,zero,0"), false},
      {QStringLiteral("Arial,1e9,-1,5,50,0,0,0,0,0"), false},
      {QString(), false},
  };
  for (const Case& c : cases) EXPECT_EQ(isFontText(c.text), c.expected) << c.text.toStdString();
}

}  // namespace
