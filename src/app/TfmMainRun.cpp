#include "app/TfmMain.h"
#include "diagram/TfmDiagram2.h"
#include "diagram/TfmMDiagram.h"
#include "diagram/WorkingChart.h"
#include "workbench/Workbench.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QToolButton>

#include <qcustomplot.h>

void TfmMain::sbRunClick() {
  // A click while a scan processes its pending messages is not a new run.
  if (m_workbench->running()) return;
  setScanning(true);
  guarded([&] { m_workbench->sbRunClick(); });
  setScanning(false);
  // However the click ended (complete, paused, or an error in a formula), the user may choose
  // another problem now.
  setProblemGridEnabled(true);
  m_workingChart->flush();
  if (m_closePending) {
    m_closePending = false;
    close();
  }
}

void TfmMain::chbStepClick() { setProblemGridEnabled(m_chbStep->isChecked()); }

void TfmMain::chbShowChartClick() {
  const bool visible = m_chbShowChart->isChecked();
  m_chart1->setVisible(visible);
  m_sbEditChart->setVisible(visible);
}

bool TfmMain::byStep() { return m_chbStep->isChecked() || m_closePending; }

bool TfmMain::showWorkingChart() { return m_chbShowChart->isChecked(); }

bool TfmMain::showMosaicDiagram() { return m_chbShowMosaic->isChecked(); }

void TfmMain::processPendingMessages() { QCoreApplication::processEvents(); }

// The list and its navigator go together: a scan must not have its problem changed under it.
void TfmMain::setProblemGridEnabled(bool enabled) {
  m_dbgProblems->setEnabled(enabled);
  for (QToolButton* button : m_navigator) button->setEnabled(enabled);
}

void TfmMain::setDiagramEnabled(bool enabled) { m_sbDiagram->setEnabled(enabled); }

void TfmMain::setCaptions(const std::string& problemName) {
  const QString caption = QString::fromStdString(problemName);
  m_mosaicWindow->setWindowTitle(caption);
  m_diagramCaption = caption;
  if (m_diagramWindow) m_diagramWindow->setWindowTitle(caption);
}

void TfmMain::chartRemoveAllSeries() { m_workingChart->removeAllSeries(); }

void TfmMain::chartAddSeries(const std::string& title, bool dotted) {
  m_workingChart->addSeries(title, dotted);
}

void TfmMain::chartClearPoints() { m_workingChart->clearPoints(); }

void TfmMain::chartAddPoint(int series, double x, double y) {
  m_workingChart->addPoint(series, x, y);
}

void TfmMain::chartSetLabelIncrement(double increment) {
  m_workingChart->setLabelIncrement(increment);
}

void TfmMain::chartLevelDone() { m_workingChart->levelDone(); }

void TfmMain::mosaicHide() { m_mosaicWindow->hide(); }

void TfmMain::mosaicShow(bool keepMainInFront) {
  m_mosaicWindow->show();
  m_mosaicWindow->raise();
  if (!keepMainInFront) return;
  raise();
  activateWindow();
}

int TfmMain::mosaicControlWidth() { return m_mosaicWindow->imageControlSize().width(); }

int TfmMain::mosaicControlHeight() { return m_mosaicWindow->imageControlSize().height(); }

void TfmMain::mosaicChanged() { m_mosaicWindow->imageChanged(); }
