#include "diagram/TfmSpecPoints.h"

#include <QListWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

QStringList rowTexts(const QTableWidget& table, int row) {
  QStringList texts;
  for (int col = 0; col < table.columnCount(); ++col) {
    const QTableWidgetItem* item = table.item(row, col);
    texts << (item ? item->text() : QString());
  }
  return texts;
}

QStringList headers(const QTableWidget& table) {
  QStringList texts;
  for (int col = 0; col < table.columnCount(); ++col) texts << table.horizontalHeaderItem(col)->text();
  return texts;
}

}  // namespace

TEST(TfmSpecPointsTest, OpensWithOneEmptyRowAndAnEmptyList) {
  TfmSpecPoints window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Special points coordinates"));
  const QTableWidget& table = window.sgSpecPoints();
  ASSERT_EQ(table.columnCount(), 4);
  EXPECT_EQ(table.columnWidth(0), 120);
  EXPECT_EQ(table.height(), 282);
  ASSERT_EQ(table.rowCount(), 1);
  EXPECT_EQ(rowTexts(table, 0), (QStringList{{}, {}, {}, {}}));
  EXPECT_EQ(window.otherPointsList().count(), 0);
}

TEST(TfmSpecPointsTest, NodeRowsAndHeadersFollowTheYParameter) {
  TfmSpecPoints window;
  window.fillNodeTable({{900, 0.5, 0.25, 0.75}, {612.3456, 0.4004, 0.1, 0.99999}}, "Temperature");
  const QTableWidget& table = window.sgSpecPoints();
  EXPECT_EQ(headers(table), (QStringList{QStringLiteral(" T"), QStringLiteral(" X(left)"),
                                         QStringLiteral(" X"), QStringLiteral(" X(right)")}));
  ASSERT_EQ(table.rowCount(), 2);
  EXPECT_EQ(rowTexts(table, 0), (QStringList{QStringLiteral(" 900"), QStringLiteral(" 0.25"),
                                             QStringLiteral(" 0.5"), QStringLiteral(" 0.75")}));
  EXPECT_EQ(rowTexts(table, 1), (QStringList{QStringLiteral(" 612.346"), QStringLiteral(" 0.1"),
                                             QStringLiteral(" 0.4"), QStringLiteral(" 1")}));

  window.fillNodeTable({}, "Y");
  EXPECT_EQ(headers(table).front(), QStringLiteral(" P"));
  ASSERT_EQ(table.rowCount(), 1);
  EXPECT_EQ(rowTexts(table, 0), (QStringList{{}, {}, {}, {}}));
  window.fillNodeTable({}, "Pressure");
  EXPECT_EQ(headers(table).front(), QStringLiteral(" P"));
}

TEST(TfmSpecPointsTest, OtherPointsListIsReplacedEachTime) {
  TfmSpecPoints window;
  window.showOtherPoints({"T(X = 0.5) = 850 ", "T(X = 0) = 700 "});
  window.showOtherPoints({"T(X = 0.25) = 600 "});
  ASSERT_EQ(window.otherPointsList().count(), 1);
  EXPECT_EQ(window.otherPointsList().item(0)->text(), QStringLiteral("T(X = 0.25) = 600 "));
}
