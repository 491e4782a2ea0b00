#pragma once

#include <string>
#include <vector>

// One definition of a generated phase description with the comments above it.
struct DescriptionLine {
  std::vector<std::string> comments;  // each with its "% "
  std::string head;                   // "GHSERPB=", "GLIQUID=", "X=1/4;GCAL3NI="
  std::string expression;
};

// The definition as text lines ending in "\n": the comments, then head and expression, cut
// before a "+" or "-" into lines joined by "..." so that a person can read it; the parse joins
// them back into the one line compiled.
std::string writeDescriptionLine(const DescriptionLine& line);
