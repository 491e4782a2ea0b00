#include "app/TfmMain.h"

#include "app/ProblemListModel.h"
#include "base/UserDialogs.h"
#include "workbench/Workbench.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTableView>

#include <utility>

TfmMain::TfmMain(UserDialogs& dialogs, FileDialogs& fileDialogs, SettingsFile settingsFile,
                 QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(dialogs),
      m_fileDialogs(fileDialogs),
      m_settingsFile(std::move(settingsFile)),
      m_workbench(std::make_unique<Workbench>(dialogs, *this)) {
  m_problemModel = new ProblemListModel(m_workbench->table(), this);
  createLayout();
  attachTableEvents();
  FormCreate();
}

// A window destroyed without being closed still gets its shutdown.
TfmMain::~TfmMain() {
  FormDestroy();
  // The model reads the workbench's table, which goes before the child widgets do.
  m_dbgProblems->setModel(nullptr);
  delete m_problemModel;
}

void TfmMain::closeEvent(QCloseEvent* event) {
  FormDestroy();
  event->accept();
}

void TfmMain::showGeneralError(const std::string& text) { m_dialogs.error(text); }

void TfmMain::setStatusText(const std::string& text) {
  m_statusPanels[0]->setText(QString::fromStdString(text));
}

void TfmMain::setChartVisible(bool visible) { m_chartVisible = visible; }

void TfmMain::setZLabel(const std::string& text) { m_zLabelText = QString::fromStdString(text); }

void TfmMain::setZEditorVisible(bool visible) { m_zEditorVisible = visible; }

void TfmMain::setZvalueFormat(const std::string& pattern) {
  m_zvalueFormat = QString::fromStdString(pattern);
}
