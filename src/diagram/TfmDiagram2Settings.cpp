#include "diagram/TfmDiagram2.h"

#include "base/UserDialogs.h"
#include "diagram/ChartDecor.h"
#include "diagram/ChartSettings.h"
#include "diagram/TfmDiagram2Messages.h"

#include <QFile>
#include <QSaveFile>
#include <QScopedValueRollback>

namespace {

std::string failure(const char* what, const QString& reason) {
  return std::string(what) + diagrammsg::kChartFileName + ": " + reason.toStdString();
}

}  // namespace

// A file that cannot be read or makes no sound settings is reported; the chart keeps its
// initial settings and the window opens all the same.
void TfmDiagram2::loadChartFile() {
  QFile file(QLatin1String(diagrammsg::kChartFileName));
  if (!file.exists()) return;
  if (!file.open(QIODevice::ReadOnly)) {
    m_dialogs.error(failure(diagrammsg::kCannotRead, file.errorString()));
    return;
  }
  QString reason;
  const std::optional<ChartSettings> settings = fromJson(file.readAll(), &reason);
  if (!settings) {
    m_dialogs.error(failure(diagrammsg::kCannotRead, reason));
    return;
  }
  applyChartSettings(m_chart, *settings);
  m_chart->replot();
}

// The file keeps the user's settings, never a zoom, a label or a problem's X caption.
bool TfmDiagram2::saveChartFile() {
  ClearLabels();
  QScopedValueRollback<bool> own(m_settingRanges, true);
  restoreRanges();
  setAxisAutoRange(m_chart->xAxis, true);
  setAxisAutoRange(m_chart->yAxis, true);
  chartFoot(m_chart)->setText(m_defaultFootText);
  QSaveFile file(QLatin1String(diagrammsg::kChartFileName));
  if (!file.open(QIODevice::WriteOnly) || file.write(toJson(readChartSettings(m_chart))) < 0 ||
      !file.commit()) {
    m_dialogs.error(failure(diagrammsg::kCannotWrite, file.errorString()));
    return false;
  }
  return true;
}
