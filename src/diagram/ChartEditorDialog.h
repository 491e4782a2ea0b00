#pragma once

#include "diagram/ChartSettings.h"

#include <QDialog>

class ColorButton;
class QCheckBox;
class QComboBox;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;

// "Edit chart": titles, axes, series and background of any of our charts. It edits a copy of
// the chart's settings; OK applies the copy and replots, Cancel leaves the chart as it was.
// Fields the user does not touch are applied exactly as they were read.
class ChartEditorDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ChartEditorDialog(QCustomPlot* plot, QWidget* parent = nullptr);

  // The settings as edited so far.
  const ChartSettings& settings() const { return m_settings; }

  // Applies the settings unless a fixed axis range is empty (then says so and stays open).
  void accept() override;

 private:
  QWidget* titlesPage();
  QWidget* textGroup(const QString& caption, const QString& name, ChartText& text);
  QWidget* axesPage();
  QWidget* axisGroup(const QString& caption, const QString& name, AxisSettings& axis);
  QWidget* seriesPage();
  QWidget* backgroundPage();
  void showSeries(int row);
  QString rangeProblem() const;

  QCustomPlot* m_plot;
  ChartSettings m_settings;
  QTabWidget* m_pages = nullptr;
  QLabel* m_problem = nullptr;
  QListWidget* m_seriesList = nullptr;
  QLineEdit* m_seriesTitle = nullptr;
  ColorButton* m_seriesColour = nullptr;
  QComboBox* m_seriesLine = nullptr;
  QCheckBox* m_seriesScatter = nullptr;
  QCheckBox* m_seriesVisible = nullptr;
  bool m_showingSeries = false;
};
