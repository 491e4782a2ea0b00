#pragma once

#include "analysis/AnalysisResults.h"
#include "calc/RunRecords.h"

#include <string>

// A run as its readers see it (the diagram, the reports, the output files): the run's records,
// what the analysis found in them, and the Y parameter's name of the current problem.
struct RunResults {
  RunRecords run;
  const AnalysisResults& analysis;
  std::string yParameter;
};
