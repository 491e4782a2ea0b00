#include "app/QtFileDialogs.h"

#include "app/AppMessages.h"

#include <QDir>
#include <QFileDialog>

std::optional<std::string> QtFileDialogs::openDatabase() {
  QFileDialog dialog(m_parent, QStringLiteral("Open"), QDir::currentPath(),
                     QLatin1String(appmsg::kDatabaseFilter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QLatin1String(appmsg::kDatabaseSuffix));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtFileDialogs::openThermodynamicDatabase() {
  const QString chosen = QFileDialog::getOpenFileName(
      m_parent, QLatin1String(appmsg::kImportCaption), QDir::currentPath(),
      QLatin1String(appmsg::kTdbFilter));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}
