#include "app/ProblemListModel.h"
#include "app/TfmMain.h"
#include "workbench/Workbench.h"

#include "GuiFixtures.h"

#include <QCheckBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

QStringList listedNames(TfmMain& window) {
  QStringList result;
  const ProblemListModel& model = window.problemModel();
  for (int row = 0; row < model.rowCount(); ++row)
    result.append(model.data(model.index(row, 0)).toString());
  return result;
}

int selectedRow(TfmMain& window) { return window.dbgProblems().currentIndex().row(); }

QRect placementOf(const TfmMain& window) { return QRect(window.pos(), window.size()); }

using TfmMainTest = MainWindowFixture;

}  // namespace

TEST_F(TfmMainTest, FirstStartWithoutSettingsOrDatabase) {
  TfmMain& main = start();
  EXPECT_EQ(files.openCalls, 1);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "error");
  EXPECT_EQ(dialogs.calls[0].text, "Database not found");
  EXPECT_TRUE(main.windowTitle().isEmpty());
  EXPECT_EQ(main.problemModel().rowCount(), 0);
  EXPECT_EQ(placementOf(main), QRect(57, 25, 877, 678));
  EXPECT_TRUE(main.chbSave().isChecked());
  EXPECT_EQ(main.chbSave().toolTip(), QStringLiteral("Save settings on close"));

  main.close();
  EXPECT_EQ(readText(writtenSettings()).toStdString(),
            "[SETTINGS]\nTop=25\nHeight=678\nLeft=57\nWidth=877\n"
            "WorkingFileName=Problems.d\nMDcolor=12639424\n");
  EXPECT_FALSE(QFile::exists(inWork("Vantlesol.cfg")));
  EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(TfmMainTest, ChosenDatabaseBecomesTheWorkingDatabase) {
  const QString other = QDir(programDir()).filePath(QStringLiteral("Other.d"));
  writeProblems(other.toStdString(), {{"Fe-C"}, {"Cu-Ni"}});
  files.answer = other.toStdString();
  TfmMain& main = start();
  EXPECT_EQ(files.openCalls, 1);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(main.windowTitle(), QStringLiteral("Database: ") + other);
  EXPECT_EQ(listedNames(main), (QStringList{QStringLiteral("Cu-Ni"), QStringLiteral("Fe-C")}));
  main.close();
  EXPECT_TRUE(readText(writtenSettings()).contains(QStringLiteral("WorkingFileName=") + other));
}

TEST_F(TfmMainTest, DatabaseInCurrentFolderIsListedInPresentedOrder) {
  writeProblems("Problems.d", {{"B"}, {"a"}, {"AB"}, {"A"}});
  TfmMain& main = start();
  EXPECT_EQ(files.openCalls, 0);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(main.windowTitle(), QStringLiteral("Database: Problems.d"));
  EXPECT_EQ(listedNames(main), (QStringList{QStringLiteral("A"), QStringLiteral("AB"),
                                            QStringLiteral("B"), QStringLiteral("a")}));
  EXPECT_EQ(selectedRow(main), 0);
  EXPECT_EQ(main.zLabelText(), QStringLiteral("P"));
  EXPECT_EQ(main.zvalueFormat(), QStringLiteral("0.######"));
}

TEST_F(TfmMainTest, SettingsOfTheCurrentFolderPlaceTheWindow) {
  struct Case {
    const char* settings;
    QRect placement;
    std::uint32_t mosaicColor;
    const char* caption;
  };
  const Case cases[] = {
      {"[SETTINGS]\nTop=100\nHeight=500\nWidth=700\nLeft=200\nWorkingFileName=Mine.d\n"
       "MDcolor=255\n",
       QRect(200, 100, 700, 500), 255, "Database: Mine.d"},
      {"[SETTINGS]\nWorkingFileName=Mine.d\nMDcolor=0\n", QRect(0, 0, 660, 532), 12639424,
       "Database: Mine.d"},
      {"[SETTINGS]\nWorkingFileName=\n", QRect(0, 0, 660, 532), 12639424,
       "Database: Problems.d"},
      {"[Other]\nWorkingFileName=Mine.d\n", QRect(57, 25, 877, 678), 12639424,
       "Database: Problems.d"},
      // Saved on a screen that is not there any more: the size holds, the window comes back.
      {"[SETTINGS]\nTop=-4000\nLeft=9000\nWidth=700\nHeight=500\n", QRect(57, 25, 700, 500),
       12639424, "Database: Problems.d"},
  };
  writeProblems("Mine.d", {{"M"}});
  writeProblems("Problems.d", {{"P"}});
  for (const Case& c : cases) {
    writeText(inWork("Vantlesol.cfg"), QString::fromLatin1(c.settings));
    TfmMain& main = start();
    EXPECT_EQ(placementOf(main), c.placement) << c.settings;
    EXPECT_EQ(main.workbench().run().MosaicColor, c.mosaicColor) << c.settings;
    EXPECT_EQ(main.windowTitle(), QString::fromLatin1(c.caption)) << c.settings;
    window.reset();
  }
  EXPECT_EQ(files.openCalls, 0);
}

TEST_F(TfmMainTest, DamagedDatabaseIsReportedAndTheWindowStillOpens) {
  writeText(inWork("Problems.d"), QStringLiteral("not a database"));
  TfmMain& main = start();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "error");
  EXPECT_EQ(dialogs.calls[0].text.rfind("Error opening table: ", 0), 0u) << dialogs.calls[0].text;
  EXPECT_EQ(main.windowTitle(), QStringLiteral("Database: Problems.d"));
  EXPECT_EQ(main.problemModel().rowCount(), 0);
}

