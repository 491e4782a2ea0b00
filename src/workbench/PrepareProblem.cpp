#include "base/UserDialogs.h"
#include "problem/ProblemFields.h"
#include "problem/ProblemMessages.h"
#include "workbench/Workbench.h"

#include <algorithm>
#include <cmath>

namespace msg = problem_messages;

void Workbench::PrepareProblem() {
  RunState& run = m_run;
  run.PrepareFailed = true;
  if (!postPending()) return;
  if (!m_description.ParsePhaseText(m_table.asString(fieldName(ProblemField::Functs)))) return;
  if (m_phases.SolutionPhases.empty()) {
    m_dialogs.error(msg::kNoGibbsEnergy);
    return;
  }
  run.Ymin = m_table.asFloat(fieldName(ProblemField::Ymin));
  run.Ymax = m_table.asFloat(fieldName(ProblemField::Ymax));
  if (run.Ymax < run.Ymin) {
    m_dialogs.warning(msg::kYmaxBelowYmin);
    return;
  }
  const double zvalue = m_table.asFloat(fieldName(ProblemField::Zvalue));
  switch (yParameterItem(m_table.asString(fieldName(ProblemField::Yparameter)))) {
    case 0:
      run.PValue = zvalue;
      break;
    case 1:
      run.TValue = zvalue;
      break;
    default:
      break;
  }
  if (!(run.PValue > 0)) run.PValue = 1;
  m_sidParser.SetVariable("p", run.PValue);
  for (auto& phase : m_phases.SolutionPhases)
    if (!phase.parser->Expression().empty()) phase.parser->SetVariable("p", run.PValue);
  run.Ycur = run.Ymax;
  const int m = std::max(m_table.asInteger(fieldName(ProblemField::YPoints)), 1);
  const int n = std::max(m_table.asInteger(fieldName(ProblemField::XPoints)) - 1, 1);
  run.dX = (run.Xmax - run.Xmin) / (n + 1);
  // Round to nearest, halves to even (the default rounding mode).
  const double increment = std::nearbyint((run.Xmax - run.Xmin) * 1000) / 10000;
  m_calc.view().chartSetLabelIncrement(increment < 0 ? 0 : increment);
  run.dY = (run.Ymax - run.Ymin) / m;
  run.MosaicRow = 0;
  run.LevelNo = -1;
  m_calc.clearTiePoints(static_cast<std::size_t>(m) + 1);
  run.PrepareFailed = false;
}
