#pragma once

#include <QString>

// Every text the desktop program itself shows.
namespace appmsg {

inline constexpr const char* kDatabaseNotFound = "Database not found";
inline constexpr const char* kCaptionPrefix = "Database: ";
inline constexpr const char* kProblemsGroup = " Problems ";
inline constexpr const char* kProblemNameColumn = "Problem name";
inline constexpr const char* kSaveCheckBox = "Save";
inline constexpr const char* kSaveHint = "Save settings on close";
inline constexpr const char* kDatabaseFilter = "Thermodynamic properties (*.d)";
inline constexpr const char* kDatabaseSuffix = "d";

inline QString cannotCreateFile(const QString& fileName) {
  return QStringLiteral("Cannot create file %1").arg(fileName);
}

}  // namespace appmsg
