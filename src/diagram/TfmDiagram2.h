#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <qcustomplot.h>

class PhaseGrid;
class ModalDialogs;
class QLabel;
class QMimeData;
class QPushButton;
class UserDialogs;
struct RunResults;

// The phase diagram window: the chart of the last run, the readout of the coordinates under the
// mouse, region labels the user places on the chart, zoom and scroll with their undo, the copy
// to the clipboard and the chart editor. It keeps the chart's settings in "Chart.cfg" of the
// current folder: read when the window is made, written when it is destroyed.
class TfmDiagram2 : public QWidget {
  Q_OBJECT

 public:
  TfmDiagram2(UserDialogs& dialogs, ModalDialogs& modal, QWidget* parent = nullptr);
  ~TfmDiagram2() override;

  QCustomPlot* chart1() const { return m_chart; }
  QLabel& readout() const { return *m_readout; }
  QPushButton& undoZoomButton() const { return *m_sbUndoZoom; }
  const QString& defaultFootText() const { return m_defaultFootText; }
  QList<QLabel*> regionLabels() const;

  // The diagram command: labels cleared, the diagram of the results drawn, zoom undone, shown.
  // After a failed analysis the tie points are drawn and its exception is raised again, so that
  // the command reports it; the window then stays as it was (hidden when it was). The window
  // keeps reading the results' grid for its labels: it must outlive the window's use of it.
  void sbDiagramClick(const RunResults& results);
  void ClearLabels();

  // Handlers, as the chart's events and the buttons call them; positions in chart pixels.
  void Chart1MouseMove(const QPoint& pos);
  void Chart1MouseUp(const QPoint& pos, Qt::MouseButton button);
  void Chart1Zoom();
  void Chart1UndoZoom();
  void sbUndoZoomClick();
  void sbCopyClick();
  void sbSavePictureClick();
  void SpeedButton2Click();  // Edit chart
  void FormActivate();

  // The chart and its labels as they are copied: SVG, and a bitmap.
  QByteArray chartSvg();
  QImage chartImage();

  // The picture with its labels, as SVG, PNG or PDF by the extension; a failure is reported.
  bool savePicture(const QString& fileName);

  // Writes "Chart.cfg" as the window's destruction does; false after a reported failure.
  bool saveChartFile();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* createBottomPanel();
  void connectChart();
  void loadChartFile();
  void restoreRanges();
  void rememberRanges();
  QLabel* addLabel(const QString& text, const QPoint& topLeft);
  bool labelEvent(QLabel* label, QEvent* event);
  void dropLabel(QLabel* label, const QPoint& chartPos);
  void paintLabels(QPainter& painter) const;
  QMimeData* copyData();

  UserDialogs& m_dialogs;
  ModalDialogs& m_modal;
  QCustomPlot* m_chart = nullptr;
  QLabel* m_readout = nullptr;
  QPushButton* m_sbUndoZoom = nullptr;
  QString m_defaultFootText;
  const PhaseGrid* m_grid = nullptr;
  QCPRange m_homeX{0, 1};
  QCPRange m_homeY{0, 1};
  bool m_settingRanges = false;  // our own range changes are no zoom
  QPoint m_pressPos;
  QLabel* m_dragged = nullptr;
};
