#include "problem/ProblemRules.h"

#include "problem/ProblemFields.h"
#include "problem/ProblemTable.h"
#include "problem/ProblemView.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingView : public ProblemView {
 public:
  void setStatusText(const std::string& text) override { status = text; }
  void setChartVisible(bool visible) override { chartVisible = visible; }
  void setZLabel(const std::string& text) override { zLabel = text; }
  void setZEditorVisible(bool visible) override { zEditorVisible = visible; }
  void setZvalueFormat(const std::string& pattern) override { format = pattern; }

  std::string status = "old status";
  bool chartVisible = false;
  std::string zLabel;
  bool zEditorVisible = false;
  std::string format;
};

struct StoredProblem {
  std::string name;
  std::string yParameter;
  std::string zParameter;
  double zvalue = 1;
  double ymin = 300;
  double ymax = 1500;
  bool showChart = true;
};

class ProblemRulesTest : public ::testing::Test {
 protected:
  void open(const std::vector<StoredProblem>& problems) {
    TableImage image = newProblemTableImage();
    for (const auto& p : problems) {
      TableRecord record;
      record.values.resize(image.fields.size());
      record.values[0] = p.name;
      record.values[1] = encodeDouble(p.ymin);
      record.values[2] = encodeDouble(p.ymax);
      record.values[3] = encodeDouble(p.zvalue);
      record.values[7] = encodeBoolean(p.showChart);
      record.values[9] = p.yParameter;
      record.values[10] = p.zParameter;
      image.records.push_back(record);
    }
    writeTable(image, dir.file("p.d"));
    table.setTableName(dir.file("p.d"));
    table.open();
  }

  TempDir dir;
  ProblemTable table;
  RecordingView view;
  FakeDialogs dialogs;
  ProblemRules rules{table, view, dialogs};
};

}  // namespace

TEST_F(ProblemRulesTest, NewProblemGetsDefaultsAndAnEmptyLabel) {
  open({{"A", "Temperature", "P"}});
  table.first();
  EXPECT_EQ(view.zLabel, "P");
  table.insert();
  EXPECT_EQ(table.asInteger("YPoints"), 100);
  EXPECT_EQ(table.asInteger("XPoints"), 100);
  EXPECT_TRUE(table.asBoolean("ShowChart"));
  EXPECT_FALSE(table.asBoolean("ShowMosaicDiagram"));
  EXPECT_EQ(view.zLabel, "");
  EXPECT_TRUE(view.zEditorVisible);
}

TEST_F(ProblemRulesTest, ValidationStopsAtTheFirstFailingStep) {
  open({});
  struct Step {
    const char* name;
    const char* yParameter;
    double zvalue;
    const char* message;
  };
  const Step steps[] = {
      {"", "Temperature", 1, "Problem name must be assigned"},
      {"N", "", 1, "Y parameter must be selected"},
      {"N", "Temperature", 0, "P must have positive value"},
      {"N", "Pressure", -2, "T must have positive value"},
      {"N", "Y", 0, "P = 1 bar, T = 300 K must have positive value"},
  };
  for (const auto& step : steps) {
    table.insert();
    table.setString("ProblemName", step.name);
    table.setString("Yparameter", step.yParameter);
    rules.yParameterChanged();
    table.setFloat("Zvalue", step.zvalue);
    dialogs.calls.clear();
    EXPECT_FALSE(table.post());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, "warning");
    EXPECT_EQ(dialogs.calls[0].text, step.message);
    EXPECT_EQ(table.state(), ProblemTable::State::Insert);
    EXPECT_EQ(table.asString("ProblemName"), step.name);
    table.cancel();
  }
  EXPECT_FALSE(rules.databaseModified());
}

