#include "base/Errors.h"
#include "ProblemImage.h"
#include "storage/FieldCodec.h"
#include "storage/TableImage.h"
#include "support/ChildProcess.h"
#include "support/ExpectThrowMsg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TableFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "vantle-storage-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_dir, ec);
  }

  std::string path(const std::string& leaf) const { return (m_dir / leaf).string(); }

  static void put(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  static std::string get(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  static TableImage oneProblem(const std::string& name) {
    TableImage image = problemTableImage();
    image.records.push_back(TableRecord{{name, encodeDouble(300), encodeDouble(1500),
                                         encodeDouble(1), encodeSmallInt(100),
                                         encodeSmallInt(100), "", encodeBoolean(true), "x",
                                         "Temperature", "P"}});
    return image;
  }

  fs::path m_dir;
};

}  // namespace

TEST_F(TableFileTest, ReadFailuresNameTheFile) {
  const std::string missing = path("missing.d");
  EXPECT_THROW_MSG(readTable(missing), EDatabaseError, "Error opening file " + missing);
  put(path("plain"), "x");
  const std::string under = path("plain") + "/inner.d";
  EXPECT_THROW_MSG(readTable(under), EDatabaseError, "Error opening file " + under);
  fs::create_directory(path("folder.d"));
  EXPECT_THROW_MSG(readTable(path("folder.d")), EDatabaseError,
                   "Cannot open file " + path("folder.d"));
  put(path("bad.d"), std::string("\0\0\0\0EBroken", 11));
  EXPECT_THROW_MSG(readTable(path("bad.d")), EDatabaseError, "Error opening table: Broken");
}

TEST_F(TableFileTest, UnreadableFileCannotBeOpened) {
  inChild(m_dir, true, [&] {
    put(path("locked.d"), "x");
    fs::permissions(path("locked.d"), fs::perms::none);
    EXPECT_THROW_MSG(readTable(path("locked.d")), EDatabaseError,
                     "Cannot open file " + path("locked.d"));
  });
}

TEST_F(TableFileTest, SavedFileReadsBackAndKeepsPermissions) {
  const std::string file = path("Problems.d");
  writeTable(oneProblem("First"), file);
  ::chmod(file.c_str(), 0640);
  writeTable(oneProblem("Second"), file);
  EXPECT_EQ(readTable(file).records.at(0).values[0], "Second");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(entries(), std::vector<std::string>{"Problems.d"});
}

TEST_F(TableFileTest, SaveThroughALinkReplacesItsTarget) {
  writeTable(oneProblem("Old"), path("real.d"));
  fs::create_symlink(path("real.d"), path("link.d"));
  writeTable(oneProblem("New"), path("link.d"));
  EXPECT_TRUE(fs::is_symlink(path("link.d")));
  EXPECT_EQ(readTable(path("real.d")).records.at(0).values[0], "New");
}

TEST_F(TableFileTest, FailedSaveLeavesNothingBehind) {
  put(path("plain"), "not a folder");
  fs::create_directory(path("folder.d"));
  const std::vector<std::string> targets = {path("no-such-folder") + "/Problems.d",
                                            path("plain") + "/Problems.d", path("folder.d")};
  for (const std::string& target : targets) {
    SCOPED_TRACE(target);
    EXPECT_THROW_MSG(writeTable(oneProblem("A"), target), EDatabaseError,
                     "Cannot create file " + target);
  }
  EXPECT_EQ(get(path("plain")), "not a folder");
  EXPECT_TRUE(fs::is_empty(path("folder.d")));
  EXPECT_EQ(entries(), (std::vector<std::string>{"folder.d", "plain"}));
}

TEST_F(TableFileTest, WriteErrorKeepsTheOldFile) {
  const std::string file = path("Problems.d");
  writeTable(oneProblem("Old"), file);
  const std::string before = get(file);
  TableImage big = oneProblem("New");
  big.records[0].values[8] = std::string(100000, 'f');
  // A file size limit makes the write itself fail part way.
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW_MSG(writeTable(big, file), EDatabaseError, "Cannot create file " + file);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(get(file), before);
  EXPECT_EQ(entries(), std::vector<std::string>{"Problems.d"});
}

TEST_F(TableFileTest, ReadOnlyFolderOrFileIsNotReplaced) {
  inChild(m_dir, true, [&] {
    const std::string file = path("Problems.d");
    writeTable(oneProblem("Old"), file);
    const std::string before = get(file);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_THROW_MSG(writeTable(oneProblem("New"), file), EDatabaseError,
                     "Cannot create file " + file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW_MSG(writeTable(oneProblem("New"), file), EDatabaseError,
                     "Cannot create file " + file);
    fs::permissions(m_dir, fs::perms::owner_all);
    EXPECT_EQ(get(file), before);
    EXPECT_EQ(entries(), std::vector<std::string>{"Problems.d"});
  });
}
