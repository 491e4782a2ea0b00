#include "app/ProblemListModel.h"
#include "app/TfmMain.h"
#include "base/NumberText.h"
#include "workbench/Workbench.h"

#include "GuiFixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <qcustomplot.h>

#include <gtest/gtest.h>

#include <string_view>

namespace {

using TfmMainEditorsTest = MainWindowFixture;

}  // namespace

TEST_F(TfmMainEditorsTest, EditorsFollowTheCurrentRecord) {
  StoredProblem a{"A", "Temperature", "P", 2.5, 300, 1500, "GL=1\r\nGS=2\r\n", 50, 20};
  StoredProblem b{"B", "Y", "P = 1 bar", 1, -1.25, 0.5, "GL=X\r\n", 7, 9};
  writeProblems("Problems.d", {b, a});
  start();
  struct Case {
    int row;
    const char* ymin;
    const char* ymax;
    const char* xPoints;
    const char* yPoints;
    const char* functs;
    const char* yParameter;
    bool zEditorVisible;
  };
  const Case cases[] = {
      {1, "-1.25", "0.5", "7", "9", "GL=X\n", "Y", false},
      {0, "300", "1500", "50", "20", "GL=1\nGS=2\n", "Temperature", true},
  };
  for (const Case& c : cases) {
    window->workbench().table().moveTo(c.row);
    EXPECT_EQ(control<QLineEdit>("dbeYmin").text(), QLatin1String(c.ymin));
    EXPECT_EQ(control<QLineEdit>("dbeYmax").text(), QLatin1String(c.ymax));
    EXPECT_EQ(control<QLineEdit>("dbeXPoints").text(), QLatin1String(c.xPoints));
    EXPECT_EQ(control<QLineEdit>("dbeYPoints").text(), QLatin1String(c.yPoints));
    EXPECT_EQ(control<QPlainTextEdit>("memFunctions").toPlainText(), QLatin1String(c.functs));
    EXPECT_EQ(control<QComboBox>("dbcbY").currentText(), QLatin1String(c.yParameter));
    EXPECT_EQ(!control<QLineEdit>("dbeZvalue").isHidden(), c.zEditorVisible);
  }
}

TEST_F(TfmMainEditorsTest, TypingEditsTheRecordAndMovingPostsIt) {
  writeProblems("Problems.d", {{"A"}, {"B"}});
  TfmMain& main = start();
  ProblemTable& table = main.workbench().table();
  typeInto(control<QLineEdit>("dbeYmax"), QStringLiteral("1234.5"));
  EXPECT_TRUE(table.editing());
  auto& functions = control<QPlainTextEdit>("memFunctions");
  functions.moveCursor(QTextCursor::End);
  QTest::keyClicks(&functions, QStringLiteral("% new"));
  table.moveTo(1);
  EXPECT_FALSE(table.editing());
  table.moveTo(0);
  EXPECT_DOUBLE_EQ(table.asFloat("Ymax"), 1234.5);
  EXPECT_EQ(table.asString("Functs"),
            "GL=X*(1-X)*10000-T*Sid\r\nGS=1000-T+X*(1-X)*15000-T*Sid\r\n% new");
  EXPECT_TRUE(main.workbench().databaseModified());
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(TfmMainEditorsTest, TypedNumbersAreReadWithTheCore) {
  struct Case {
    const char* editor;
    const char* typed;
    const char* field;
    double value;
    const char* error;
  };
  const Case cases[] = {
      {"dbeYmin", "1,5", "Ymin", 1.5, nullptr},
      {"dbeYmin", " 2.25 ", "Ymin", 2.25, nullptr},
      {"dbeYmin", "1e3", "Ymin", 1000, nullptr},
      {"dbeYmin", "abc", "Ymin", 300, "'abc' is not a valid floating point value"},
      {"dbeXPoints", "250", "XPoints", 250, nullptr},
      {"dbeXPoints", "12x", "XPoints", 100, "'12x' is not a valid integer value"},
      {"dbeYPoints", "40000", "YPoints", 100, "'40000' is not a valid integer value"},
  };
  ASSERT_EQ(decimalSeparator(), '.');
  for (const Case& c : cases) {
    writeProblems("Problems.d", {{"A"}});
    dialogs.calls.clear();
    TfmMain& main = start();
    QLineEdit& edit = control<QLineEdit>(c.editor);
    typeInto(edit, QLatin1String(c.typed));
    leave(edit);
    const ProblemTable& table = main.workbench().table();
    const bool points = std::string_view(c.field).ends_with("Points");
    EXPECT_DOUBLE_EQ(points ? table.asInteger(c.field) : table.asFloat(c.field), c.value)
        << c.typed;
    if (c.error) {
      ASSERT_EQ(dialogs.calls.size(), 1u) << c.typed;
      EXPECT_EQ(dialogs.calls[0].kind, "error");
      EXPECT_EQ(dialogs.calls[0].text, c.error);
      EXPECT_EQ(edit.text(), QString::fromStdString(formatInt(static_cast<long long>(c.value))))
          << "the editor shows the field again";
    } else {
      EXPECT_TRUE(dialogs.calls.empty()) << c.typed;
    }
    window.reset();
  }
}

TEST_F(TfmMainEditorsTest, ZvalueDisplayFormats) {
  struct Case {
    double zvalue;
    const char* afterScroll;  // "0.####e-00" below 1e-5
    const char* afterExit;    // "0.####e-0" below 1e-5
    const char* whileEditing;
  };
  const Case cases[] = {
      {1e-6, "1e-06", "1e-6", "1E-6"},
      {1e-5, "0.00001", "0.00001", "0.00001"},
      {1.23456789e-5, "0.000012", "0.000012", "0.0000123456789"},
      {0, "0e00", "0e0", "0"},
      {2.5, "2.5", "2.5", "2.5"},
  };
  for (const Case& c : cases) {
    writeProblems("Problems.d", {{"A", "Temperature", "P", c.zvalue}});
    start();
    QLineEdit& zvalue = control<QLineEdit>("dbeZvalue");
    EXPECT_EQ(zvalue.text(), QLatin1String(c.afterScroll)) << c.zvalue;
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&zvalue, &in);
    EXPECT_EQ(zvalue.text(), QLatin1String(c.whileEditing)) << c.zvalue;
    leave(zvalue);
    EXPECT_EQ(zvalue.text(), QLatin1String(c.afterExit)) << c.zvalue;
    window->workbench().table().first();
    EXPECT_EQ(zvalue.text(), QLatin1String(c.afterScroll)) << c.zvalue;
    window.reset();
  }
}