TEST_F(TfmMainTest, ListSelectionAndCurrentRecordFollowEachOther) {
  writeProblems("Problems.d", {{"C", "Pressure", "T"}, {"A"}, {"B", "Y", "P = 1 bar"}});
  TfmMain& main = start();
  QTableView& list = main.dbgProblems();
  ProblemTable& table = main.workbench().table();

  list.selectionModel()->setCurrentIndex(main.problemModel().index(2, 0),
                                         QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(table.position(), 2);
  EXPECT_EQ(main.zLabelText(), QStringLiteral("T"));

  table.moveTo(1);
  EXPECT_EQ(selectedRow(main), 1);
  EXPECT_FALSE(main.zEditorVisible());

  table.first();
  EXPECT_EQ(selectedRow(main), 0);
  main.setStatusText("running");
  table.next();
  EXPECT_TRUE(main.statusPanel(0).text().isEmpty());
}

TEST_F(TfmMainTest, RefusedMoveKeepsTheListOnTheEditedRecord) {
  writeProblems("Problems.d", {{"A"}, {"B"}});
  TfmMain& main = start();
  ProblemTable& table = main.workbench().table();
  table.edit();
  table.setString("ProblemName", "");
  main.dbgProblems().selectionModel()->setCurrentIndex(main.problemModel().index(1, 0),
                                                       QItemSelectionModel::ClearAndSelect);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "Problem name must be assigned");
  EXPECT_EQ(table.position(), 0);
  EXPECT_EQ(selectedRow(main), 0);
}

TEST_F(TfmMainTest, ShutdownSavesTheNormalisedDatabase) {
  writeProblems("Problems.d", {{"A", "Temperature, K", "P"}});
  TfmMain& main = start();
  EXPECT_TRUE(main.workbench().databaseModified());
  main.close();
  const TableImage saved = readTable("Problems.d");
  ASSERT_EQ(saved.records.size(), 1u);
  EXPECT_EQ(saved.records[0].values[static_cast<std::size_t>(ProblemField::Yparameter)],
            "Temperature");
  EXPECT_TRUE(QFile::exists(writtenSettings()));
}

// The database's folder disappears under the program (a removed stick, a deleted folder):
// closing must not take the edits with it.
namespace {

class TfmMainVanishingFolderTest : public MainWindowFixture {
 protected:
  // The window on a database in its own folder, with an edit pending; then the folder goes.
  TfmMain& startEditingThenRemoveTheFolder() {
    QDir().mkpath(folder());
    writeProblems(database().toStdString(), {{"A"}});
    files.answer = database().toStdString();
    TfmMain& main = start();
    main.show();
    main.workbench().table().edit();
    main.workbench().table().setString("ProblemName", "Edited");
    EXPECT_TRUE(QDir(folder()).removeRecursively());
    return main;
  }
  QString folder() const { return QDir(workDir()).filePath(QStringLiteral("stick")); }
  QString database() const { return QDir(folder()).filePath(QStringLiteral("Work.d")); }
};

}  // namespace

TEST_F(TfmMainVanishingFolderTest, ShutdownWhoseSaveFailsKeepsTheWindowOpen) {
  TfmMain& main = startEditingThenRemoveTheFolder();
  const QString database = this->database();
  ProblemTable& table = main.workbench().table();

  EXPECT_FALSE(main.close());
  EXPECT_TRUE(main.isVisible());
  ASSERT_FALSE(dialogs.calls.empty());
  EXPECT_EQ(dialogs.calls.back().text, "Cannot create file " + database.toStdString());
  EXPECT_EQ(table.asString("ProblemName"), "Edited");
  EXPECT_FALSE(QFile::exists(writtenSettings()));

  // With room again, the next close saves the edits.
  QDir().mkpath(folder());
  EXPECT_TRUE(main.close());
  EXPECT_EQ(readTable(database.toStdString()).records.size(), 1u);
  EXPECT_TRUE(QFile::exists(writtenSettings()));
}

TEST_F(TfmMainVanishingFolderTest, ShutdownWithoutSaveLeavesAfterAFailedSave) {
  TfmMain& main = startEditingThenRemoveTheFolder();
  EXPECT_FALSE(main.close());
  main.chbSave().setChecked(false);
  EXPECT_TRUE(main.close());
}

TEST_F(TfmMainTest, ShutdownThatMustNotSaveWritesNothing) {
  struct Case {
    const char* situation;
    std::function<void(TfmMain&)> before;
    std::vector<FakeDialogs::Call> shown;
  };
  const Case cases[] = {
      {"pending edit refused by the validation",
       [](TfmMain& main) {
         main.workbench().table().edit();
         main.workbench().table().setString("ProblemName", "");
       },
       {{"warning", "Problem name must be assigned"}}},
      {"Save not ticked",
       [](TfmMain& main) {
         main.show();
         QTest::mouseClick(&main.chbSave(), Qt::LeftButton);
       },
       {}},
  };
  for (const Case& c : cases) {
    writeProblems("Problems.d", {{"A", "Temperature, K", "P"}});
    const QByteArray before = readText(inWork("Problems.d")).toUtf8();
    dialogs.calls.clear();
    TfmMain& main = start();
    c.before(main);
    main.close();
    ASSERT_EQ(dialogs.calls.size(), c.shown.size()) << c.situation;
    for (std::size_t i = 0; i < c.shown.size(); ++i) {
      EXPECT_EQ(dialogs.calls[i].kind, c.shown[i].kind) << c.situation;
      EXPECT_EQ(dialogs.calls[i].text, c.shown[i].text) << c.situation;
    }
    EXPECT_EQ(readText(inWork("Problems.d")).toUtf8(), before) << c.situation;
    EXPECT_FALSE(QFile::exists(writtenSettings())) << c.situation;
    window.reset();
  }
}
