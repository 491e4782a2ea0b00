#pragma once

#include "analysis/AnalysisResults.h"
#include "calc/RunRecords.h"

#include <memory>
#include <string>
#include <vector>

// What every analysis step reads: the finished run and the name of its Y parameter as the
// current problem gives it.
struct AnalysisInput {
  RunRecords run;
  std::string yParameter;
};

// One analysis of a finished run. A step writes its own part of the results; it may read what
// the steps before it wrote.
class AnalysisStep {
 public:
  virtual ~AnalysisStep() = default;
  virtual void run(const AnalysisInput& input, AnalysisResults& results) = 0;
};

// The ordered analysis a completed run goes through before the windows are told, the same for
// the desktop program and the command line. A new analysis is a new step, added in order.
class AnalysisPipeline {
 public:
  // The standard steps: the special point search.
  AnalysisPipeline();

  void add(std::unique_ptr<AnalysisStep> step);
  // Runs the steps in order. A step that throws ends the pipeline: its exception is kept in the
  // results with what the steps found until then.
  void run(const AnalysisInput& input, AnalysisResults& results) const;

 private:
  std::vector<std::unique_ptr<AnalysisStep>> m_steps;
};
