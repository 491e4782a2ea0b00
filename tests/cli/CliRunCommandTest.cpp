#include "support/FileText.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

ProcessResult cli(const std::vector<std::string>& args) {
  return runProcess(testpaths::kCliPath, args);
}

// The file's text; a missing file is a failure of the test.
std::string outputText(const std::filesystem::path& name) {
  if (!std::filesystem::exists(name)) ADD_FAILURE() << "missing " << name;
  return fileText(name);
}

// A database with one problem made through the command line itself.
std::string makeDatabase(const TempDir& dir, const std::string& functs, double ymin, double ymax,
                         const std::vector<std::string>& more = {}) {
  const std::string db = dir.file("run.d");
  std::ofstream(dir.file("f.txt")) << functs;
  std::vector<std::string> args{"add", db, "--set", "ProblemName=P", "--set",
                                "Yparameter=Temperature", "--set", "Zvalue=1", "--set",
                                "Ymin=" + std::to_string(ymin), "--set",
                                "Ymax=" + std::to_string(ymax), "--functs-file", dir.file("f.txt")};
  for (const auto& m : more) args.push_back(m);
  auto added = cli(args);
  EXPECT_EQ(added.exitCode, 0) << added.err;
  return db;
}

}  // namespace

TEST(CliRunCommandTest, ExampleDatabaseWritesEveryFile) {
  TempDir dir;
  const std::string examples = std::string(testpaths::kExamplesDir) + "/Problems.d";
  auto listed = cli({"list", examples});
  ASSERT_EQ(listed.exitCode, 0) << listed.err;
  for (const std::string& name : lines(listed.out)) {
    const std::string out = dir.file(name);
    auto run = cli({"run", examples, name, "--out", out, "--json"});
    ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err;
    EXPECT_EQ(run.out.rfind("{\"levels\": ", 0), 0u) << run.out;
    for (const char* file : {"grid.csv", "ties.csv", "nodes.csv", "special.csv", "other.txt"})
      EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(out) / file)) << name << file;
    const std::string png = outputText(std::filesystem::path(out) / "mosaic.png");
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    const auto grid = lines(outputText(std::filesystem::path(out) / "grid.csv"));
    // The header row and 101 levels; Pb-Sn, made by the import of a TDB file, has 200 steps.
    const bool imported = name == "Pb-Sn";
    ASSERT_EQ(grid.size(), imported ? 202u : 102u);
    EXPECT_EQ(grid[0].rfind(imported ? "\" Y/X\",\"0\",\"0.005\"," : "\" Y/X\",\"0\",\"0.01\",", 0),
              0u);
  }
}

TEST(CliRunCommandTest, FilesHoldTheRunResults) {
  TempDir dir;
  const std::string db = makeDatabase(dir, "GS=20000*X*(1-X)-T*Sid\n", 1000, 1100,
                                      {"--set", "XPoints=10", "--set", "YPoints=2"});
  auto run = cli({"run", db, "P", "--out", dir.file("o"), "--decimal-separator", ","});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const auto grid = lines(outputText(dir.file("o") + "/grid.csv"));
  ASSERT_EQ(grid.size(), 4u);
  EXPECT_EQ(grid[0], "\" Y/X\",\"0\",\"0,1\",\"0,2\",\"0,3\",\"0,4\",\"0,5\",\"0,6\",\"0,7\",\"0,8\","
                     "\"0,9\",\"1\"");
  EXPECT_EQ(grid[3], "\"1000\",\"S\",\"S\",\"S\",\"E\",\"E\",\"E\",\"E\",\"E\",\"S\",\"S\",\"S\"");
  const auto ties = lines(outputText(dir.file("o") + "/ties.csv"));
  ASSERT_GE(ties.size(), 3u);
  EXPECT_EQ(ties[0], "X,Y,Col,Name");
  // The larger X first; numbers are the exact doubles, always with '.'.
  EXPECT_EQ(ties[1], "0.7,1100,8,\"S\"");
  EXPECT_EQ(ties[2], "0.30000000000000004,1100,4,\"S\"");
}

TEST(CliRunCommandTest, FailuresAreMessagesAndExitStatus) {
  TempDir dir;
  const std::string db = makeDatabase(dir, "% nothing here\n", 300, 1500);
  auto empty = cli({"run", db, "P", "--out", dir.file("o")});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_EQ(empty.err, "error: Gibbs energy can not be computed\n");

  auto override = cli({"run", db, "P", "--out", dir.file("o"), "--set", "Functs=GL=X*LNX"});
  EXPECT_EQ(override.exitCode, 1);
  EXPECT_EQ(override.err, "error: Error parsing expression: X LNX\n");

  auto missing = cli({"run", db, "Nope", "--out", dir.file("o")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "error: Problem not found: Nope\n");
  EXPECT_EQ(cli({"run", db, "P"}).exitCode, 2);
  EXPECT_EQ(cli({"run", db, "P", "--out", dir.file("o"), "--mosaic-size", "0x5"}).exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.file("o")));
}
