#include "app/IniFile.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct LookupCase {
  const char* text;
  const char* section;
  const char* key;
  std::optional<const char*> expected;
};

}  // namespace

TEST(IniFileTest, LooksUpValuesIgnoringCaseAndBlanks) {
  const LookupCase cases[] = {
      {"[SETTINGS]\nTop=5\n", "SETTINGS", "Top", "5"},
      {"[settings]\ntop = 5 \n", "SETTINGS", "TOP", "5"},
      {"  [ SETTINGS ]  \nTop=5\n", "SETTINGS", "Top", "5"},
      {"[SETTINGS]\r\nTop=5\r\n", "SETTINGS", "Top", "5"},
      {"\xEF\xBB\xBF[SETTINGS]\nTop=5\n", "SETTINGS", "Top", "5"},
      {"[SETTINGS]\n;Top=1\n#Top=2\nTop=3\n", "SETTINGS", "Top", "3"},
      {"[SETTINGS]\nTop=1\nTop=2\n", "SETTINGS", "Top", "1"},
      {"[SETTINGS]\nTop=1\n[SETTINGS]\nLeft=2\n", "SETTINGS", "Left", "2"},
      {"[Other]\nTop=1\n[SETTINGS]\nLeft=2\n", "SETTINGS", "Top", std::nullopt},
      {"Top=1\n[SETTINGS]\n", "SETTINGS", "Top", std::nullopt},
      {"[SETTINGS]\nWorkingFileName=a=b.d\n", "SETTINGS", "WorkingFileName", "a=b.d"},
      {"[SETTINGS]\nWorkingFileName=\n", "SETTINGS", "WorkingFileName", ""},
      {"[SETTINGS]\nno equals sign\n", "SETTINGS", "no equals sign", std::nullopt},
  };
  for (const LookupCase& c : cases) {
    const IniFile ini(QString::fromUtf8(c.text));
    const auto value = ini.value(QString::fromLatin1(c.section), QString::fromLatin1(c.key));
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << c.text;
    if (value) {
      EXPECT_EQ(value->toStdString(), *c.expected) << c.text;
    }
  }
}

TEST(IniFileTest, ReplacingASectionKeepsEveryOtherLine) {
  struct Case {
    const char* before;
    const char* after;
  };
  const Case cases[] = {
      {"", "[S]\nA=1\n"},
      {"[Chart]\n; mine\nX = 1\n", "[Chart]\n; mine\nX = 1\n\n[S]\nA=1\n"},
      {"[Chart]\nX=1\n\n[s]\nOld=2\nOlder=3\n\n[Tail]\nY=2\n",
       "[Chart]\nX=1\n\n[S]\nA=1\n\n[Tail]\nY=2\n"},
      {"[S]\nOld=1\n[Mid]\nM=1\n[S]\nOld=2\n", "[S]\nA=1\n[Mid]\nM=1\n"},
      {"top=1\r\n[S]\r\nOld=1\r\n", "top=1\r\n[S]\r\nA=1\r\n"},
  };
  for (const Case& c : cases) {
    IniFile ini(QString::fromUtf8(c.before));
    ini.replaceSection(QStringLiteral("S"), {{QStringLiteral("A"), QStringLiteral("1")}});
    EXPECT_EQ(ini.text().toStdString(), c.after) << c.before;
  }
}

