#include "base/NumberText.h"
#include "support/FileText.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

ProcessResult cli(const std::vector<std::string>& args) {
  return runProcess(testpaths::kCliPath, args);
}

std::string tdb(const char* name) { return std::string(testpaths::kTestDataDir) + "/tdb/" + name; }

std::vector<double> csvNumbers(const std::string& line) {
  std::vector<double> out;
  std::size_t start = 0;
  for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
    out.push_back(strToFloat(line.substr(start, comma - start)));
  out.push_back(strToFloat(line.substr(start)));
  return out;
}

}  // namespace

// The whole road: the file to a problem, the problem to its diagram. The eutectic of the
// assessment, found by a common-tangent calculation of the same model outside the program, is
// at 454.562 K with the liquid at X = 0.73733 and the solid solutions at 0.26321 and 0.97552;
// the 200 x 200 grid finds it within one step of each axis (1.805 K, 0.005).
TEST(ImportTdbCommandTest, ImportedPbSnRunsToItsEutectic) {
  TempDir dir;
  const std::string db = dir.file("new.d");
  auto imported = cli({"import-tdb", tdb("PbSn.tdb"), "--elements", "Pb,Sn", "--db", db});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.err, "");
  auto dumped = cli({"dump", db});
  ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
  for (const char* field :
       {"\"ProblemName\": \"Pb-Sn\"", "\"Ymin\": 300", "\"Ymax\": 661", "\"Zvalue\": 1",
        "\"YPoints\": 200", "\"XPoints\": 200", "\"Yparameter\": \"Temperature\"",
        "\"Zparameter\": \"P\"", "\"Functs\": \"% Imported from PbSn.tdb: the system PB-SN\\r\\n"})
    EXPECT_NE(dumped.out.find(field), std::string::npos) << field << "\n" << dumped.out;

  auto run = cli({"run", db, "Pb-Sn", "--out", dir.file("out")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto nodes = lines(fileText(dir.file("out") + "/nodes.csv"));
  ASSERT_EQ(nodes.size(), 2u);
  const auto eutectic = csvNumbers(nodes[1]);  // Y,X,XLeft,XRight
  EXPECT_NEAR(eutectic[0], 454.562, 1.81);
  EXPECT_NEAR(eutectic[1], 0.73733, 0.0051);
  EXPECT_NEAR(eutectic[2], 0.26321, 0.0051);
  EXPECT_NEAR(eutectic[3], 0.97552, 0.0051);
}

TEST(ImportTdbCommandTest, AppendsToADatabaseUnderTheNameGiven) {
  TempDir dir;
  const std::string db = dir.file("two.d");
  ASSERT_EQ(cli({"import-tdb", tdb("PbSn.tdb"), "--elements", "PB,SN", "--db", db}).exitCode, 0);
  auto second = cli({"import-tdb", tdb("PbSn.tdb"), "--elements", "PB,SN", "--phases",
                     "LIQUID,BCT_A5", "--db", db, "--name", "Solder"});
  ASSERT_EQ(second.exitCode, 0) << second.err;
  EXPECT_EQ(cli({"list", db}).out, "Pb-Sn\nSolder\n");
}

TEST(ImportTdbCommandTest, PrintWritesTheDescriptionOnly) {
  TempDir dir;
  auto printed = cli({"import-tdb", tdb("PbSn.tdb"), "--elements", "PB,SN", "--print"});
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  EXPECT_EQ(printed.out.rfind("% Imported from PbSn.tdb: the system PB-SN\n", 0), 0u);
  EXPECT_NE(printed.out.find("\n#XCAP=Mole fraction of Sn\nSID="), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(ImportTdbCommandTest, ListShowsElementsAndPhases) {
  auto elements = cli({"import-tdb", tdb("PbSn.tdb"), "--list"});
  EXPECT_EQ(elements.out, "PB\nSN\n");
  auto phases = cli({"import-tdb", tdb("PbSn.tdb"), "--elements", "pb,sn", "--list"});
  EXPECT_EQ(phases.out, "LIQUID\tsolution\nFCC_A1\tsolution\nBCT_A5\tsolution\n");
}

// Each fault: its message, exit status 1, and no database written.
TEST(ImportTdbCommandTest, FaultsWriteNothing) {
  TempDir dir;
  std::ofstream(dir.file("cut.tdb")) << "ELEMENT PB FCC_A1 207.2 0 0 !\nFUNCTION G 298.15 1+T;";
  std::ofstream(dir.file("word.tdb")) << "ELEMENT PB FCC_A1 207.2 0 0 !\nELEMENTS SN !\n";
  std::ofstream(dir.file("image.tdb")) << std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  std::ofstream(dir.file("refused.tdb"))
      << "ELEMENT A X 1 0 0 ! ELEMENT B X 1 0 0 ! ELEMENT VA X 0 0 0 !\n"
         "PHASE LIQUID:L % 1 1 ! CONSTITUENT LIQUID :A,B: !\n"
         "PARAMETER G(LIQUID,A;0) 298.15 1000; 6000 N ! PARAMETER G(LIQUID,B;0) 298.15 0; 6000 N "
         "!\n"
         "PHASE S % 1 1 ! CONSTITUENT S :A,B,VA: !\n";
  const struct {
    std::string file;
    std::string elements;
    std::string message;
  } cases[] = {
      {tdb("PbSn.tdb"), "PB,AU", "error: Element AU is not in PbSn.tdb\n"},
      {dir.file("cut.tdb"), "PB,SN",
       "error: cut.tdb, line 2: the command is not ended by \"!\" (is the file cut short?)\n"},
      {dir.file("word.tdb"), "PB,SN", "error: word.tdb, line 2: unknown keyword ELEMENTS\n"},
      {dir.file("image.tdb"), "PB,SN",
       "error: image.tdb is not a thermodynamic database (TDB) file\n"},
      {dir.file("none.tdb"), "PB,SN", "error: Cannot open file " + dir.file("none.tdb") + "\n"},
      {dir.file("refused.tdb"), "A,B",
       "error: Phase S (line 4) cannot be imported: vacancies mix with the elements\n"},
  };
  const std::string db = dir.file("db.d");
  for (const auto& c : cases) {
    auto run = cli({"import-tdb", c.file, "--elements", c.elements, "--db", db});
    EXPECT_EQ(run.exitCode, 1) << c.file;
    EXPECT_EQ(run.err, c.message);
    EXPECT_FALSE(std::filesystem::exists(db)) << c.file;
  }
  auto skipped = cli({"import-tdb", dir.file("refused.tdb"), "--elements", "A,B",
                      "--skip-unsupported", "--print"});
  EXPECT_EQ(skipped.exitCode, 0) << skipped.err;
  EXPECT_NE(skipped.out.find("% Left out: Phase S (line 4) cannot be imported: vacancies mix "
                             "with the elements\n"),
            std::string::npos);
}

TEST(ImportTdbCommandTest, UsageFaultsExitWithTwo) {
  const std::string file = tdb("PbSn.tdb");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"import-tdb"},
           {"import-tdb", file, "--print"},
           {"import-tdb", file, "--elements", "PB", "--print"},
           {"import-tdb", file, "--elements", "PB,SN"},
           {"import-tdb", file, "--elements", "PB,SN", "--print", "--db", "x.d"},
           {"import-tdb", file, "--elements", "PB,SN", "--print", "--colour"}}) {
    EXPECT_EQ(cli(args).exitCode, 2) << args.size();
  }
  auto help = cli({"import-tdb", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("usage: vantle-cli import-tdb", 0), 0u);
}
