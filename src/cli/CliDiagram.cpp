#include "cli/CliDiagram.h"

#include "cli/CliDialogs.h"

#ifdef VANTLE_CLI_DIAGRAM

#include "diagram/ChartDecor.h"
#include "diagram/ChartSettings.h"
#include "diagram/TfmDiagram2Drawing.h"
#include "diagram/TfmDiagram2Export.h"
#include "diagram/TfmDiagram2Messages.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <qcustomplot.h>

#include <exception>

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

}  // namespace

bool writeDiagramPicture(Workbench& bench, const std::string& fileName) {
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
  try {
    drawDiagram(&plot, bench, chartFoot(&plot)->text());
  } catch (const std::exception& e) {
    CliDialogs::print("error", e.what());
    return false;
  }
  plot.replot();
  QString error;
  if (writeChartPicture(&plot, QSize(kWidth, kHeight), {}, QString::fromStdString(fileName),
                        &error))
    return true;
  CliDialogs::print("error", error.toStdString());
  return false;
}

#else

bool writeDiagramPicture(Workbench&, const std::string&) {
  CliDialogs::print("error", "--diagram needs the desktop build (VANTLE_GUI=ON)");
  return false;
}

#endif
