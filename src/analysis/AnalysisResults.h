#pragma once

#include "analysis/FindSpecialPoints.h"
#include "calc/ResultRecords.h"

#include <exception>
#include <string>
#include <vector>

// What the analysis of a run found: the nodes, the other special points and every special point
// in the order found. A step that failed leaves what it had found and its exception, which the
// diagram command reports after drawing what it can.
struct AnalysisResults {
  TNodeList NodeList;
  std::vector<std::string> OtherPoints;
  std::vector<SpecialPoint> SpecialPoints;
  std::exception_ptr failure;

  bool failed() const { return failure != nullptr; }
  // Raises the failure again, so that a caller reports it as the step raised it.
  void rethrowFailure() const {
    if (failure) std::rethrow_exception(failure);
  }
};
