#include "calc/CalculationRun.h"

#include "base/NumberText.h"
#include "base/UserDialogs.h"
#include "calc/RunMessages.h"
#include "calc/RunSlots.h"
#include "calc/RunState.h"
#include "calc/RunView.h"
#include "evaluator/TParser.h"
#include "problem/PhaseLists.h"

#include <cmath>
#include <string>

namespace msg = run_messages;

void CalculationRun::cacheSlots() {
  PhaseLists& phases = m_.phases;
  auto lookUp = [&](TParser& parser, bool phase) {
    EvaluatorSlots slots;
    slots.parser = &parser;
    slots.T = parser.SetVariable("T", 0);
    slots.p = parser.SetVariable("p", m_.run.PValue);
    slots.X = parser.SetVariable("X", 0);
    slots.Sid = parser.SetVariable("Sid", 0);
    if (phase) {
      slots.y = parser.SetVariable("y", 0);
      for (std::size_t i = 0; i < phases.Variables.size(); ++i)
        slots.variables.push_back(parser.SetVariable(phases.Variables[i].text, 0));
    }
    return slots;
  };
  m_solutionSlots.clear();
  for (std::size_t i = 0; i < phases.SolutionPhases.size(); ++i) {
    TParser& parser = *phases.SolutionPhases[i].parser;
    if (parser.Expression().empty()) continue;
    m_solutionSlots.push_back(lookUp(parser, true));
    m_solutionSlots.back().series = static_cast<int>(i);
  }
  m_pointSlots.clear();
  for (auto& point : phases.PointPhases) {
    // A point phase's X was fixed by the parse and stays.
    const double fixedX = point.parser->X();
    m_pointSlots.push_back(lookUp(*point.parser, !point.parser->Expression().empty()));
    *m_pointSlots.back().X = fixedX;
  }
  m_variableSlots.clear();
  for (auto& variable : phases.Variables) m_variableSlots.push_back(lookUp(*variable.parser, false));
  m_sidX = m_.sidParser.SetVariable("X", 0);
  m_slotsGeneration = phases.generation;
}

void CalculationRun::computeLevel() {
  RunState& run = m_.run;
  const double y = run.Ycur;
  run.PointHigh = -1;
  run.PairCount = 0;
  switch (yItem()) {
    case 0:
      run.TValue = y;
      break;
    case 1:
      run.PValue = y;
      break;
    default:
      break;
  }
  // The boxes can change only while pending messages are processed, so once per level is
  // as fresh as every use.
  m_showChart = m_view->showWorkingChart();
  m_showMosaic = m_view->showMosaicDiagram();
  m_view->chartClearPoints();
  if (run.LevelNo % 10 == 0)
    m_view->setStatusText(m_.host.yParameterText() + " = " + formatFloat("0.####", y));
  // T, p and y stay the same over a level: each evaluator gets them once per level, which
  // is what setting them before every evaluation amounts to.
  for (EvaluatorSlots& s : m_solutionSlots) {
    *s.T = run.TValue;
    *s.p = run.PValue;
    *s.y = y;
  }
  for (EvaluatorSlots& v : m_variableSlots) {
    *v.T = run.TValue;
    *v.p = run.PValue;
  }
  run.GLeft = 1e10;
  run.GRight = 1e10;
  m_pointCount = 0;
  for (std::size_t c = 0; c < m_xList.size(); ++c) columnMinimum(c, m_xList[c].X);
  for (std::size_t i = 0; i < m_.phases.PointPhases.size(); ++i) pointPhase(i);
  chordFilter();
  collectHull();
  postProcess();
  if (m_showChart) m_view->chartLevelDone();  // after the "Convex" points of the level
}

void CalculationRun::evaluateVariables(double x) {
  std::vector<double>& values = m_.phases.VariableValues;
  values.resize(m_variableSlots.size());
  for (std::size_t i = 0; i < m_variableSlots.size(); ++i) {
    EvaluatorSlots& v = m_variableSlots[i];
    *v.X = x;
    *v.Sid = m_.run.SidValue;
    const double raw = v.parser->Value();
    // A variable of T alone keeps its value over a level: round it once.
    if (raw != v.lastRaw) {
      v.lastRaw = raw;
      v.lastRounded = roundTo15Digits(raw);
    }
    values[i] = v.lastRounded;
  }
}

