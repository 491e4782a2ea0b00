#include "DiagramFixture.h"

#include "diagram/ChartDecor.h"
#include "diagram/ChartSettings.h"

#include <QDir>
#include <QFile>
#include <qcustomplot.h>

namespace {

using TfmDiagram2SettingsTest = DiagramFixture;

void writeFile(const std::string& name, const QByteArray& bytes) {
  QFile file(QString::fromStdString(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

TEST_F(TfmDiagram2SettingsTest, EditorSettingsComeBackAtTheNextStart) {
  TfmDiagram2& first = open();
  ChartSettings edited = readChartSettings(first.chart1());
  edited.title.colour = Qt::darkBlue;
  edited.title.font.setPixelSize(15);
  edited.foot.text = QStringLiteral("x(Ni)");
  edited.background = QColor(250, 250, 240);
  edited.left.gridVisible = false;
  edited.bottom.tickStep = 0.2;
  modal.onExec = [&](QDialog&) {
    applyChartSettings(first.chart1(), edited);
    return int(QDialog::Accepted);
  };
  first.SpeedButton2Click();
  EXPECT_EQ(first.defaultFootText(), QStringLiteral("x(Ni)"));
  window.reset();
  ASSERT_TRUE(QFile::exists(QString::fromStdString(chartFile())));

  TfmDiagram2& second = open();
  const ChartSettings loaded = readChartSettings(second.chart1());
  EXPECT_EQ(loaded.title, edited.title);
  EXPECT_EQ(loaded.foot, edited.foot);
  EXPECT_EQ(loaded.background, edited.background);
  EXPECT_FALSE(loaded.left.gridVisible);
  EXPECT_DOUBLE_EQ(loaded.bottom.tickStep, 0.2);
  EXPECT_EQ(second.defaultFootText(), QStringLiteral("x(Ni)"));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(TfmDiagram2SettingsTest, SavedFileKeepsNoZoomNoCaptionAndNoFixedAxis) {
  load("#XCAP=Mass fraction Ni\r\nGL=-T*Sid", 300, 1000, 10, 5);
  bench.sbRunClick();
  TfmDiagram2& w = open();
  w.sbDiagramClick(bench.results());
  const QCPRange drawn = w.chart1()->yAxis->range();
  w.chart1()->yAxis->setRange(500, 600);
  setAxisAutoRange(w.chart1()->xAxis, false);
  ASSERT_TRUE(w.saveChartFile());
  QFile file(QString::fromStdString(chartFile()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::optional<ChartSettings> saved = fromJson(file.readAll());
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->foot.text, QStringLiteral("Mole fraction (X) of the component B in system A-B"));
  EXPECT_TRUE(saved->bottom.autoRange);
  EXPECT_TRUE(saved->left.autoRange);
  EXPECT_DOUBLE_EQ(saved->left.min, drawn.lower);
  EXPECT_TRUE(w.regionLabels().isEmpty());
}

TEST_F(TfmDiagram2SettingsTest, DamagedFileIsReportedAndTheDefaultsStay) {
  writeFile(chartFile(), "{\"title\": [1, 2");
  TfmDiagram2& w = open();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "error");
  EXPECT_EQ(dialogs.calls[0].text.rfind("Cannot read the chart settings file Chart.cfg: ", 0), 0u)
      << dialogs.calls[0].text;
  EXPECT_EQ(chartTitle(w.chart1())->text(), QStringLiteral("       T, K"));
  EXPECT_EQ(w.defaultFootText(),
            QStringLiteral("Mole fraction (X) of the component B in system A-B"));
}

TEST_F(TfmDiagram2SettingsTest, UnreadableAndUnwritableFilesAreReported) {
  ASSERT_TRUE(QDir().mkdir(QString::fromStdString(chartFile())));
  TfmDiagram2& w = open();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text.rfind("Cannot read the chart settings file Chart.cfg: ", 0), 0u);
  EXPECT_FALSE(w.saveChartFile());
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].text.rfind("Cannot write the chart settings file Chart.cfg: ", 0), 0u)
      << dialogs.calls[1].text;
}
