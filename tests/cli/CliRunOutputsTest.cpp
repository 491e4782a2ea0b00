#include "support/FileText.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

// The files "vantle-cli run" writes for every example, at the stored grid and at an odd one,
// must stay byte for byte what they were when the digests were recorded: new capabilities come
// with new options, never as a change of these. After a deliberate change of the outputs,
// VANTLE_RECORD_RUN_OUTPUTS=1 makes this test write the digests anew.

namespace {

const std::string kDigests = std::string(testpaths::kTestDataDir) + "/run-outputs/SHA256SUMS";

std::string slug(const std::string& name) {
  std::string out;
  for (char c : name) out += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

struct Variant {
  const char* name;
  std::vector<std::string> options;
};

}  // namespace

TEST(CliRunOutputsTest, EveryExampleWritesTheRecordedBytes) {
  TempDir dir;
  const std::string examples = std::string(testpaths::kExamplesDir) + "/Problems.d";
  const auto listed = runProcess(testpaths::kCliPath, {"list", examples});
  ASSERT_EQ(listed.exitCode, 0) << listed.err;
  ASSERT_FALSE(lines(listed.out).empty());
  const std::vector<Variant> variants{
      {"default", {}}, {"odd", {"--set", "XPoints=37", "--set", "YPoints=23"}}};
  std::vector<std::string> files;
  for (const std::string& name : lines(listed.out)) {
    for (const Variant& variant : variants) {
      const std::string folder = slug(name) + "-" + variant.name;
      std::vector<std::string> args{"run", examples, name, "--out", dir.file(folder), "--json"};
      args.insert(args.end(), variant.options.begin(), variant.options.end());
      const auto run = runProcess(testpaths::kCliPath, args);
      ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err;
      // The summary without its time, which differs from run to run.
      std::ofstream(dir.file(folder + "/summary.json"))
          << std::regex_replace(run.out, std::regex("\"seconds\": [^}]*"), "\"seconds\": 0");
      for (const char* file : {"grid.csv", "ties.csv", "nodes.csv", "special.csv", "other.txt",
                               "mosaic.png", "summary.json"})
        files.push_back(folder + "/" + file);
    }
  }
  const auto digests = runProcess("/usr/bin/sha256sum", files, "", dir.path().string());
  ASSERT_EQ(digests.exitCode, 0) << digests.err;
  if (std::getenv("VANTLE_RECORD_RUN_OUTPUTS")) {
    std::ofstream(kDigests, std::ios::binary) << digests.out;
    GTEST_SKIP() << "recorded " << kDigests;
  }
  const std::string recorded = fileText(kDigests);
  ASSERT_FALSE(recorded.empty()) << "missing " << kDigests;
  EXPECT_EQ(lines(digests.out), lines(recorded));
}
