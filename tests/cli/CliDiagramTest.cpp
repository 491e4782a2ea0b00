#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string fileStart(const std::string& name, std::size_t count) {
  std::ifstream in(name, std::ios::binary);
  if (!in) ADD_FAILURE() << "missing " << name;
  std::string text(std::istreambuf_iterator<char>(in), {});
  return text.substr(0, count);
}

}  // namespace

// Built only with the desktop program, which draws the picture.
TEST(CliDiagramTest, RunDrawsTheDiagramOfTheKindTheExtensionNames) {
  TempDir dir;
  const std::string examples = std::string(testpaths::kExamplesDir) + "/Problems.d";
  struct Case {
    const char* file;
    const char* start;
  } cases[] = {{"d.svg", "<?xml"}, {"d.png", "\x89PNG"}, {"d.pdf", "%PDF"}};
  for (const Case& c : cases) {
    const ProcessResult run = runProcess(
        testpaths::kCliPath,
        {"run", examples, "Typical", "--out", dir.file("out"), "--diagram", dir.file(c.file)},
        std::string(), dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(fileStart(dir.file(c.file), std::string(c.start).size()), c.start) << c.file;
  }
  std::ifstream svg(dir.file("d.svg"));
  const std::string text(std::istreambuf_iterator<char>(svg), {});
  EXPECT_NE(text.find("<circle"), std::string::npos);  // points drawn as discs, not images
  EXPECT_EQ(text.find("<image"), std::string::npos);

  const ProcessResult wrong = runProcess(
      testpaths::kCliPath,
      {"run", examples, "Typical", "--out", dir.file("out"), "--diagram", dir.file("d.gif")},
      std::string(), dir.path().string());
  EXPECT_EQ(wrong.exitCode, 1);
  EXPECT_NE(wrong.err.find("error: A picture is saved as .svg, .png or .pdf, not as "),
            std::string::npos)
      << wrong.err;
}

TEST(CliDiagramTest, LabelsNameTheRegionsWhereAClickWouldPlaceThem) {
  TempDir dir;
  const std::string examples = std::string(testpaths::kExamplesDir) + "/Problems.d";
  const ProcessResult run = runProcess(
      testpaths::kCliPath,
      {"run", examples, "Typical", "--out", dir.file("out"), "--diagram", dir.file("d.svg"),
       "--label", "0.45,1000", "--label", "0.3,400", "--label", "5,400"},
      std::string(), dir.path().string());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::ifstream svg(dir.file("d.svg"));
  const std::string text(std::istreambuf_iterator<char>(svg), {});
  EXPECT_NE(text.find(">L<"), std::string::npos);
  EXPECT_NE(text.find(">L+C0.5<"), std::string::npos);  // a two-phase region: its neighbours

  const ProcessResult bad = runProcess(
      testpaths::kCliPath,
      {"run", examples, "Typical", "--out", dir.file("out"), "--diagram", dir.file("d.svg"),
       "--label", "0.5"},
      std::string(), dir.path().string());
  EXPECT_EQ(bad.exitCode, 2);
}
