#include "app/AppMessages.h"
#include "app/FileDialogs.h"
#include "diagram/ModalDialogs.h"
#include "app/TfmAbout.h"
#include "app/TfmMain.h"
#include "app/TfmMainReloadGuard.h"
#include "base/UserDialogs.h"
#include "diagram/ChartEditorDialog.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>

// Before another database replaces this one: post, and save when it was modified.
static bool saveBeforeLeaving(Workbench& bench, bool saveTicked) {
  if (!saveTicked) return true;
  if (!bench.postPending()) return false;
  bench.saveIfModified();
  return true;
}

void TfmMain::N1Click() {
  if (refuseDuringScan()) return;
  guarded([&] {
    const auto chosen = m_fileDialogs.openDatabase();
    if (!chosen) return;
    Workbench& bench = *m_workbench;
    if (!saveBeforeLeaving(bench, m_chbSave->isChecked())) return;
    bench.table().close();
    bench.setWorkingFileName(*chosen);
    setWindowTitle(QString::fromLatin1(appmsg::kCaptionPrefix) + QString::fromStdString(*chosen));
    openAndPrepare(*chosen);
  });
}

void TfmMain::N5Click() {
  if (refuseDuringScan()) return;
  guarded([&] {
    std::string name = appmsg::kNewDatabaseInitial;
    for (;;) {
      const auto typed = m_modalDialogs.inputQuery(appmsg::kNewDatabaseCaption,
                                                   appmsg::kNewDatabasePrompt, name);
      if (!typed) return;
      name = *typed;
      if (QString::fromStdString(name).trimmed().isEmpty()) {
        m_dialogs.warning(appmsg::kFileNameRequired);
        return;
      }
      if (!QFileInfo::exists(QString::fromStdString(name))) break;
      m_dialogs.warning(appmsg::fileAlreadyExists(name));
    }
    Workbench& bench = *m_workbench;
    if (!saveBeforeLeaving(bench, m_chbSave->isChecked())) return;
    {
      ReloadGuard reload(*this);
      bench.createDatabase(name);
    }
    setWindowTitle(QString::fromStdString(name));
  });
}

void TfmMain::N6Click() {
  if (refuseDuringScan()) return;
  guarded([&] { m_workbench->saveDatabase(); });
}

void TfmMain::N3Click() { close(); }

void TfmMain::N4Click() {
  guarded([&] {
    if (const auto chosen = m_modalDialogs.chooseColor(m_workbench->mosaicColor()))
      m_workbench->setMosaicColor(*chosen);
  });
}

void TfmMain::About1Click() {
  guarded([&] {
    TfmAbout about(this);
    m_modalDialogs.exec(about);
  });
}

void TfmMain::sbEditChartClick() {
  guarded([&] {
    ChartEditorDialog editor(m_chart1, this);
    m_modalDialogs.exec(editor);
  });
}

void TfmMain::setScanning(bool scanning) {
  m_scanning = scanning;
  for (QAction* action : {m_actOpen, m_actCreate, m_actSave, m_actImportTdb})
    action->setEnabled(!scanning);
}

bool TfmMain::refuseDuringScan() const { return m_scanning; }
