#pragma once

#include "evaluator/TParser.h"
#include "problem/DescriptionSettings.h"
#include "problem/PhaseDescription.h"
#include "problem/PhaseLists.h"

#include <memory>
#include <string>
#include <string_view>

class UserDialogs;

// A phase description parsed as the program parses it, whose phases can then be evaluated at
// any composition and temperature, each given what a run gives it.
class DescriptionProbe {
 public:
  // Throws the evaluator's errors, and std::runtime_error with the parse's warning when a
  // point phase is rejected.
  explicit DescriptionProbe(std::string_view description);
  ~DescriptionProbe();

  const PhaseLists& phases() const { return m_lists; }
  // The energy of solution phase `index` at (x, t), or of point phase `index` at its own X.
  double solution(std::size_t index, double x, double t);
  double point(std::size_t index, double t);
  // The index of the solution phase of that name (upper case); -1 when none.
  int solutionIndex(const std::string& name) const;

 private:
  double sid(double x);

  std::unique_ptr<UserDialogs> m_dialogs;
  PhaseLists m_lists;
  TParser m_sid;
  DescriptionSettings m_settings;
  PhaseDescription m_description;
};
