#include "support/ChildProcess.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// `vantle-cli add` whose save cannot be done: the user gets the reason on stderr and a failing
// exit status, and the database file is left as it was.

namespace fs = std::filesystem;

namespace {

std::string fileBytes(const fs::path& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  return names;
}

std::vector<std::string> addArgs(const std::string& db, const std::string& name) {
  return {"add", db, "--set", "ProblemName=" + name, "--set", "Yparameter=Temperature",
          "--set", "Zvalue=1"};
}

}  // namespace

TEST(CliSaveFailureTest, ReadOnlyFolderIsReportedAndTheDatabaseKept) {
  TempDir dir;
  const std::string db = dir.file("Problems.d");
  const std::string fresh = dir.file("New.d");
  ASSERT_EQ(runProcess(testpaths::kCliPath, addArgs(db, "Old")).exitCode, 0);
  const std::string before = fileBytes(db);
  inChild(dir.path(), true, [&] {
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    for (const std::string& target : {db, fresh}) {
      SCOPED_TRACE(target);
      const ProcessResult added = runProcess(testpaths::kCliPath, addArgs(target, "New"));
      EXPECT_EQ(added.exitCode, 1);
      EXPECT_EQ(added.err, "error: Cannot create file " + target + "\n");
    }
    fs::permissions(dir.path(), fs::perms::owner_all);
  });
  EXPECT_EQ(fileBytes(db), before);
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"Problems.d"});
}

TEST(CliSaveFailureTest, FullDiskIsReportedAndTheDatabaseKept) {
  TempDir dir;
  const std::string db = dir.file("Problems.d");
  ASSERT_EQ(runProcess(testpaths::kCliPath, addArgs(db, "Old")).exitCode, 0);
  const std::string before = fileBytes(db);
  inChild(dir.path(), false, [&] {
    // The limit and the ignored signal pass on to the program: its write fails with EFBIG.
    struct rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = before.size();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    const ProcessResult added = runProcess(testpaths::kCliPath, addArgs(db, "New"));
    EXPECT_EQ(added.exitCode, 1);
    EXPECT_EQ(added.err, "error: Cannot create file " + db + "\n");
  });
  EXPECT_EQ(fileBytes(db), before);
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"Problems.d"});
}
