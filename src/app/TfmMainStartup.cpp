#include "app/AppMessages.h"
#include "app/ExampleDatabase.h"
#include "app/FileDialogs.h"
#include "app/ProblemListModel.h"
#include "app/TfmMain.h"
#include "app/TfmMainReloadGuard.h"
#include "base/UserDialogs.h"
#include "workbench/Workbench.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include <stdexcept>

namespace {

bool onSomeScreen(const QRect& rect) {
  const auto screens = QGuiApplication::screens();
  if (screens.isEmpty()) return true;
  for (const QScreen* screen : screens)
    if (screen->availableGeometry().intersects(rect)) return true;
  return false;
}

// Started from the desktop menu, an installed program finds no database in the current folder
// and opens the user's copy of its examples instead.
QString defaultDatabase() {
  const ExampleDatabase examples(
      QCoreApplication::applicationDirPath(),
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  return examples.startupDatabase();
}

}  // namespace

void TfmMain::FormCreate() {
  Workbench& bench = *m_workbench;
  bench.closeDatabase();

  const Settings settings = m_settingsFile.read();
  if (settings.placement) applyPlacement(*settings.placement);
  QString fileName = settings.workingFileName;
  if (fileName.isEmpty()) fileName = defaultDatabase();
  bench.setMosaicColor(settings.mosaicColor == 0 ? Workbench::kDefaultMosaicColor
                                                 : settings.mosaicColor);
  bench.setWorkingFileName(fileName.toStdString());

  if (!QFileInfo(fileName).isFile()) {
    const auto chosen = m_fileDialogs.openDatabase();
    if (!chosen) {
      m_dialogs.error(appmsg::kDatabaseNotFound);
      setWindowTitle(QString());
      return;
    }
    fileName = QString::fromStdString(*chosen);
    bench.setWorkingFileName(*chosen);
  }

  setWindowTitle(QString::fromLatin1(appmsg::kCaptionPrefix) + fileName);
  openAndPrepare(fileName.toStdString());
}

void TfmMain::openAndPrepare(const std::string& fileName) {
  Workbench& bench = *m_workbench;
  bool opened = guarded([&] {
    ReloadGuard reload(*this);
    bench.openDatabase(fileName);
  });
  // A record the normalisation could not post has had its message; preparing it would post it
  // again and repeat the message. An empty database has nothing to prepare.
  if (!opened || bench.table().editing() || bench.table().recordCount() == 0) return;
  guarded([&] { bench.PrepareProblem(); });
}

void TfmMain::applyPlacement(const QRect& placement) {
  move(x(), placement.top());
  resize(width(), placement.height());
  resize(placement.width(), height());
  move(placement.left(), y());
  // A placement saved on a screen that is gone would leave the window out of reach.
  if (!onSomeScreen(QRect(pos(), size()))) move(kDesignedLeft, kDesignedTop);
}

QRect TfmMain::placement() const {
  if (isMaximized() || isFullScreen() || isMinimized()) return normalGeometry();
  return QRect(pos(), size());
}

// False when the database could not be saved: the window then stays open with the edits, and
// the user can make room, or untick "Save" to leave without them. The file on disk is the old one.
bool TfmMain::FormDestroy() {
  if (m_formDestroyed) return true;
  if (m_chbSave->isChecked()) {
    bool posted = false;
    if (!guarded([&] { posted = m_workbench->postPending(); })) return false;
    if (posted) {
      if (!guarded([&] { m_workbench->saveIfModified(); })) return false;
      guarded([&] { writeSettings(); });
    }
  }
  m_formDestroyed = true;
  return true;
}

void TfmMain::writeSettings() {
  const QString fileName = QString::fromStdString(m_workbench->workingFileName());
  if (!m_settingsFile.write(placement(), fileName, m_workbench->mosaicColor()))
    throw std::runtime_error(appmsg::cannotCreateFile(m_settingsFile.writePath()).toStdString());
}
