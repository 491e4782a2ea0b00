#pragma once

#include "app/FileDialogs.h"
#include "app/SettingsFile.h"
#include "app/TfmMain.h"
#include "problem/ProblemFields.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Answers the open-file dialog from a script and counts how often it was asked.
class FakeFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> openDatabase() override {
    ++openCalls;
    return answer;
  }
  std::optional<std::string> answer;
  int openCalls = 0;
};

struct ProblemSpec {
  std::string name;
  std::string yParameter = "Temperature";
  std::string zParameter = "P";
  double zValue = 1;
};

// A problem database made by the core, as the program would have saved it.
inline void writeProblems(const std::string& fileName, const std::vector<ProblemSpec>& problems) {
  TableImage image = newProblemTableImage();
  for (const ProblemSpec& spec : problems) {
    TableRecord record;
    record.values.resize(image.fields.size());
    auto set = [&](ProblemField field, std::string value) {
      record.values[static_cast<std::size_t>(field)] = std::move(value);
    };
    set(ProblemField::ProblemName, spec.name);
    set(ProblemField::Ymin, encodeDouble(300));
    set(ProblemField::Ymax, encodeDouble(1500));
    set(ProblemField::Zvalue, encodeDouble(spec.zValue));
    set(ProblemField::YPoints, encodeSmallInt(100));
    set(ProblemField::XPoints, encodeSmallInt(100));
    set(ProblemField::ShowChart, encodeBoolean(true));
    set(ProblemField::Yparameter, spec.yParameter);
    set(ProblemField::Zparameter, spec.zParameter);
    image.records.push_back(std::move(record));
  }
  writeTable(image, fileName);
}

inline QString readText(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

inline void writeText(const QString& fileName, const QString& text) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
  file.write(text.toUtf8());
}

// A window started in a fresh current folder, with its "program folder" and user configuration
// folder in temporary folders too, so nothing lands next to the test binary.
class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    m_oldCurrent = QDir::currentPath();
    QDir().mkpath(workDir());
    QDir().mkpath(programDir());
    ASSERT_TRUE(QDir::setCurrent(workDir()));
  }
  void TearDown() override {
    window.reset();
    QDir::setCurrent(m_oldCurrent);
  }

  QString workDir() const { return QString::fromStdString(m_temp.file("work")); }
  QString programDir() const { return QString::fromStdString(m_temp.file("program")); }
  QString configDir() const { return QString::fromStdString(m_temp.file("config")); }
  QString inWork(const char* name) const { return QDir(workDir()).filePath(QLatin1String(name)); }
  QString writtenSettings() const {
    return QDir(programDir()).filePath(QLatin1String(SettingsFile::kFileName));
  }

  TfmMain& start() {
    window = std::make_unique<TfmMain>(dialogs, files, SettingsFile(programDir(), configDir()));
    return *window;
  }

  FakeDialogs dialogs;
  FakeFileDialogs files;
  std::unique_ptr<TfmMain> window;

 private:
  TempDir m_temp;
  QString m_oldCurrent;
};
