#include "app/ProblemListModel.h"
#include "problem/ProblemRules.h"
#include "problem/ProblemTable.h"
#include "problem/ProblemView.h"
#include "workbench/Workbench.h"

#include "GuiFixtures.h"

#include <QAbstractItemModelTester>
#include <QBrush>

#include <gtest/gtest.h>

namespace {

QStringList names(const QAbstractItemModel& model) {
  QStringList result;
  for (int row = 0; row < model.rowCount(); ++row)
    result.append(model.data(model.index(row, 0)).toString());
  return result;
}

class ProblemListModelTest : public ::testing::Test {
 protected:
  void open(const std::vector<StoredProblem>& problems) {
    writeProblems(m_dir.file("p.d"), problems);
    model.beginReload();
    bench.openDatabase(m_dir.file("p.d"));
    model.endReload();
  }

  FakeDialogs dialogs;
  NullProblemView view;
  Workbench bench{dialogs, view};
  ProblemListModel model{bench.table()};
  QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};

 private:
  TempDir m_dir;
};

}  // namespace

TEST_F(ProblemListModelTest, RowsFollowThePresentedOrder) {
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Problem name"));
  open({{"B"}, {"a"}, {"AB"}, {"A"}});
  EXPECT_EQ(names(model), (QStringList{QStringLiteral("A"), QStringLiteral("AB"),
                                       QStringLiteral("B"), QStringLiteral("a")}));
  // Every other row is tinted light green.
  EXPECT_FALSE(model.data(model.index(0, 0), Qt::BackgroundRole).isValid());
  EXPECT_EQ(model.data(model.index(1, 0), Qt::BackgroundRole).value<QBrush>().color(),
            QColor(192, 220, 192));
  EXPECT_FALSE(model.data(model.index(2, 0), Qt::BackgroundRole).isValid());
}

TEST_F(ProblemListModelTest, PostsAndDeletesReachTheList) {
  open({{"B"}, {"A"}});
  ProblemTable& table = bench.table();
  table.moveTo(0);
  table.edit();
  table.setString("ProblemName", "Renamed");
  ASSERT_TRUE(table.post());
  model.tableChanged();
  EXPECT_EQ(names(model), (QStringList{QStringLiteral("Renamed"), QStringLiteral("B")}));

  table.insert();
  table.setString("ProblemName", "C");
  table.setString("Yparameter", "Temperature");
  table.setFloat("Zvalue", 1);
  ASSERT_TRUE(table.post());
  model.tableChanged();
  EXPECT_EQ(names(model).last(), QStringLiteral("C"));

  table.moveTo(0);
  table.deleteRecord();
  model.tableChanged();
  EXPECT_EQ(names(model), (QStringList{QStringLiteral("B"), QStringLiteral("C")}));

  model.beginReload();
  table.close();
  model.endReload();
  EXPECT_EQ(model.rowCount(), 0);
}
