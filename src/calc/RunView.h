#pragma once

#include <cstdint>
#include <string>

// What a calculation run asks of the windows. The check boxes are read afresh at every use, so
// toggling them during a scan takes effect at once. The GUI implements it with its widgets; the
// command-line tool answers from the problem record; tests script it.
class RunView {
 public:
  virtual ~RunView() = default;

  // "By step", "Show working chart", "Show mosaic diagram".
  virtual bool byStep() = 0;
  virtual bool showWorkingChart() = 0;
  virtual bool showMosaicDiagram() = 0;

  // Lets the windows repaint and the user toggle the check boxes (once per level).
  virtual void processPendingMessages() = 0;
  virtual void setStatusText(const std::string& text) = 0;
  virtual void setProblemGridEnabled(bool enabled) = 0;
  virtual void setDiagramEnabled(bool enabled) = 0;
  virtual void setCaptions(const std::string& problemName) = 0;  // mosaic and diagram windows

  // The working chart: series are numbered in the order they were added.
  virtual void chartRemoveAllSeries() = 0;
  virtual void chartAddSeries(const std::string& title, bool dotted) = 0;
  virtual void chartClearPoints() = 0;
  virtual void chartAddPoint(int series, double x, double y) = 0;
  virtual void chartSetLabelIncrement(double increment) = 0;
  // The last point of a level was added: a chance to repaint.
  virtual void chartLevelDone() = 0;

  // The mosaic window. Hiding and showing it keeps the main window in front.
  virtual void mosaicHide() = 0;
  virtual void mosaicShow(bool keepMainInFront) = 0;
  // The size of the mosaic's image control now, in pixels.
  virtual int mosaicControlWidth() = 0;
  virtual int mosaicControlHeight() = 0;
  // The core's mosaic image changed (a new picture or a new row).
  virtual void mosaicChanged() = 0;
};

// A view that shows nothing; its check boxes are all unchecked.
class NullRunView : public RunView {
 public:
  bool byStep() override { return false; }
  bool showWorkingChart() override { return false; }
  bool showMosaicDiagram() override { return false; }
  void processPendingMessages() override {}
  void setStatusText(const std::string&) override {}
  void setProblemGridEnabled(bool) override {}
  void setDiagramEnabled(bool) override {}
  void setCaptions(const std::string&) override {}
  void chartRemoveAllSeries() override {}
  void chartAddSeries(const std::string&, bool) override {}
  void chartClearPoints() override {}
  void chartAddPoint(int, double, double) override {}
  void chartSetLabelIncrement(double) override {}
  void chartLevelDone() override {}
  void mosaicHide() override {}
  void mosaicShow(bool) override {}
  int mosaicControlWidth() override { return 1; }
  int mosaicControlHeight() override { return 1; }
  void mosaicChanged() override {}
};
