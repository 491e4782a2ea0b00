#include "app/ProblemListModel.h"
#include "app/TfmMain.h"
#include "workbench/Workbench.h"

#include "GuiFixtures.h"

#include <QCheckBox>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using TfmMainCommandsTest = MainWindowFixture;

QByteArray fileBytes(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST_F(TfmMainCommandsTest, CreateAsksAgainForAnExistingNameAndMakesAnEmptyDatabase) {
  writeProblems("Problems.d", {{"A"}});
  const QByteArray before = fileBytes(inWork("Problems.d"));
  TfmMain& main = start();
  modal.inputs = {std::string("Problems.d"), std::string("New.d")};
  main.N5Click();

  ASSERT_EQ(modal.queries.size(), 2u);
  EXPECT_EQ(modal.queries[0].caption, "New database name");
  EXPECT_EQ(modal.queries[0].prompt, "Type the filename having extension .d");
  EXPECT_EQ(modal.queries[0].initial, ".d");
  EXPECT_EQ(modal.queries[1].initial, "Problems.d");
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "warning");
  EXPECT_EQ(dialogs.calls[0].text, "File Problems.d already exists");

  EXPECT_EQ(main.windowTitle(), QStringLiteral("New.d"));
  EXPECT_EQ(main.problemModel().rowCount(), 0);
  EXPECT_FALSE(main.workbench().databaseModified());
  const TableImage created = readTable("New.d");
  EXPECT_TRUE(created.records.empty());
  EXPECT_EQ(created.fields.size(), 11u);
  EXPECT_EQ(fileBytes(inWork("Problems.d")), before);
}

TEST_F(TfmMainCommandsTest, CreateStopsWithoutAName) {
  struct Case {
    std::optional<std::string> typed;
    std::vector<FakeDialogs::Call> shown;
  };
  const Case cases[] = {
      {std::string("   "), {{"warning", "File name must be assigned"}}},
      {std::string(""), {{"warning", "File name must be assigned"}}},
      {std::nullopt, {}},
  };
  for (const Case& c : cases) {
    writeProblems("Problems.d", {{"A"}});
    dialogs.calls.clear();
    TfmMain& main = start();
    modal.inputs = {c.typed};
    main.N5Click();
    ASSERT_EQ(dialogs.calls.size(), c.shown.size());
    for (std::size_t i = 0; i < c.shown.size(); ++i)
      EXPECT_EQ(dialogs.calls[i].text, c.shown[i].text);
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Database: Problems.d"));
    EXPECT_EQ(main.problemModel().rowCount(), 1);
    // The diagram window of an earlier case left its "Chart.cfg"; no database was made.
    QStringList made = QDir(workDir()).entryList(QDir::Files);
    made.removeAll(QStringLiteral("Chart.cfg"));
    EXPECT_EQ(made, QStringList{QStringLiteral("Problems.d")});
    window.reset();
  }
}

TEST_F(TfmMainCommandsTest, OpenSavesTheChangesOnlyWhenSaveIsTicked) {
  struct Case {
    bool saveTicked;
    const char* nameAfterReload;
  };
  const Case cases[] = {{false, "A"}, {true, "Changed"}};
  for (const Case& c : cases) {
    writeProblems("Problems.d", {{"A"}});
    TfmMain& main = start();
    ProblemListModel& model = main.problemModel();
    ASSERT_TRUE(model.setData(model.index(0, 0), QStringLiteral("Changed")));
    main.chbSave().setChecked(c.saveTicked);
    files.answer = inWork("Problems.d").toStdString();
    main.N1Click();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Database: ") + inWork("Problems.d"));
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QLatin1String(c.nameAfterReload));
    EXPECT_FALSE(main.workbench().databaseModified());
    window.reset();
  }
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(TfmMainCommandsTest, OpenOfADamagedFileLeavesNoTableButNamesIt) {
  writeProblems("Problems.d", {{"A"}});
  writeText(inWork("Bad.d"), QStringLiteral("not a database"));
  TfmMain& main = start();
  files.answer = inWork("Bad.d").toStdString();
  main.N1Click();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "error");
  EXPECT_EQ(main.windowTitle(), QStringLiteral("Database: ") + inWork("Bad.d"));
  EXPECT_EQ(main.problemModel().rowCount(), 0);
  EXPECT_FALSE(main.workbench().table().active());
}

TEST_F(TfmMainCommandsTest, MosaicColorIsChosenAndRemembered) {
  writeProblems("Problems.d", {{"A"}});
  TfmMain& main = start();
  main.N4Click();  // cancelled
  EXPECT_EQ(modal.colorOffered, 12639424u);
  EXPECT_EQ(main.workbench().run().MosaicColor, 12639424u);
  modal.color = 0x0000FFu;
  main.N4Click();
  EXPECT_EQ(main.workbench().run().MosaicColor, 0x0000FFu);
  main.close();
  EXPECT_TRUE(readText(writtenSettings()).contains(QStringLiteral("MDcolor=255\n")));
}

TEST_F(TfmMainCommandsTest, ChartEditorAndAboutAreShownModally) {
  writeProblems("Problems.d", {{"A"}});
  TfmMain& main = start();
  main.sbEditChartClick();
  main.About1Click();
  EXPECT_EQ(modal.shown, (std::vector<std::string>{"ChartEditorDialog", "TfmAbout"}));
}

TEST_F(TfmMainCommandsTest, SaveWritesWhateverTheModifiedFlagSays) {
  writeProblems("Problems.d", {{"A"}});
  TfmMain& main = start();
  QFile::remove(inWork("Problems.d"));
  main.N6Click();
  EXPECT_EQ(readTable("Problems.d").records.size(), 1u);
  EXPECT_FALSE(main.workbench().databaseModified());
}
