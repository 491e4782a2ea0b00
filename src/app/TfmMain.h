#pragma once

#include "app/SettingsFile.h"
#include "problem/ProblemView.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>

class FileDialogs;
class ProblemListModel;
class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QModelIndex;
class QTableView;
class QWidget;
class UserDialogs;
class Workbench;

// The main window: the problem list of the working database, the editors of the current
// problem and the commands. Start-up runs in the constructor, shutdown when the window closes.
class TfmMain : public QMainWindow, public ProblemView {
  Q_OBJECT

 public:
  static constexpr int kDesignedLeft = 57;
  static constexpr int kDesignedTop = 25;
  static constexpr int kDesignedWidth = 877;
  static constexpr int kDesignedHeight = 678;

  TfmMain(UserDialogs& dialogs, FileDialogs& fileDialogs, SettingsFile settingsFile,
          QWidget* parent = nullptr);
  ~TfmMain() override;

  Workbench& workbench() { return *m_workbench; }
  ProblemListModel& problemModel() { return *m_problemModel; }
  QTableView& dbgProblems() { return *m_dbgProblems; }
  QCheckBox& chbSave() { return *m_chbSave; }
  QLabel& statusPanel(int index) { return *m_statusPanels.at(static_cast<std::size_t>(index)); }

  // ProblemView: what the per-problem rules change in this window.
  void setStatusText(const std::string& text) override;
  void setChartVisible(bool visible) override;
  void setZLabel(const std::string& text) override;
  void setZEditorVisible(bool visible) override;
  void setZvalueFormat(const std::string& pattern) override;

  bool chartVisible() const { return m_chartVisible; }
  const QString& zLabelText() const { return m_zLabelText; }
  bool zEditorVisible() const { return m_zEditorVisible; }
  const QString& zvalueFormat() const { return m_zvalueFormat; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void dbgProblemsCurrentRowChanged(const QModelIndex& current, const QModelIndex& previous);

 private:
  class ReloadGuard;

  // Layout (TfmMainLayout.cpp).
  void createLayout();
  QGroupBox* createProblemsGroup();
  QWidget* createBottomPanel();
  void createStatusBar();

  // Start-up and shutdown (TfmMainStartup.cpp).
  void FormCreate();
  void FormDestroy();
  void applyPlacement(const QRect& placement);
  QRect placement() const;
  void writeSettings();

  // Table events and the list (TfmMainHandlers.cpp).
  void attachTableEvents();
  void syncListToTable();

  // Runs a command; an exception it throws is shown in the general error box.
  template <typename Command>
  bool guarded(Command&& command);
  void showGeneralError(const std::string& text);

  UserDialogs& m_dialogs;
  FileDialogs& m_fileDialogs;
  SettingsFile m_settingsFile;
  std::unique_ptr<Workbench> m_workbench;
  ProblemListModel* m_problemModel = nullptr;

  QTableView* m_dbgProblems = nullptr;
  QCheckBox* m_chbSave = nullptr;
  std::array<QLabel*, 2> m_statusPanels{};

  // Held until the controls that show them exist.
  bool m_chartVisible = true;
  QString m_zLabelText;
  bool m_zEditorVisible = true;
  QString m_zvalueFormat;

  bool m_reloading = false;  // the table is being opened: the list follows at the end
  bool m_syncing = false;    // the list is being moved to the table's current record
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
