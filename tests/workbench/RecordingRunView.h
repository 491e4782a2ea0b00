#pragma once

#include "calc/RunView.h"

#include <functional>
#include <string>
#include <vector>

// A run view with scripted check boxes that records what the run shows.
class RecordingRunView : public RunView {
 public:
  bool byStep() override { return step; }
  bool showWorkingChart() override { return chart; }
  bool showMosaicDiagram() override { return mosaic; }
  void processPendingMessages() override {
    ++pendingCalls;
    if (onPending) onPending();
  }
  void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
  void setProblemGridEnabled(bool enabled) override { gridEnabled = enabled; }
  void setDiagramEnabled(bool enabled) override { diagramEnabled = enabled; }
  void setCaptions(const std::string& name) override { caption = name; }
  void chartRemoveAllSeries() override { series.clear(); }
  void chartAddSeries(const std::string& title, bool dotted) override {
    series.push_back({title, dotted, {}});
  }
  void chartClearPoints() override {
    for (auto& s : series) s.points.clear();
  }
  void chartAddPoint(int index, double x, double y) override {
    series.at(static_cast<std::size_t>(index)).points.push_back({x, y});
  }
  void chartSetLabelIncrement(double value) override { increment = value; }
  void chartLevelDone() override {}
  void mosaicHide() override { mosaicVisible = false; }
  void mosaicShow(bool) override { mosaicVisible = true; }
  int mosaicControlWidth() override { return width; }
  int mosaicControlHeight() override { return height; }
  void mosaicChanged() override { ++mosaicChanges; }

  struct Point {
    double x, y;
  };
  struct Series {
    std::string title;
    bool dotted;
    std::vector<Point> points;
  };

  bool step = false;
  bool chart = true;
  bool mosaic = true;
  int width = 200;
  int height = 110;
  std::function<void()> onPending;
  int pendingCalls = 0;
  std::vector<std::string> statusTexts;
  bool gridEnabled = false;
  bool diagramEnabled = false;
  std::string caption;
  std::vector<Series> series;
  double increment = -1;
  bool mosaicVisible = false;
  int mosaicChanges = 0;
};
