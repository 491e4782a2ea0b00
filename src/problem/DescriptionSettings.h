#pragma once

#include <string>

// What a phase description sets for its run: the diagram's captions, the composition range and
// the values the evaluators receive as "T", "p" and "Sid". The run state extends this record:
// the run moves T or p along the vertical axis and Sid along the compositions, and a later parse
// evaluates the variables with the values as the run left them.
struct DescriptionSettings {
  std::string XCaption;  // from "#XCAP="
  std::string YCaption;  // from "#YCAP="
  double Xmin = 0;
  double Xmax = 0;
  double TValue = 0;    // given to the evaluators' "T"
  double PValue = 0;    // given to the evaluators' "p"
  double SidValue = 0;  // ideal-mixing term at the current composition
};
