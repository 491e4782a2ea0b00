#pragma once

#include "app/SettingsFile.h"
#include "calc/RunView.h"
#include "problem/ProblemFields.h"
#include "problem/ProblemView.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>

class FileDialogs;
class ModalDialogs;
class ProblemListModel;
class QAction;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QCustomPlot;
class QGroupBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTableView;
class QToolButton;
class QWidget;
class TfmDiagram2;
class TfmMDiagram;
class TfmSpecPoints;
class UserDialogs;
class Workbench;
class WorkingChart;

// The main window: the problem list of the working database, the editors of the current
// problem, the working chart and the commands. Start-up runs in the constructor, shutdown when
// the window closes. It is the run's view: the run reads its check boxes and draws on its chart
// and on the mosaic window.
class TfmMain : public QMainWindow, public ProblemView, public RunView {
  Q_OBJECT

 public:
  static constexpr int kDesignedLeft = 57;
  static constexpr int kDesignedTop = 25;
  static constexpr int kDesignedWidth = 877;
  static constexpr int kDesignedHeight = 678;

  TfmMain(UserDialogs& dialogs, FileDialogs& fileDialogs, ModalDialogs& modalDialogs,
          SettingsFile settingsFile, QWidget* parent = nullptr);
  ~TfmMain() override;

  Workbench& workbench() { return *m_workbench; }
  ProblemListModel& problemModel() { return *m_problemModel; }
  QTableView& dbgProblems() { return *m_dbgProblems; }
  QCheckBox& chbSave() { return *m_chbSave; }
  QLabel& statusPanel(int index) { return *m_statusPanels.at(static_cast<std::size_t>(index)); }
  QCustomPlot& chart1() { return *m_chart1; }
  WorkingChart& workingChart() { return *m_workingChart; }
  TfmMDiagram& mosaicWindow() { return *m_mosaicWindow; }
  TfmDiagram2& diagramWindow() { return *m_diagramWindow; }
  TfmSpecPoints& specPointsWindow() { return *m_specPointsWindow; }
  // The caption the diagram window takes when it exists.
  const QString& diagramCaption() const { return m_diagramCaption; }

  // ProblemView and RunView: what the rules and the run change in this window.
  void setStatusText(const std::string& text) override;
  void setChartVisible(bool visible) override;
  void setZLabel(const std::string& text) override;
  void setZEditorVisible(bool visible) override;
  void setZvalueFormat(const std::string& pattern) override;

  // RunView.
  bool byStep() override;
  bool showWorkingChart() override;
  bool showMosaicDiagram() override;
  void processPendingMessages() override;
  void setProblemGridEnabled(bool enabled) override;
  void setDiagramEnabled(bool enabled) override;
  void setCaptions(const std::string& problemName) override;
  void chartRemoveAllSeries() override;
  void chartAddSeries(const std::string& title, bool dotted) override;
  void chartClearPoints() override;
  void chartAddPoint(int series, double x, double y) override;
  void chartSetLabelIncrement(double increment) override;
  void chartLevelDone() override;
  void mosaicHide() override;
  void mosaicShow(bool keepMainInFront) override;
  int mosaicControlWidth() override;
  int mosaicControlHeight() override;
  void mosaicChanged() override;

  bool chartVisible() const { return m_chartVisible; }
  const QString& zLabelText() const { return m_zLabelText; }
  bool zEditorVisible() const { return m_zEditorVisible; }
  const QString& zvalueFormat() const { return m_zvalueFormat; }

  // Commands, as the menu and the buttons call them.
  void sbRunClick();
  void chbStepClick();
  void chbShowChartClick();
  void N1Click();  // File > Open
  void N5Click();  // File > Create
  void N6Click();  // File > Save
  void importTdbClick();  // File > Import thermodynamic database
  void N3Click();  // File > Close and the Close button
  void N4Click();  // Mosaic diagram color
  void About1Click();
  void sbEditChartClick();
  void sbDiagramClick();
  void sbSpecialPointsClick();
  void navInsertClick();
  void navDeleteClick();
  void navCancelClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void dbgProblemsCurrentRowChanged(const QModelIndex& current, const QModelIndex& previous);

 private:
  class ReloadGuard;
  class RunKeyFilter;

  // An editor of one number field of the current problem.
  struct FieldEditor {
    ProblemField field;
    QLineEdit* edit = nullptr;
    bool modified = false;
  };

  // Layout (TfmMainLayout.cpp, TfmMainPanel.cpp).
  void createLayout();
  QGroupBox* createProblemsGroup();
  QWidget* createWorkArea();
  QWidget* createBottomPanel();
  QWidget* createRunButtons();
  QWidget* createZEditor();
  QGroupBox* createYAxisGroup();
  QGroupBox* createPointsGroup();
  QGroupBox* createDemonstrationGroup();
  QLineEdit* createFieldEditor(ProblemField field, const char* name);
  void createMenu();
  void createStatusBar();
  void connectControls();

