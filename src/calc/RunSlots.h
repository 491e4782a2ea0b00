#pragma once

#include "calc/CalculationRun.h"

#include <vector>

class TParser;

// The value slots of one evaluator that a level writes, looked up once per restart: writing a
// slot is what SetVariable does to an existing variable, without the name search per point.
struct CalculationRun::EvaluatorSlots {
  TParser* parser = nullptr;
  double* T = nullptr;
  double* p = nullptr;
  double* y = nullptr;
  double* X = nullptr;
  double* Sid = nullptr;
  std::vector<double*> variables;  // in Variables order
};