TEST_F(TfmMainEditorsTest, ChoosingTheYParameterSetsTheZLabel) {
  struct Case {
    int item;
    const char* yParameter;
    const char* zLabel;
    bool zEditorVisible;
  };
  const Case cases[] = {
      {1, "Pressure", "T", true},
      {2, "Y", "P = 1 bar, T = 300 K", false},
      {0, "Temperature", "P", true},
  };
  writeProblems("Problems.d", {{"A", "Pressure", "T"}});
  TfmMain& main = start();
  ProblemTable& table = main.workbench().table();
  for (const Case& c : cases) {
    chooseItem(control<QComboBox>("dbcbY"), c.item);
    EXPECT_TRUE(table.editing());
    EXPECT_EQ(table.asString("Yparameter"), c.yParameter);
    EXPECT_EQ(control<QLabel>("lblZ").text(), QLatin1String(c.zLabel));
    EXPECT_EQ(!control<QLineEdit>("dbeZvalue").isHidden(), c.zEditorVisible) << c.yParameter;
  }
  ASSERT_TRUE(table.post());
  EXPECT_EQ(table.asString("Zparameter"), "P");
}

TEST_F(TfmMainEditorsTest, InsertedProblemIsValidatedWhenPosted) {
  struct Case {
    const char* name;
    int yItem;
    const char* zvalue;
    const char* message;
  };
  const Case cases[] = {
      {"", -1, "", "Problem name must be assigned"},
      {"New", -1, "5", "Y parameter must be selected"},
      {"New", 0, "", "P must have positive value"},
      {"New", 1, "-3", "T must have positive value"},
      {"New", 2, "", "P = 1 bar, T = 300 K must have positive value"},
      {"New", 0, "2", nullptr},
  };
  for (const Case& c : cases) {
    writeProblems("Problems.d", {{"Z"}});
    dialogs.calls.clear();
    TfmMain& main = start();
    QTest::keyClick(&main.dbgProblems(), Qt::Key_Insert);
    ProblemListModel& model = main.problemModel();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(main.dbgProblems().currentIndex().row(), 1);
    if (*c.name) {
      EXPECT_TRUE(model.setData(model.index(1, 0), QLatin1String(c.name)));
    }
    if (c.yItem >= 0) chooseItem(control<QComboBox>("dbcbY"), c.yItem);
    if (*c.zvalue) typeInto(control<QLineEdit>("dbeZvalue"), QLatin1String(c.zvalue));
    main.N6Click();
    const ProblemTable& table = main.workbench().table();
    if (c.message) {
      ASSERT_EQ(dialogs.calls.size(), 1u) << c.message;
      EXPECT_EQ(dialogs.calls[0].kind, "warning");
      EXPECT_EQ(dialogs.calls[0].text, c.message);
      EXPECT_EQ(table.state(), ProblemTable::State::Insert) << c.message;
    } else {
      EXPECT_TRUE(dialogs.calls.empty());
      EXPECT_FALSE(table.editing());
      EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("New"));
      EXPECT_EQ(readTable("Problems.d").records.size(), 2u);
    }
    window.reset();
  }
}