  // Start-up and shutdown (TfmMainStartup.cpp).
  void FormCreate();
  bool FormDestroy();
  void applyPlacement(const QRect& placement);
  QRect placement() const;
  void writeSettings();
  // Opens a database, normalises it and prepares its current problem.
  void openAndPrepare(const std::string& fileName);

  // Table events and the list (TfmMainHandlers.cpp).
  void attachTableEvents();
  void syncListToTable();
  bool problemListKey(QKeyEvent* key);

  // Editors bound to the current problem (TfmMainEditors.cpp).
  void refreshEditors();
  void showFieldEditor(FieldEditor& editor, bool editing);
  void writeFieldEditor(FieldEditor& editor);
  void fieldEditorExit(FieldEditor& editor);
  void writeFunctions();
  // Every editor's pending text into the record, just before a post.
  void flushEditors();
  // The user changed an editor: the record goes into edit state.
  bool startEditing();
  void dbcbYChange(int item);
  void showFlagClicked(ProblemField field, bool checked);
  bool fieldEditorEvent(FieldEditor& editor, QEvent* event);
  FieldEditor* fieldEditorOf(QObject* watched);

  // The diagram and special points windows (TfmMainDiagram.cpp).
  void runCompleted();
  void drawDiagram();
  void fillSpecialPointsTable();

  // While an unpaused scan runs, nothing may replace the database under it.
  void setScanning(bool scanning);
  bool refuseDuringScan() const;

  // Runs a command; an exception it throws is shown in the general error box.
  template <typename Command>
  bool guarded(Command&& command);
  void showGeneralError(const std::string& text);

  UserDialogs& m_dialogs;
  FileDialogs& m_fileDialogs;
  ModalDialogs& m_modalDialogs;
  SettingsFile m_settingsFile;
  std::unique_ptr<Workbench> m_workbench;
  std::unique_ptr<RunKeyFilter> m_runKeyFilter;
  ProblemListModel* m_problemModel = nullptr;

  QTableView* m_dbgProblems = nullptr;
  std::array<QToolButton*, 3> m_navigator{};
  QCustomPlot* m_chart1 = nullptr;
  QSplitter* m_splitter = nullptr;
  QPlainTextEdit* m_memFunctions = nullptr;
  QPushButton* m_sbRun = nullptr;
  QPushButton* m_sbDiagram = nullptr;
  QPushButton* m_sbEditChart = nullptr;
  QPushButton* m_sbSpecialPoints = nullptr;
  QPushButton* m_sbClose = nullptr;
  QCheckBox* m_chbStep = nullptr;
  QLabel* m_lblZ = nullptr;
  QComboBox* m_dbcbY = nullptr;
  std::array<FieldEditor, 5> m_fieldEditors{{{ProblemField::Zvalue},
                                             {ProblemField::Ymin},
                                             {ProblemField::Ymax},
                                             {ProblemField::XPoints},
                                             {ProblemField::YPoints}}};
  QCheckBox* m_chbShowMosaic = nullptr;
  QCheckBox* m_chbShowChart = nullptr;
  QCheckBox* m_chbSave = nullptr;
  std::array<QLabel*, 2> m_statusPanels{};
  QAction* m_actOpen = nullptr;
  QAction* m_actCreate = nullptr;
  QAction* m_actSave = nullptr;
  QAction* m_actImportTdb = nullptr;

  std::unique_ptr<WorkingChart> m_workingChart;
  std::unique_ptr<TfmMDiagram> m_mosaicWindow;
  std::unique_ptr<TfmDiagram2> m_diagramWindow;
  std::unique_ptr<TfmSpecPoints> m_specPointsWindow;
  QString m_diagramCaption;

  bool m_chartVisible = true;
  QString m_zLabelText;
  bool m_zEditorVisible = true;
  QString m_zvalueFormat = QStringLiteral("0.######");
  bool m_functionsModified = false;

  bool m_reloading = false;   // the table is being opened: the list follows at the end
  bool m_syncing = false;     // the list is being moved to the table's current record
  bool m_refreshing = false;  // the editors are being filled from the record
  bool m_exiting = false;     // an editor is writing its field as the focus leaves it
  bool m_scanning = false;    // an unpaused scan is running
  bool m_closePending = false;  // closed during a scan: the scan pauses, then the window closes
  bool m_formDestroyed = false;
};

template <typename Command>
bool TfmMain::guarded(Command&& command) {
  try {
    command();
    return true;
  } catch (const std::exception& e) {
    showGeneralError(e.what());
    return false;
  }
}
