#pragma once

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>

// What "Vantlesol.cfg" remembers from one run of the program to the next.
struct Settings {
  static constexpr int kDefaultTop = 0;
  static constexpr int kDefaultHeight = 532;
  static constexpr int kDefaultWidth = 660;
  static constexpr int kDefaultLeft = 0;

  // Present only when the file has a SETTINGS section; each key missing or not a number takes
  // its default.
  std::optional<QRect> placement;
  QString workingFileName;      // empty when not given
  std::uint32_t mosaicColor = 0;  // 0 when not given
};

// Where the settings file is read and written. They are written next to the program; an
// installed program cannot write its own folder, so its settings go to the user's
// configuration folder. The current folder's file, when there is one, is read first;
// otherwise the file is read back from where it is written.
class SettingsFile {
 public:
  static constexpr const char* kFileName = "Vantlesol.cfg";
  static constexpr const char* kSection = "SETTINGS";

  SettingsFile(QString programFolder, QString userConfigFolder);

  // The file read at start-up: the current folder's when it exists, else writePath().
  QString readPath() const;
  QString writePath() const;

  Settings read() const;
  static Settings parse(const QString& fileName);
  // Replaces the SETTINGS section and keeps the rest of the file; false when it cannot write.
  bool write(const QRect& placement, const QString& workingFileName,
             std::uint32_t mosaicColor) const;

 private:
  bool programFolderWritable() const;

  QString m_programFolder;
  QString m_userConfigFolder;
};
