#include "diagram/ChartEditorDialog.h"

#include "diagram/ChartDecor.h"
#include "diagram/ColorButton.h"
#include "diagram/WorkingChart.h"

#include "ChartTestPrinting.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

template <typename W>
W* control(QDialog& dialog, const char* name) {
  W* w = dialog.findChild<W*>(QLatin1String(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

struct ChartEditorFixture : ::testing::Test {
  std::unique_ptr<QCustomPlot> plot = std::make_unique<QCustomPlot>();
  WorkingChart chart{plot.get()};
  ChartSettings before = readChartSettings(plot.get());

  // Changes something on every page, as a user would.
  static void edit(ChartEditorDialog& dialog) {
    control<QPlainTextEdit>(dialog, "titleText")->setPlainText(QStringLiteral("Energy"));
    control<QSpinBox>(dialog, "footSize")->setValue(15);
    control<QCheckBox>(dialog, "footItalic")->setChecked(true);
    control<ColorButton>(dialog, "titleColour")->setColour(QColor(0, 128, 0));
    control<QCheckBox>(dialog, "bottomAuto")->setChecked(false);
    control<QDoubleSpinBox>(dialog, "bottomMin")->setValue(0.2);
    control<QDoubleSpinBox>(dialog, "bottomMax")->setValue(0.8);
    control<QLineEdit>(dialog, "leftLabel")->setText(QStringLiteral("G"));
    control<QCheckBox>(dialog, "leftGrid")->setChecked(false);
    control<QDoubleSpinBox>(dialog, "bottomStep")->setValue(0.05);
    control<QListWidget>(dialog, "seriesList")->setCurrentRow(1);
    control<QLineEdit>(dialog, "seriesTitle")->setText(QStringLiteral("Beta"));
    control<QComboBox>(dialog, "seriesLine")->setCurrentIndex(static_cast<int>(SeriesLine::Dash));
    control<QCheckBox>(dialog, "seriesScatter")->setChecked(true);
    control<QCheckBox>(dialog, "seriesVisible")->setChecked(false);
    control<ColorButton>(dialog, "seriesColour")->setColour(QColor(1, 2, 3));
    control<ColorButton>(dialog, "background")->setColour(QColor(240, 240, 255));
    control<QCheckBox>(dialog, "legend")->setChecked(false);
  }
};

using ChartEditorDialogTest = ChartEditorFixture;

TEST_F(ChartEditorDialogTest, OpensOnTheFirstPageShowingTheChart) {
  ChartEditorDialog dialog(plot.get());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit chart"));
  auto* pages = dialog.findChild<QTabWidget*>();
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_EQ(pages->count(), 4);
  EXPECT_EQ(control<QPlainTextEdit>(dialog, "titleText")->toPlainText(), QStringLiteral("       G"));
  EXPECT_EQ(control<QListWidget>(dialog, "seriesList")->count(), 3);
  EXPECT_EQ(control<QLineEdit>(dialog, "seriesTitle")->text(), QStringLiteral("Liquid"));
  EXPECT_FALSE(control<QDoubleSpinBox>(dialog, "leftMin")->isEnabled());
}

TEST_F(ChartEditorDialogTest, OkAppliesTheChanges) {
  ChartEditorDialog dialog(plot.get());
  edit(dialog);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const ChartSettings after = readChartSettings(plot.get());
  EXPECT_EQ(after, dialog.settings());
  EXPECT_EQ(chartTitle(plot.get())->text(), QStringLiteral("Energy"));
  EXPECT_EQ(chartTitle(plot.get())->textColor(), QColor(0, 128, 0));
  EXPECT_EQ(chartFoot(plot.get())->font().pointSize(), 15);
  EXPECT_TRUE(chartFoot(plot.get())->font().italic());
  EXPECT_EQ(plot->xAxis->range(), QCPRange(0.2, 0.8));
  EXPECT_EQ(after.bottom.tickStep, 0.05);
  EXPECT_EQ(plot->yAxis->label(), QStringLiteral("G"));
  EXPECT_FALSE(plot->yAxis->grid()->visible());
  EXPECT_EQ(plot->graph(1)->name(), QStringLiteral("Beta"));
  EXPECT_EQ(plot->graph(1)->pen().style(), Qt::DashLine);
  EXPECT_EQ(plot->graph(1)->pen().color(), QColor(1, 2, 3));
  EXPECT_FALSE(plot->graph(1)->scatterStyle().isNone());
  EXPECT_FALSE(plot->graph(1)->visible());
  EXPECT_EQ(plot->graph(0)->name(), QStringLiteral("Liquid"));
  EXPECT_EQ(after.background, QColor(240, 240, 255));
  EXPECT_FALSE(plot->legend->visible());
}

TEST_F(ChartEditorDialogTest, CancelChangesNothing) {
  ChartEditorDialog dialog(plot.get());
  edit(dialog);
  dialog.reject();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(readChartSettings(plot.get()), before);
}

TEST_F(ChartEditorDialogTest, OkWithoutChangesKeepsEverySetting) {
  ChartSettings s = before;
  s.title.font = QFont(QStringLiteral("Some Font Nobody Has"), 9);
  s.left = {false, -12345.6789012345, 0.123456789, QString(), true, 0};
  applyChartSettings(plot.get(), s);
  ChartEditorDialog dialog(plot.get());
  dialog.accept();
  EXPECT_EQ(readChartSettings(plot.get()), s);
}

TEST_F(ChartEditorDialogTest, AnEmptyFixedRangeKeepsTheDialogOpenAndTheChartUnchanged) {
  ChartEditorDialog dialog(plot.get());
  dialog.open();
  control<QPlainTextEdit>(dialog, "titleText")->setPlainText(QStringLiteral("Energy"));
  control<QCheckBox>(dialog, "leftAuto")->setChecked(false);
  control<QDoubleSpinBox>(dialog, "leftMin")->setValue(5);
  control<QDoubleSpinBox>(dialog, "leftMax")->setValue(5);
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(control<QLabel>(dialog, "problem")->text().isEmpty());
  EXPECT_EQ(dialog.findChild<QTabWidget*>()->currentIndex(), 1);
  EXPECT_EQ(readChartSettings(plot.get()), before);
  control<QDoubleSpinBox>(dialog, "leftMax")->setValue(6);
  dialog.accept();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(plot->yAxis->range(), QCPRange(5, 6));
}

}  // namespace
