#pragma once

#include "calc/CalculationRun.h"

#include <limits>
#include <vector>

class TParser;

// The value slots of one evaluator that a level writes, looked up once per restart: writing a
// slot is what SetVariable does to an existing variable, without the name search per point.
struct CalculationRun::EvaluatorSlots {
  TParser* parser = nullptr;
  int series = 0;  // a solution phase's index in SolutionPhases (its chart series)
  double* T = nullptr;
  double* p = nullptr;
  double* y = nullptr;
  double* X = nullptr;
  double* Sid = nullptr;
  std::vector<double*> variables;  // in Variables order
  double lastRaw = std::numeric_limits<double>::quiet_NaN();  // a variable's last value...
  double lastRounded = 0;                                     // ...and what it passes on
};