TEST_F(TfmMainEditorsTest, RefusedPostKeepsTheUserOnTheRecord) {
  writeProblems("Problems.d", {{"A"}, {"B"}});
  TfmMain& main = start();
  typeInto(control<QLineEdit>("dbeZvalue"), QStringLiteral("0"));
  main.dbgProblems().selectionModel()->setCurrentIndex(main.problemModel().index(1, 0),
                                                       QItemSelectionModel::ClearAndSelect);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "P must have positive value");
  const ProblemTable& table = main.workbench().table();
  EXPECT_EQ(table.position(), 0);
  EXPECT_TRUE(table.editing());
  EXPECT_EQ(main.dbgProblems().currentIndex().row(), 0);
  EXPECT_EQ(control<QLineEdit>("dbeZvalue").text(), QStringLiteral("0"));
}

TEST_F(TfmMainEditorsTest, ListKeysInsertDeleteAndStopAtTheEnd) {
  writeProblems("Problems.d", {{"A"}, {"B"}});
  TfmMain& main = start();
  QTableView& list = main.dbgProblems();
  ProblemTable& table = main.workbench().table();
  table.moveTo(1);
  QTest::keyClick(&list, Qt::Key_Down);
  EXPECT_EQ(list.currentIndex().row(), 1);
  EXPECT_FALSE(table.editing());

  dialogs.answers = {false, true};
  QTest::keyClick(&list, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(table.recordCount(), 2);
  QTest::keyClick(&list, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(table.recordCount(), 1);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].text, "Delete record?");
  EXPECT_EQ(main.problemModel().rowCount(), 1);

  QTest::keyClick(&list, Qt::Key_Insert);
  EXPECT_EQ(table.state(), ProblemTable::State::Insert);
  EXPECT_EQ(control<QLineEdit>("dbeXPoints").text(), QStringLiteral("100"));
  main.navCancelClick();
  EXPECT_FALSE(table.editing());
  EXPECT_EQ(main.problemModel().rowCount(), 1);
  EXPECT_EQ(control<QLineEdit>("dbeYmin").text(), QStringLiteral("300"));
}

TEST_F(TfmMainEditorsTest, ShowWorkingChartHidesTheChartAndItsEditButton) {
  writeProblems("Problems.d", {{"A"}});
  TfmMain& main = start();
  main.show();
  QCheckBox& showChart = control<QCheckBox>("chbShowChart");
  ASSERT_TRUE(showChart.isChecked());
  QTest::mouseClick(&showChart, Qt::LeftButton);
  EXPECT_FALSE(main.chart1().isVisible());
  EXPECT_FALSE(control<QPushButton>("sbEditChart").isVisible());
  EXPECT_FALSE(main.workbench().table().asBoolean("ShowChart"));
  main.workbench().table().cancel();
  EXPECT_TRUE(showChart.isChecked());
  EXPECT_TRUE(main.chart1().isVisible());
  EXPECT_TRUE(control<QPushButton>("sbEditChart").isVisible());
}

TEST_F(TfmMainEditorsTest, NumbersUseTheUsersDecimalSeparator) {
  const char old = decimalSeparator();
  setDecimalSeparator(',');
  writeProblems("Problems.d", {{"A", "Temperature", "P", 2.5}});
  TfmMain& main = start();
  QLineEdit& ymin = control<QLineEdit>("dbeYmin");
  EXPECT_EQ(control<QLineEdit>("dbeZvalue").text(), QStringLiteral("2,5"));
  typeInto(ymin, QStringLiteral("1,75"));
  leave(ymin);
  EXPECT_DOUBLE_EQ(main.workbench().table().asFloat("Ymin"), 1.75);
  EXPECT_EQ(ymin.text(), QStringLiteral("1,75"));
  typeInto(ymin, QStringLiteral("1.5"));
  leave(ymin);
  setDecimalSeparator(old);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "'1.5' is not a valid floating point value");
  EXPECT_DOUBLE_EQ(main.workbench().table().asFloat("Ymin"), 1.75);
}
