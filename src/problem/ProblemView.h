#pragma once

#include <string>

// What the per-problem rules change in the main window. The GUI implements it; the command-line
// tool ignores it; tests record it.
class ProblemView {
 public:
  virtual ~ProblemView() = default;
  virtual void setStatusText(const std::string& text) = 0;  // first panel of the status bar
  virtual void setChartVisible(bool visible) = 0;          // the working chart
  virtual void setZLabel(const std::string& text) = 0;
  virtual void setZEditorVisible(bool visible) = 0;
  virtual void setZvalueFormat(const std::string& pattern) = 0;
};

class NullProblemView : public ProblemView {
 public:
  void setStatusText(const std::string&) override {}
  void setChartVisible(bool) override {}
  void setZLabel(const std::string&) override {}
  void setZEditorVisible(bool) override {}
  void setZvalueFormat(const std::string&) override {}
};
