#include "app/TfmMain.h"

#include "app/ProblemListModel.h"
#include "base/UserDialogs.h"
#include "diagram/TfmDiagram2.h"
#include "diagram/TfmMDiagram.h"
#include "diagram/TfmSpecPoints.h"
#include "diagram/WorkingChart.h"
#include "workbench/Workbench.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <qcustomplot.h>

#include <utility>

// Sees every key of the application before the control it is meant for: F9 pressed anywhere in
// the main window runs the problem, whichever control has the focus.
class TfmMain::RunKeyFilter : public QObject {
 public:
  explicit RunKeyFilter(TfmMain& window) : m_window(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (key->key() != Qt::Key_F9 || key->modifiers() != Qt::NoModifier || !widget ||
        widget->window() != &m_window || !m_window.isEnabled())
      return false;
    m_window.sbRunClick();
    return true;
  }

 private:
  TfmMain& m_window;
};

TfmMain::TfmMain(UserDialogs& dialogs, FileDialogs& fileDialogs, ModalDialogs& modalDialogs,
                 SettingsFile settingsFile, QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(dialogs),
      m_fileDialogs(fileDialogs),
      m_modalDialogs(modalDialogs),
      m_settingsFile(std::move(settingsFile)),
      m_workbench(std::make_unique<Workbench>(dialogs, *this)) {
  m_problemModel = new ProblemListModel(m_workbench->table(), this);
  createLayout();
  m_workingChart = std::make_unique<WorkingChart>(m_chart1);
  m_mosaicWindow = std::make_unique<TfmMDiagram>(m_workbench->mosaic());
  m_workbench->setRunView(*this);
  m_workbench->onRunCompleted = [this] { runCompleted(); };
  attachTableEvents();
  connectControls();
  m_runKeyFilter = std::make_unique<RunKeyFilter>(*this);
  qApp->installEventFilter(m_runKeyFilter.get());
  FormCreate();
  refreshEditors();
  // The windows after the main window's start-up, in the program's order.
  m_diagramWindow = std::make_unique<TfmDiagram2>(m_dialogs, m_modalDialogs);
  m_specPointsWindow = std::make_unique<TfmSpecPoints>();
}

// A window destroyed without being closed still gets its shutdown.
TfmMain::~TfmMain() {
  qApp->removeEventFilter(m_runKeyFilter.get());
  // Controls die after the workbench; what they signal on the way must not reach it.
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
  FormDestroy();
  // The diagram window writes "Chart.cfg" as it goes.
  m_specPointsWindow.reset();
  m_diagramWindow.reset();
  m_mosaicWindow.reset();
  m_workingChart.reset();
  // The model reads the workbench's table, which goes before the child widgets do.
  m_dbgProblems->setModel(nullptr);
  delete m_problemModel;
}

void TfmMain::closeEvent(QCloseEvent* event) {
  // The scan on the stack below still needs this window: it pauses first, then the window goes.
  if (m_workbench->running()) {
    m_closePending = true;
    event->ignore();
    return;
  }
  if (!FormDestroy()) {
    event->ignore();
    return;
  }
  if (m_mosaicWindow) m_mosaicWindow->close();
  if (m_diagramWindow) m_diagramWindow->close();
  if (m_specPointsWindow) m_specPointsWindow->close();
  event->accept();
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == m_dbgProblems &&
      problemListKey(static_cast<QKeyEvent*>(event)))
    return true;
  if (FieldEditor* editor = fieldEditorOf(watched)) return fieldEditorEvent(*editor, event);
  if (watched == m_memFunctions && event->type() == QEvent::FocusOut && !m_exiting)
    guarded([&] { writeFunctions(); });
  return QMainWindow::eventFilter(watched, event);
}

void TfmMain::showGeneralError(const std::string& text) { m_dialogs.error(text); }

void TfmMain::setStatusText(const std::string& text) {
  m_statusPanels[0]->setText(QString::fromStdString(text));
}

void TfmMain::setChartVisible(bool visible) {
  m_chartVisible = visible;
  m_chart1->setVisible(visible);
  m_sbEditChart->setVisible(visible);
}

void TfmMain::setZLabel(const std::string& text) {
  m_zLabelText = QString::fromStdString(text);
  m_lblZ->setText(m_zLabelText);
}

void TfmMain::setZEditorVisible(bool visible) {
  m_zEditorVisible = visible;
  m_fieldEditors[0].edit->setVisible(visible);
}

void TfmMain::setZvalueFormat(const std::string& pattern) {
  m_zvalueFormat = QString::fromStdString(pattern);
  FieldEditor& zvalue = m_fieldEditors[0];
  if (!zvalue.modified) showFieldEditor(zvalue, zvalue.edit->hasFocus());
}
