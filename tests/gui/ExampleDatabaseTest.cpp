#include "app/ExampleDatabase.h"
#include "support/TempDir.h"

#include "GuiFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// An installed tree under a temporary folder: prefix/bin is the program's folder, prefix/share
// holds the examples, and home/ stands for the current folder and the user's data folder.
class ExampleDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_oldCurrent = QDir::currentPath();
    ASSERT_TRUE(QDir().mkpath(m_bin));
    ASSERT_TRUE(QDir().mkpath(m_home));
    ASSERT_TRUE(QDir::setCurrent(m_home));
  }
  void TearDown() override { QDir::setCurrent(m_oldCurrent); }

  QString path(const char* relative) const {
    return QDir(QString::fromStdString(m_dir.path().string())).filePath(QLatin1String(relative));
  }
  void installExamples(const QString& text) {
    const QString installed = path("prefix/share/vantle/examples/Problems.d");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).absolutePath()));
    writeText(installed, text);
    // Installed files belong to the system; the program must not need to write them.
    ASSERT_TRUE(QFile::setPermissions(installed, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                     QFileDevice::ReadOther));
  }
  ExampleDatabase examples(const QString& dataFolder) const { return {m_bin, dataFolder}; }

  TempDir m_dir;
  QString m_oldCurrent;
  const QString m_bin = path("prefix/bin");
  const QString m_home = path("home");
  const QString m_data = path("home/.local/share/Vantle");
  const QString m_copy = path("home/.local/share/Vantle/Problems.d");
};

}  // namespace

TEST_F(ExampleDatabaseTest, FirstStartCopiesTheInstalledExamplesAndOpensTheCopy) {
  installExamples(QStringLiteral("installed"));
  EXPECT_EQ(examples(m_data).installedPath(),
            path("prefix/share/vantle/examples/Problems.d"));

  EXPECT_EQ(examples(m_data).startupDatabase(), m_copy);
  EXPECT_EQ(readText(m_copy), QStringLiteral("installed"));
  // The copy is the user's to edit, whatever the installed file allows.
  EXPECT_TRUE(QFileInfo(m_copy).permissions().testFlag(QFileDevice::WriteOwner));
}

TEST_F(ExampleDatabaseTest, AnExistingUserCopyIsOpenedAndNeverOverwritten) {
  installExamples(QStringLiteral("installed, newer"));
  ASSERT_TRUE(QDir().mkpath(m_data));
  writeText(m_copy, QStringLiteral("the user's work"));

  EXPECT_EQ(examples(m_data).startupDatabase(), m_copy);
  EXPECT_EQ(readText(m_copy), QStringLiteral("the user's work"));
}

TEST_F(ExampleDatabaseTest, ProblemsDInTheCurrentFolderComesFirst) {
  installExamples(QStringLiteral("installed"));
  writeText(QStringLiteral("Problems.d"), QStringLiteral("local"));

  EXPECT_EQ(examples(m_data).startupDatabase(), QStringLiteral("Problems.d"));
  EXPECT_FALSE(QFileInfo::exists(m_data));
}

TEST_F(ExampleDatabaseTest, WithoutAUsableCopyTheDefaultIsLeftForTheStartUpToReport) {
  // Not installed: a build tree has no share folder beside its programs.
  EXPECT_TRUE(examples(m_data).installedPath().isEmpty());
  EXPECT_EQ(examples(m_data).startupDatabase(), QStringLiteral("Problems.d"));
  EXPECT_FALSE(QFileInfo::exists(m_data));

  installExamples(QStringLiteral("installed"));
  // No user data folder known.
  EXPECT_EQ(examples(QString()).startupDatabase(), QStringLiteral("Problems.d"));
  // A file stands where the data folder would be created.
  writeText(path("home/blocked"), QStringLiteral("x"));
  EXPECT_EQ(examples(path("home/blocked/Vantle")).startupDatabase(), QStringLiteral("Problems.d"));
  // A folder stands where the copy would be written.
  ASSERT_TRUE(QDir().mkpath(m_copy));
  EXPECT_EQ(examples(m_data).startupDatabase(), QStringLiteral("Problems.d"));
}
