#include "app/TfmMain.h"

#include "diagram/TfmDiagram2.h"
#include "diagram/TfmSpecPoints.h"
#include "workbench/Workbench.h"

// The Diagram button: the analysis of the records as they stand, then the drawing.
void TfmMain::sbDiagramClick() {
  m_workbench->analyse();
  drawDiagram();
}

// What the analysis found is drawn; a failed analysis is reported after the tie points are.
void TfmMain::drawDiagram() {
  if (!m_diagramWindow) {
    guarded([&] { m_workbench->analysis().rethrowFailure(); });
    return;
  }
  guarded([&] { m_diagramWindow->sbDiagramClick(m_workbench->results()); });
  // The search ran, to its end or up to its failure: the list shows what it found.
  m_specPointsWindow->showOtherPoints(m_workbench->analysis().OtherPoints);
}

void TfmMain::sbSpecialPointsClick() {
  guarded([&] {
    fillSpecialPointsTable();
    m_specPointsWindow->show();
    m_specPointsWindow->raise();
  });
}

void TfmMain::fillSpecialPointsTable() {
  m_specPointsWindow->fillNodeTable(m_workbench->analysis().NodeList,
                                    m_workbench->yParameterName());
}

// What a complete scan ends with, once its analysis has run: the diagram, and an open special
// points window refreshed.
void TfmMain::runCompleted() {
  m_sbDiagram->setEnabled(true);
  drawDiagram();
  if (m_specPointsWindow && m_specPointsWindow->isVisible()) guarded([&] { fillSpecialPointsTable(); });
}
