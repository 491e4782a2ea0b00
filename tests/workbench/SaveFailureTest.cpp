#include "base/Errors.h"
#include "problem/ProblemView.h"
#include "storage/TableImage.h"
#include "support/ExpectThrowMsg.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"
#include "workbench/Workbench.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string fileBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void setFileSizeLimit(rlim_t bytes) {
  struct rlimit limit {};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace

// A save that fails (here: the disk is full) reports the file and changes nothing in memory, so
// the edits are still there for the next save.
TEST(SaveFailureTest, FailedSaveKeepsTheEditsForTheNextSave) {
  TempDir dir;
  const std::string file = dir.file("Problems.d");
  {
    FakeDialogs dialogs;
    NullProblemView view;
    Workbench bench(dialogs, view);
    bench.table().openEmpty();
    bench.table().insert();
    bench.table().setString("ProblemName", "Old");
    bench.table().setString("Yparameter", "Temperature");
    bench.yParameterChanged();
    bench.table().setFloat("Zvalue", 1);
    ASSERT_TRUE(bench.table().post());
    bench.table().save(file);
  }
  const std::string before = fileBytes(file);

  std::fflush(nullptr);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    FakeDialogs dialogs;
    NullProblemView view;
    Workbench bench(dialogs, view);
    bench.openDatabase(file);
    bench.table().edit();
    bench.table().setString("Functs", std::string(100000, 'x'));
    std::signal(SIGXFSZ, SIG_IGN);
    setFileSizeLimit(before.size());
    EXPECT_THROW_MSG(bench.saveDatabase(), EDatabaseError, "Cannot create file " + file);
    EXPECT_THROW_MSG(bench.saveIfModified(), EDatabaseError, "Cannot create file " + file);
    EXPECT_TRUE(bench.databaseModified());
    EXPECT_EQ(bench.table().asString("Functs").size(), 100000u);
    EXPECT_EQ(fileBytes(file), before);
    setFileSizeLimit(RLIM_INFINITY);
    bench.saveIfModified();
    EXPECT_EQ(readTable(file).records.at(0).values[8], std::string(100000, 'x'));
    std::fflush(nullptr);
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "the checks in the child process failed (their messages are above)";
}
