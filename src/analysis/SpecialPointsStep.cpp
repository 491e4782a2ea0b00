#include "analysis/SpecialPointsStep.h"

#include "analysis/FindSpecialPoints.h"

void SpecialPointsStep::run(const AnalysisInput& input, AnalysisResults& results) {
  FindSpecialPoints(input.run.grid, input.yParameter, results.NodeList, results.OtherPoints,
                    results.SpecialPoints);
}
