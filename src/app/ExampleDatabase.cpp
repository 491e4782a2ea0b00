#include "app/ExampleDatabase.h"

#include "workbench/Workbench.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

ExampleDatabase::ExampleDatabase(QString programFolder, QString userDataFolder)
    : m_programFolder(std::move(programFolder)), m_userDataFolder(std::move(userDataFolder)) {}

QString ExampleDatabase::installedPath() const {
  if (m_programFolder.isEmpty()) return QString();
  const QString path =
      QDir::cleanPath(QDir(m_programFolder).filePath(QLatin1String(kInstalledRelativePath)));
  return QFileInfo(path).isFile() ? path : QString();
}

QString ExampleDatabase::userCopyPath() const {
  if (m_userDataFolder.isEmpty()) return QString();
  return QDir(m_userDataFolder).filePath(QLatin1String(kCopyName));
}

QString ExampleDatabase::startupDatabase() const {
  const QString fallback = QString::fromLatin1(Workbench::kDefaultWorkingFileName);
  if (QFileInfo(fallback).isFile()) return fallback;
  const QString copyPath = userCopyPath();
  if (copyPath.isEmpty()) return fallback;
  // The user's copy holds the user's own work from here on; it is never replaced.
  if (QFileInfo(copyPath).isFile()) return copyPath;
  return makeUserCopy(copyPath) ? copyPath : fallback;
}

bool ExampleDatabase::makeUserCopy(const QString& copyPath) const {
  const QString source = installedPath();
  if (source.isEmpty()) return false;
  if (!QDir().mkpath(m_userDataFolder)) return false;
  // QFile::copy writes a temporary file and renames it, so a failed copy leaves no half file
  // for the next start to take as the user's database.
  if (!QFile::copy(source, copyPath)) return false;
  // The copy takes the installed file's permissions, which may be read-only.
  QFile copy(copyPath);
  return copy.setPermissions(copy.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
