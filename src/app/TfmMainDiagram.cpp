#include "app/TfmMain.h"

#include "diagram/TfmDiagram2.h"
#include "diagram/TfmSpecPoints.h"
#include "problem/ProblemFields.h"
#include "workbench/Workbench.h"

void TfmMain::sbDiagramClick() {
  if (!m_diagramWindow) {
    guarded([&] { m_workbench->findSpecialPoints(); });
    return;
  }
  guarded([&] { m_diagramWindow->sbDiagramClick(*m_workbench); });
  // The search ran, to its end or up to its failure: the list shows what it found.
  m_specPointsWindow->showOtherPoints(m_workbench->otherPoints());
}

void TfmMain::sbSpecialPointsClick() {
  guarded([&] {
    fillSpecialPointsTable();
    m_specPointsWindow->show();
    m_specPointsWindow->raise();
  });
}

void TfmMain::fillSpecialPointsTable() {
  ProblemTable& table = m_workbench->table();
  const std::string yName =
      table.active() ? table.asString(fieldName(ProblemField::Yparameter)) : std::string();
  m_specPointsWindow->fillNodeTable(m_workbench->nodeList(), yName);
}

// What a complete scan ends with: the diagram, and an open special points window refreshed.
void TfmMain::runCompleted() {
  m_sbDiagram->setEnabled(true);
  sbDiagramClick();
  if (m_specPointsWindow && m_specPointsWindow->isVisible()) guarded([&] { fillSpecialPointsTable(); });
}
