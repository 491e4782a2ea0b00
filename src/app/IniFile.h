#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// An INI text kept line by line, so that rewriting one section leaves every other line of the
// file as the user wrote it. Section and key names ignore letter case; the first of several
// equal sections or keys wins.
class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(const QString& text);

  // Reads a file; a missing or unreadable file gives an empty one.
  static IniFile load(const QString& fileName);

  bool hasSection(const QString& section) const;
  std::optional<QString> value(const QString& section, const QString& key) const;

  // Replaces every section of that name by one holding these key=value lines in the given
  // order, at the place of the first such section (at the end when there was none).
  void replaceSection(const QString& section, const QList<QPair<QString, QString>>& entries);

  QString text() const;
  // Writes the whole file at once: the old file stays as it was when writing fails.
  bool save(const QString& fileName) const;

 private:
  struct Range {
    qsizetype header = -1;  // line of "[name]"
    qsizetype end = -1;     // one past the section's last line
  };
  QList<Range> sections(const QString& name) const;

  QStringList m_lines;
  bool m_crlf = false;
};
