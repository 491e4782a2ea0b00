#pragma once

#include "app/FileDialogs.h"
#include "app/SettingsFile.h"
#include "app/TfmMain.h"
#include "problem/ProblemFields.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"
#include "support/FakeDialogs.h"
#include "support/FakeModalDialogs.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Answers the open-file dialog from a script and counts how often it was asked.
class FakeFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> openDatabase() override {
    ++openCalls;
    return answer;
  }
  std::optional<std::string> openThermodynamicDatabase() override { return tdbAnswer; }
  std::optional<std::string> answer;
  std::optional<std::string> tdbAnswer;
  int openCalls = 0;
};

struct StoredProblem {
  std::string name;
  std::string yParameter = "Temperature";
  std::string zParameter = "P";
  double zValue = 1;
  double yMin = 300;
  double yMax = 1500;
  std::string functs = "GL=X*(1-X)*10000-T*Sid\r\nGS=1000-T+X*(1-X)*15000-T*Sid\r\n";
  std::int16_t xPoints = 100;
  std::int16_t yPoints = 100;
};

// A problem database made by the core, as the program would have saved it.
inline void writeProblems(const std::string& fileName, const std::vector<StoredProblem>& problems) {
  TableImage image = newProblemTableImage();
  for (const StoredProblem& problem : problems) {
    TableRecord record;
    record.values.resize(image.fields.size());
    auto set = [&](ProblemField field, std::string value) {
      record.values[static_cast<std::size_t>(field)] = std::move(value);
    };
    set(ProblemField::ProblemName, problem.name);
    set(ProblemField::Ymin, encodeDouble(problem.yMin));
    set(ProblemField::Ymax, encodeDouble(problem.yMax));
    set(ProblemField::Zvalue, encodeDouble(problem.zValue));
    set(ProblemField::YPoints, encodeSmallInt(problem.yPoints));
    set(ProblemField::XPoints, encodeSmallInt(problem.xPoints));
    set(ProblemField::Functs, problem.functs);
    set(ProblemField::ShowChart, encodeBoolean(true));
    set(ProblemField::Yparameter, problem.yParameter);
    set(ProblemField::Zparameter, problem.zParameter);
    image.records.push_back(std::move(record));
  }
  writeTable(image, fileName);
}

// The user's hand on the controls.
inline void typeInto(QLineEdit& edit, const QString& text) {
  edit.selectAll();
  QTest::keyClicks(&edit, text);
}

inline void leave(QWidget& widget) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(&widget, &out);
}

inline void chooseItem(QComboBox& box, int item) {
  box.setCurrentIndex(item);
  emit box.activated(item);
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
    window = std::make_unique<TfmMain>(dialogs, files, modal,
                                       SettingsFile(programDir(), configDir()));
    return *window;
  }

  // A control of the window by its name; the test fails when there is none.
  template <typename Widget>
  Widget& control(const char* name) {
    Widget* widget = window->findChild<Widget*>(QLatin1String(name));
    if (!widget) {
      ADD_FAILURE() << "no control " << name;
      throw std::runtime_error(name);
    }
    return *widget;
  }

  FakeDialogs dialogs;
  FakeFileDialogs files;
  FakeModalDialogs modal;
  std::unique_ptr<TfmMain> window;

 private:
  TempDir m_temp;
  QString m_oldCurrent;
};
