#include "cli/CliDiagram.h"

#include "cli/CliDialogs.h"

#ifdef VANTLE_CLI_DIAGRAM

#include "analysis/RegionLabel.h"
#include "analysis/RunResults.h"
#include "diagram/ChartDecor.h"
#include "diagram/ChartSettings.h"
#include "diagram/TfmDiagram2Drawing.h"
#include "diagram/TfmDiagram2Export.h"
#include "diagram/TfmDiagram2Messages.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>
#include <qcustomplot.h>


namespace {

// The chart of the diagram window as it opens.
constexpr int kWidth = 760;
constexpr int kHeight = 560;

void applyUserSettings(QCustomPlot& plot) {
  QFile file(QLatin1String(diagrammsg::kChartFileName));
  if (!file.exists()) return;
  QString reason = file.errorString();
  if (file.open(QIODevice::ReadOnly)) {
    if (const auto settings = fromJson(file.readAll(), &reason)) {
      applyChartSettings(&plot, *settings);
      return;
    }
  }
  CliDialogs::print("warning", std::string(diagrammsg::kCannotRead) + diagrammsg::kChartFileName +
                                   ": " + reason.toStdString());
}

// The labels' texts where a click at each position would put them (top-left at the point).
ChartOverlay labelOverlay(QCustomPlot& plot, const PhaseGrid& grid,
                          const std::vector<std::pair<double, double>>& labels) {
  return [&plot, &grid, labels](QPainter& painter) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font);
    for (const auto& [x, y] : labels) {
      const auto text = regionLabelText(grid, x, y);
      if (!text) continue;
      const QPoint topLeft(static_cast<int>(plot.xAxis->coordToPixel(x)),
                           static_cast<int>(plot.yAxis->coordToPixel(y)));
      painter.drawText(topLeft + QPoint(0, metrics.ascent()), QString::fromStdString(*text));
    }
  };
}

}  // namespace

bool writeDiagramPicture(const RunResults& results, const std::string& fileName,
                         const std::vector<std::pair<double, double>>& labels) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt wants a private runtime folder; a temporary one keeps its warning off stderr.
  QTemporaryDir runtimeDir;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
  int argc = 1;
  char name[] = "vantle-cli";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  QCustomPlot plot;
  // The copy is one pixel smaller than the chart each way.
  plot.resize(kWidth + 1, kHeight + 1);
  setUpDiagramChart(&plot);
  applyUserSettings(plot);
  drawDiagram(&plot, results, chartFoot(&plot)->text());
  plot.replot();
  QString error;
  if (writeChartPicture(&plot, QSize(kWidth, kHeight), labelOverlay(plot, results.run.grid, labels),
                        QString::fromStdString(fileName), &error))
    return true;
  CliDialogs::print("error", error.toStdString());
  return false;
}

#else

bool writeDiagramPicture(const RunResults&, const std::string&,
                         const std::vector<std::pair<double, double>>&) {
  CliDialogs::print("error", "--diagram needs the desktop build (VANTLE_GUI=ON)");
  return false;
}

#endif