TEST_F(ProblemRulesTest, PostStoresTheLabelAndMarksTheDatabaseModified) {
  open({});
  table.insert();
  table.setString("ProblemName", "N");
  table.setFloat("Zvalue", 2);  // entered before "Y" is chosen: it still counts
  table.setString("Yparameter", "Y");
  rules.yParameterChanged();
  EXPECT_FALSE(view.zEditorVisible);
  ASSERT_TRUE(table.post());
  EXPECT_EQ(table.asString("Zparameter"), "P = 1 bar, T = 300 K");
  EXPECT_TRUE(rules.databaseModified());
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ProblemRulesTest, YParameterRuleSetsLabelAndEditor) {
  open({{"A", "Pressure", "old"}});
  table.first();
  EXPECT_EQ(view.zLabel, "T");
  table.edit();
  const struct {
    const char* item;
    const char* label;
    bool editorVisible;
  } cases[] = {{"Temperature", "P", true},
               {"Y", "P = 1 bar, T = 300 K", false},
               {"Pressure", "T", true},
               {"Kelvin", "T", true}};  // not an item: label unchanged
  for (const auto& c : cases) {
    table.setString("Yparameter", c.item);
    rules.yParameterChanged();
    EXPECT_EQ(view.zLabel, c.label) << c.item;
    EXPECT_EQ(view.zEditorVisible, c.editorVisible) << c.item;
  }
  table.setString("Zparameter", "typed");  // writing the field shows it in the label
  EXPECT_EQ(rules.zLabel(), "typed");
}

TEST_F(ProblemRulesTest, ScrollRefreshesChartStatusAndFormatThenTellsTheOwner) {
  open({{"A", "Temperature", "P", 1e-5, 100, 900, false},
        {"B", "Temperature", "P", 9.99e-6, 200, 1200, true}});
  EXPECT_EQ(view.format, "0.######");  // after open: the first record's value
  std::vector<double> ymaxSeen;
  rules.afterScroll = [&] { ymaxSeen.push_back(table.asFloat("Ymax")); };
  table.first();
  EXPECT_EQ(view.status, "");
  EXPECT_FALSE(view.chartVisible);
  EXPECT_EQ(view.format, "0.######");
  table.next();
  EXPECT_EQ(ymaxSeen, (std::vector<double>{900, 1200}));
  EXPECT_TRUE(view.chartVisible);
  EXPECT_EQ(view.format, "0.####e-00");
  rules.zEditorExit();
  EXPECT_EQ(view.format, "0.####e-0");
}

TEST_F(ProblemRulesTest, EmptyTableOpensWithTheExponentFormat) {
  open({});
  EXPECT_EQ(view.format, "0.####e-0");
  table.first();
  EXPECT_TRUE(table.eof());
}

TEST_F(ProblemRulesTest, NormalisationCutsAtTheFirstComma) {
  open({{"A", "Y", "P = 1 bar, T = 300 K"},
        {"B", "Temperature, K", "P"},
        {"C", "Pressure", "T"}});
  ASSERT_TRUE(rules.normalise());
  EXPECT_TRUE(rules.databaseModified());
  table.first();
  EXPECT_EQ(table.asString("Zparameter"), "P = 1 bar");
  table.next();
  EXPECT_EQ(table.asString("Yparameter"), "Temperature");
  EXPECT_EQ(table.asString("Zparameter"), "P");
  EXPECT_EQ(view.zLabel, "P");
  table.first();
  EXPECT_EQ(table.recNo(), 1);
}

TEST_F(ProblemRulesTest, NormalisationStopsAtARefusedPost) {
  open({{"A", "Temperature, K", "P", 0}, {"B", "Pressure, bar", "T"}});
  EXPECT_FALSE(rules.normalise());
  EXPECT_EQ(table.state(), ProblemTable::State::Edit);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "P must have positive value");
}

TEST_F(ProblemRulesTest, UntouchedDatabaseStaysUnmodified) {
  open({{"A", "Temperature", "P"}});
  ASSERT_TRUE(rules.normalise());
  EXPECT_FALSE(rules.databaseModified());
}
