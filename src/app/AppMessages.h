#pragma once

#include <QString>

#include <string>

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

inline constexpr const char* kFunctionsGroup = " Gibbs energy functions ";
inline constexpr const char* kRunButton = "&Run (F9)";
inline constexpr const char* kDiagramButton = "Diagram";
inline constexpr const char* kEditChartButton = "Edit chart";
inline constexpr const char* kSpecialPointsButton = "Special points";
inline constexpr const char* kCloseButton = "Close";
inline constexpr const char* kByStep = "By step";
inline constexpr const char* kYAxisGroup = " Y axis ";
inline constexpr const char* kYIs = " Y is";
inline constexpr const char* kYmin = "Ymin";
inline constexpr const char* kYmax = "Ymax";
inline constexpr const char* kPointsGroup = " Number of points ";
inline constexpr const char* kXPoints = "X points";
inline constexpr const char* kYPoints = "Y points";
inline constexpr const char* kDemonstrationGroup = " Diagram demonstration ";
inline constexpr const char* kShowMosaic = "Show mosaic diagram";
inline constexpr const char* kShowChart = "Show working chart";
inline constexpr const char* kFileMenu = "File";
inline constexpr const char* kOpen = "Open";
inline constexpr const char* kCreate = "Create";
inline constexpr const char* kSave = "Save";
inline constexpr const char* kClose = "Close";
inline constexpr const char* kMosaicColor = "Mosaic diagram color";
inline constexpr const char* kAbout = "About...";
inline constexpr const char* kInsertHint = "Insert record";
inline constexpr const char* kDeleteHint = "Delete record";
inline constexpr const char* kCancelHint = "Cancel edit";

inline constexpr const char* kImportMenu = "Import thermodynamic database...";
inline constexpr const char* kImportCaption = "Import thermodynamic database";
inline constexpr const char* kTdbFilter = "Thermodynamic databases (*.tdb *.TDB);;All files (*)";
inline constexpr const char* kImportElementA = "Element A";
inline constexpr const char* kImportElementB = "Element B (X)";
inline constexpr const char* kImportProblemName = "Problem name";
inline constexpr const char* kImportPhases =
    "Phases of the system (those that cannot be imported are greyed, with the reason)";
inline constexpr const char* kImportPhaseColumn = "Phase";
inline constexpr const char* kImportModelColumn = "Model";
inline constexpr const char* kImportSolution = "solution";
inline constexpr const char* kImportCompound = "compound at X = ";
inline constexpr const char* kImportButton = "Import";
inline constexpr const char* kImportNoPhase = "Choose at least one phase";

inline constexpr const char* kDeleteRecord = "Delete record?";
inline constexpr const char* kNewDatabaseCaption = "New database name";
inline constexpr const char* kNewDatabasePrompt = "Type the filename having extension .d";
inline constexpr const char* kNewDatabaseInitial = ".d";
inline constexpr const char* kFileNameRequired = "File name must be assigned";

inline std::string fileAlreadyExists(const std::string& fileName) {
  return "File " + fileName + " already exists";
}

inline std::string notAnInteger(const std::string& text) {
  return "'" + text + "' is not a valid integer value";
}

inline QString cannotCreateFile(const QString& fileName) {
  return QStringLiteral("Cannot create file %1").arg(fileName);
}

}  // namespace appmsg
