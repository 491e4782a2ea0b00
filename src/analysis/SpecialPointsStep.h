#pragma once

#include "analysis/AnalysisPipeline.h"

// The special point search on the run's grid: NodeList, OtherPoints and SpecialPoints.
class SpecialPointsStep : public AnalysisStep {
 public:
  void run(const AnalysisInput& input, AnalysisResults& results) override;
};
