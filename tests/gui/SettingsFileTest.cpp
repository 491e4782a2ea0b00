#include "app/SettingsFile.h"
#include "support/TempDir.h"

#include "GuiFixtures.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

Settings parseText(const TempDir& dir, const char* text) {
  const QString fileName = QString::fromStdString(dir.file("Vantlesol.cfg"));
  writeText(fileName, QString::fromUtf8(text));
  return SettingsFile::parse(fileName);
}

}  // namespace

TEST(SettingsFileTest, EachKeyFallsBackAloneWhenMissingOrNotANumber) {
  struct Case {
    const char* text;
    QRect placement;  // left, top, width, height
    std::uint32_t color;
  };
  const Case cases[] = {
      {"[SETTINGS]\n", QRect(0, 0, 660, 532), 0},
      {"[SETTINGS]\nTop=10\nHeight=400\nLeft=20\nWidth=500\nMDcolor=255\n",
       QRect(20, 10, 500, 400), 255},
      {"[SETTINGS]\nTop=x\nHeight=4.5\nLeft=-30\nWidth=\nMDcolor=0\n", QRect(-30, 0, 660, 532),
       0},
      {"[SETTINGS]\nTop=99999999999\nMDcolor=$FF00\n", QRect(0, 0, 660, 532), 0xFF00},
      {"[SETTINGS]\nMDcolor=-1\n", QRect(0, 0, 660, 532), 0xFFFFFFFFu},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const Settings settings = parseText(dir, c.text);
    ASSERT_TRUE(settings.placement.has_value()) << c.text;
    EXPECT_EQ(*settings.placement, c.placement) << c.text;
    EXPECT_EQ(settings.mosaicColor, c.color) << c.text;
  }
}

TEST(SettingsFileTest, WritesKeysInOrderAndKeepsOtherSections) {
  TempDir dir;
  const QString program = QString::fromStdString(dir.file("program"));
  QDir().mkpath(program);
  const QString fileName = QDir(program).filePath(QStringLiteral("Vantlesol.cfg"));
  writeText(fileName, QStringLiteral("[Chart]\n; kept as typed\nColour = red\n\n[SETTINGS]\n"
                                     "Top=1\nObsolete=yes\n\n[Last]\nA=1\n"));
  const SettingsFile settingsFile(program, QString::fromStdString(dir.file("config")));
  ASSERT_EQ(settingsFile.writePath(), fileName);
  ASSERT_TRUE(settingsFile.write(QRect(57, 25, 877, 678), QStringLiteral("Problems.d"),
                                 12639424));
  EXPECT_EQ(readText(fileName).toStdString(),
            "[Chart]\n; kept as typed\nColour = red\n\n[SETTINGS]\nTop=25\nHeight=678\n"
            "Left=57\nWidth=877\nWorkingFileName=Problems.d\nMDcolor=12639424\n\n[Last]\nA=1\n");
}

TEST(SettingsFileTest, UnwritableProgramFolderUsesTheUserConfigFolder) {
  TempDir dir;
  const QString oldCurrent = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path().string())));
  const QString config = QString::fromStdString(dir.file("config"));
  const QString configFile = QDir(config).filePath(QStringLiteral("Vantlesol.cfg"));
  const SettingsFile settingsFile(QString::fromStdString(dir.file("no-such-program-folder")),
                                  config);

  EXPECT_EQ(settingsFile.writePath(), configFile);
  ASSERT_TRUE(settingsFile.write(QRect(1, 2, 3, 4), QStringLiteral("x.d"), 7));
  EXPECT_EQ(settingsFile.readPath(), configFile);
  EXPECT_EQ(settingsFile.read().workingFileName, QStringLiteral("x.d"));

  // The current folder's file comes first.
  writeText(QStringLiteral("Vantlesol.cfg"), QStringLiteral("[SETTINGS]\nWorkingFileName=y.d\n"));
  EXPECT_EQ(settingsFile.read().workingFileName, QStringLiteral("y.d"));
  QDir::setCurrent(oldCurrent);
}

TEST(SettingsFileTest, SettingsWrittenNextToTheProgramAreReadBackFromElsewhere) {
  TempDir dir;
  const QString oldCurrent = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path().string())));
  const QString program = QString::fromStdString(dir.file("program"));
  QDir().mkpath(program);
  const SettingsFile settingsFile(program, QString::fromStdString(dir.file("config")));

  ASSERT_TRUE(settingsFile.write(QRect(1, 2, 3, 4), QStringLiteral("kept.d"), 7));
  EXPECT_EQ(settingsFile.readPath(), settingsFile.writePath());
  EXPECT_EQ(settingsFile.read().workingFileName, QStringLiteral("kept.d"));
  QDir::setCurrent(oldCurrent);
}
