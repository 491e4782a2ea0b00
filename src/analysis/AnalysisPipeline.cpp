#include "analysis/AnalysisPipeline.h"

#include "analysis/SpecialPointsStep.h"

AnalysisPipeline::AnalysisPipeline() { add(std::make_unique<SpecialPointsStep>()); }

void AnalysisPipeline::add(std::unique_ptr<AnalysisStep> step) { m_steps.push_back(std::move(step)); }

void AnalysisPipeline::run(const AnalysisInput& input, AnalysisResults& results) const {
  results.failure = nullptr;
  try {
    for (const auto& step : m_steps) step->run(input, results);
  } catch (...) {
    results.failure = std::current_exception();
  }
}
