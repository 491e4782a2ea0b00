#pragma once

#include "evaluator/TCustomParser.h"

// The evaluator the system uses: the eight built-in variables A, B, C, D, E, X, Y, T
// (slots in the object, read and written directly through the accessors below) and the
// seventeen built-in functions.
class TParser : public TCustomParser {
 public:
  TParser();

  double& A() { return m_builtIn[kA]; }
  double& B() { return m_builtIn[kB]; }
  double& C() { return m_builtIn[kC]; }
  double& D() { return m_builtIn[kD]; }
  double& E() { return m_builtIn[kE]; }
  double& X() { return m_builtIn[kX]; }
  double& Y() { return m_builtIn[kY]; }
  double& T() { return m_builtIn[kT]; }
};
