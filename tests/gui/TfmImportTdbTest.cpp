#include "app/TfmImportTdb.h"

#include "app/ProblemListModel.h"
#include "app/TfmMain.h"
#include "problem/ProblemFields.h"
#include "support/TestPaths.h"
#include "tdb/TdbReader.h"
#include "workbench/Workbench.h"

#include "GuiFixtures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

std::string tdbFile(const char* name) {
  return std::string(testpaths::kTestDataDir) + "/tdb/" + name;
}

struct Row {
  std::string phase;
  std::string model;
  bool enabled;
};

std::vector<Row> rows(QTreeWidget& tree) {
  std::vector<Row> out;
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = tree.topLevelItem(i);
    out.push_back({item->text(0).toStdString(), item->text(1).toStdString(),
                   (item->flags() & Qt::ItemIsEnabled) != 0});
  }
  return out;
}

bool operator==(const Row& a, const Row& b) {
  return a.phase == b.phase && a.model == b.model && a.enabled == b.enabled;
}

// The dialog answered by pressing "Import" as it stands.
int pressImport(QDialog& dialog) {
  static_cast<TfmImportTdb&>(dialog).accept();
  return dialog.result();
}

using TfmImportTdbTest = MainWindowFixture;

}  // namespace

TEST_F(TfmImportTdbTest, ListsThePhasesOfTheSystemWithTheRefusedGreyed) {
  const TdbDatabase db = readTdbFile(tdbFile("Unsupported.tdb"));
  TfmImportTdb dialog(db, dialogs);
  EXPECT_EQ(dialog.elementA().count(), 3);
  EXPECT_EQ(dialog.elementA().currentText(), QStringLiteral("A"));
  EXPECT_EQ(dialog.elementB().currentText(), QStringLiteral("B"));
  EXPECT_EQ(dialog.problemName().text(), QStringLiteral("A-B"));
  const std::vector<Row> expected{
      {"LIQUID", "solution", true},
      {"FCC_A1", "solution", true},
      {"BCC_A2", "it forms an order-disorder pair with BCC_B2", false},
      {"BCC_B2", "it forms an order-disorder pair with BCC_A2", false},
      {"AB3", "compound at X = 0.75", true},
      {"SIGMA", "the elements mix on one sublattice and also fill another", false},
      {"ASSOCIATE", "its constituent AB is not an element", false},
      {"IONIC_LIQ", "it is an ionic liquid", false},
  };
  EXPECT_TRUE(rows(dialog.phases()) == expected);
  EXPECT_EQ(
      dialog.phases().topLevelItem(2)->toolTip(1).toStdString(),
      "Phase BCC_A2 (line 25) cannot be imported: it forms an order-disorder pair with BCC_B2");

  // Another element: another system, and the name follows until the user types one.
  dialog.elementB().setCurrentIndex(2);
  EXPECT_EQ(dialog.problemName().text(), QStringLiteral("A-C"));
  // The liquid holds no C: pure A liquid, a point phase at X = 0.
  EXPECT_TRUE(rows(dialog.phases()).front() == (Row{"LIQUID", "compound at X = 0", true}));
  typeInto(dialog.problemName(), QStringLiteral("Mine"));
  dialog.elementB().setCurrentIndex(1);
  EXPECT_EQ(dialog.problemName().text(), QStringLiteral("Mine"));
}

TEST_F(TfmImportTdbTest, RefusalsKeepTheDialogOpen) {
  const TdbDatabase db = readTdbFile(tdbFile("PbSn.tdb"));
  TfmImportTdb dialog(db, dialogs);
  dialog.elementB().setCurrentIndex(0);  // Pb-Pb
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  dialog.elementB().setCurrentIndex(1);
  for (int i = 0; i < dialog.phases().topLevelItemCount(); ++i)
    dialog.phases().topLevelItem(i)->setCheckState(0, Qt::Unchecked);
  dialog.accept();
  dialog.problemName().clear();
  dialog.accept();
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.calls[0].text, "The two elements of a binary system must differ");
  EXPECT_EQ(dialogs.calls[1].text, "Choose at least one phase");
  EXPECT_EQ(dialogs.calls[2].text, "Problem name must be assigned");
  EXPECT_FALSE(dialog.imported());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// File > Import: the new problem is appended to the open database, selected, ready to run.
TEST_F(TfmImportTdbTest, ImportAppendsTheProblemAndSelectsIt) {
  writeProblems("Problems.d", {{"Zinc"}});
  TfmMain& main = start();
  files.tdbAnswer = tdbFile("PbSn.tdb");
  modal.onExec = [](QDialog& dialog) {
    auto& import = static_cast<TfmImportTdb&>(dialog);
    import.phases().topLevelItem(1)->setCheckState(0, Qt::Unchecked);  // no FCC_A1
    return pressImport(dialog);
  };
  main.importTdbClick();
  EXPECT_EQ(modal.shown, (std::vector<std::string>{"TfmImportTdb"}));
  EXPECT_TRUE(dialogs.calls.empty()) << dialogs.calls.front().text;
  ProblemTable& table = main.workbench().table();
  EXPECT_FALSE(table.editing());
  EXPECT_EQ(table.recordCount(), 2);
  EXPECT_EQ(table.asString("ProblemName"), "Pb-Sn");
  EXPECT_EQ(table.asFloat("Ymin"), 300);
  // 10 % above the melting points of the phases taken: without FCC_A1, Pb melts from BCT_A5.
  EXPECT_EQ(table.asFloat("Ymax"), 556);
  EXPECT_EQ(table.asString("Yparameter"), "Temperature");
  EXPECT_EQ(table.asString("Zparameter"), "P");
  const std::string functs = table.asString("Functs");
  EXPECT_EQ(functs.rfind("% Imported from PbSn.tdb: the system PB-SN\r\n", 0), 0u);
  EXPECT_NE(functs.find("% Phases taken: LIQUID, BCT_A5\r\n"), std::string::npos);
  EXPECT_EQ(main.dbgProblems().currentIndex().row(), 1);
  EXPECT_TRUE(main.workbench().databaseModified());

  main.workbench().runToEnd();
  EXPECT_TRUE(main.workbench().isScanComplete());
}

TEST_F(TfmImportTdbTest, CancelAndBrokenFilesAddNothing) {
  writeProblems("Problems.d", {{"Zinc"}});
  writeText(inWork("broken.tdb"), QStringLiteral("ELEMENT PB FCC_A1 207.2 0 0 !\nPHASE X"));
  TfmMain& main = start();
  files.tdbAnswer = std::nullopt;
  main.importTdbClick();
  files.tdbAnswer = tdbFile("PbSn.tdb");
  main.importTdbClick();  // the dialog is cancelled
  files.tdbAnswer = inWork("broken.tdb").toStdString();
  main.importTdbClick();
  EXPECT_EQ(modal.shown.size(), 1u);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "error");
  EXPECT_EQ(dialogs.calls[0].text,
            "broken.tdb, line 2: the command is not ended by \"!\" (is the file cut short?)");
  EXPECT_EQ(main.workbench().table().recordCount(), 1);
  EXPECT_FALSE(main.workbench().databaseModified());
}
