#pragma once

#include <QString>

// The example problems an installed program brings along. Started from the desktop menu, the
// program has no database in its current folder; it then works on the user's own copy of the
// examples, never on the installed file, which is shared and read-only.
class ExampleDatabase {
 public:
  // Where the examples lie relative to the program's folder in an installed tree.
  static constexpr const char* kInstalledRelativePath = "../share/vantle/examples/Problems.d";
  static constexpr const char* kCopyName = "Problems.d";

  ExampleDatabase(QString programFolder, QString userDataFolder);

  // The database the start-up opens when the settings name none: the default of the current
  // folder when it exists, else the user's copy of the installed examples (made now when there
  // is none yet), else the default, which the start-up then reports missing.
  QString startupDatabase() const;

  // Empty when the program was not installed with its examples.
  QString installedPath() const;
  // Empty when there is no user data folder.
  QString userCopyPath() const;

 private:
  bool makeUserCopy(const QString& copyPath) const;

  QString m_programFolder;
  QString m_userDataFolder;
};