void CalculationRun::columnMinimum(std::size_t column, double x) {
  RunState& run = m_.run;
  if (x >= 0 && x <= 1) {
    *m_sidX = x;
    run.SidValue = m_.sidParser.Value();
  } else {
    run.SidValue = 0;
  }
  if (!m_variableSlots.empty()) evaluateVariables(x);
  const std::vector<double>& values = m_.phases.VariableValues;
  double gmin = 1e10;
  int k = -1;
  for (EvaluatorSlots& s : m_solutionSlots) {
    *s.X = x;
    *s.Sid = run.SidValue;
    for (std::size_t v = 0; v < s.variables.size(); ++v) *s.variables[v] = values[v];
    const double g = s.parser->Value();
    if (m_showChart) m_view->chartAddPoint(s.series, x, g);
    // Of equal energies the phase listed first wins; with every energy at 1e10 or above the
    // lowest of them still names the column.
    if (g < gmin || k < 0) {
      gmin = g;
      k = s.series;
    }
  }
  if (x == run.Xmin && gmin < run.GLeft) run.GLeft = gmin;
  if (run.Xmax - x < 1e-12 && gmin < run.GRight) run.GRight = gmin;
  TDPoint& point = m_levelPoints[static_cast<std::size_t>(m_pointCount++)];
  point.IsCompound = false;
  point.Above = false;
  point.X = x;
  point.G = gmin;
  point.Step = run.dX;
  point.Name = &m_.phases.SolutionPhases[static_cast<std::size_t>(k)].text;
  point.NameId = m_phaseIds[static_cast<std::size_t>(k)];
  point.Col = static_cast<std::int32_t>(column) + 1;
  run.PointHigh = m_pointCount - 1;
}

void CalculationRun::pointPhase(std::size_t index) {
  RunState& run = m_.run;
  const double xc = m_pointX[index];
  EvaluatorSlots& s = m_pointSlots[index];
  *m_sidX = xc;
  run.SidValue = m_.sidParser.Value();
  *s.Sid = run.SidValue;
  if (!m_variableSlots.empty()) evaluateVariables(xc);
  PhaseEntry& entry = m_.phases.PointPhases[index];
  if (entry.parser->Expression().empty()) return;
  const std::vector<double>& values = m_.phases.VariableValues;
  for (std::size_t v = 0; v < s.variables.size(); ++v) *s.variables[v] = values[v];
  *s.T = run.TValue;
  *s.p = run.PValue;
  *s.y = run.Ycur;
  TDPoint& point = m_levelPoints[static_cast<std::size_t>(m_pointCount++)];
  point.IsCompound = true;
  point.Above = false;
  point.X = xc;
  point.G = s.parser->Value();
  point.Step = run.dX;
  point.Name = &entry.text;
  point.NameId = m_phaseIds[m_.phases.SolutionPhases.size() + index];
  point.Col = 0;
  run.PointHigh = m_pointCount - 1;
}

void CalculationRun::chordFilter() {
  RunState& run = m_.run;
  run.Slope = (run.GRight - run.GLeft) / (run.Xmax - run.Xmin);
  std::int32_t kept = 0;
  for (std::int32_t i = 0; i < m_pointCount; ++i) {
    TDPoint& point = m_levelPoints[static_cast<std::size_t>(i)];
    const bool end = point.X == run.Xmin || std::fabs(point.X - run.Xmax) < 1e-12;
    if (!end) {
      const double chord = (point.X - run.Xmin) * run.Slope + run.GLeft;
      if (point.G > chord + 1e-10) {
        point.Above = true;
        continue;
      }
      if (std::fabs(point.G - chord) < 1e-10 && run.Xmin < point.X && point.X < run.Xmax)
        continue;
    }
    if (kept != i) m_levelPoints[static_cast<std::size_t>(kept)] = point;
    ++kept;
  }
  m_pointCount = kept;
}

void CalculationRun::collectHull() {
  RunState& run = m_.run;
  m_hullPoints.clear();
  run.HullHigh = -1;
  if (m_pointCount == 0) {
    m_.dialogs.message(msg::kNumberOfPoints + formatInt(run.PointHigh));
    return;
  }
  const auto n = static_cast<std::size_t>(m_pointCount);
  m_hull.npt = m_pointCount;
  m_hull.xpt.resize(n);
  m_hull.ypt.resize(n);
  m_hull.ipt.resize(n);
  m_hull.onhull.assign(n, 1);
  for (std::size_t i = 0; i < n; ++i) {
    m_hull.xpt[i] = m_levelPoints[i].X;
    m_hull.ypt[i] = m_levelPoints[i].G;
    m_hull.ipt[i] = static_cast<std::int32_t>(i);
  }
  if (n >= 2) m_hull.QuickHull();
  m_hullPoints.reserve(n);
  for (std::size_t i = n; i-- > 0;)
    if (m_hull.onhull[i] == 1 && !m_levelPoints[i].Above) m_hullPoints.push_back(m_levelPoints[i]);
  run.HullHigh = static_cast<std::int32_t>(m_hullPoints.size()) - 1;
}
