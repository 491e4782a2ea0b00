#include "tdb/TdbReader.h"

#include "support/ExpectThrowMsg.h"
#include "support/TestPaths.h"
#include "tdb/TdbMessages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TdbDatabase read(const std::string& text) { return readTdb(text, "t.tdb"); }

const char* const kElements =
    "ELEMENT VA VACUUM 0 0 0 !\n"
    "ELEMENT PB FCC_A1 207.2 6878.5 64.785 !\n"
    "ELEMENT SN BCT_A5 118.71 6322.0 51.195 !\n";

}  // namespace

TEST(TdbReaderTest, ReadsTheRealPbSnDatabase) {
  const TdbDatabase db = readTdbFile(std::string(testpaths::kTestDataDir) + "/tdb/PbSn.tdb");
  EXPECT_EQ(db.sourceName, "PbSn.tdb");
  ASSERT_EQ(db.elements.size(), 4u);
  EXPECT_EQ(db.elements[2].name, "PB");
  EXPECT_EQ(db.elements[2].referencePhase, "FCC_A1");
  ASSERT_EQ(db.functions.size(), 6u);
  const TdbFunction* ghsersn = db.findFunction("GHSERSN");
  ASSERT_NE(ghsersn, nullptr);
  ASSERT_EQ(ghsersn->value.ranges.size(), 4u);
  EXPECT_EQ(ghsersn->value.ranges[0].low, 100);
  EXPECT_EQ(ghsersn->value.ranges[1].low, 250);
  EXPECT_EQ(ghsersn->value.ranges[3].high, 3000);
  EXPECT_EQ(ghsersn->line, 27);
  ASSERT_EQ(db.phases.size(), 3u);
  const TdbPhase& liquid = db.phases[0];
  EXPECT_EQ(liquid.name, "LIQUID");
  EXPECT_EQ(liquid.suffix, 'L');
  EXPECT_EQ(liquid.constituents, (std::vector<std::vector<std::string>>{{"PB", "SN"}}));
  const TdbPhase& bct = db.phases[2];
  EXPECT_EQ(bct.siteRatios, (std::vector<double>{1, 3}));
  // "VA%" marks a major constituent.
  EXPECT_EQ(bct.constituents, (std::vector<std::vector<std::string>>{{"PB", "SN"}, {"VA"}}));
  ASSERT_EQ(db.parameters.size(), 10u);
  const TdbParameter& l1 = db.parameters[3];
  EXPECT_EQ(l1.type, "G");
  EXPECT_EQ(l1.phase, "LIQUID");
  EXPECT_EQ(l1.order, 1);
  EXPECT_EQ(l1.constituents, (std::vector<std::vector<std::string>>{{"PB", "SN"}}));
  EXPECT_EQ(db.typeDefinitions.at('%').kind, TdbTypeDefinition::Kind::Other);
}

// Abbreviated keywords, letter case, comments and commands over several lines or several on
// one line.
TEST(TdbReaderTest, ReadsTheFormsTheToolsAllow) {
  const TdbDatabase db = read(std::string(kElements) +
                              "$ a comment ! with a bang\n"
                              "func gA 298.15 1+2*t ; 600 y  3 $ comment inside\n"
                              "  -t**(-1); 1000 N REF1 ! Fu GB 298.15 gA#*2; 6000 N !\n"
                              "TYPE_DEF & GES A_P_D BCC_A2 MAGNETIC -1.0 4.00000E-01 !\n"
                              "type_definition ( ges amend_phase_desc B2 dis_part BCC_A2,,,!\n"
                              "DEF_SYS_ELEMENT VA ! DEFAULT_COM DEF_SYS_ELEMENT VA /- !\n"
                              "PH BCC_A2 %& 2 1 3 ! CONST BCC_A2 : PB , SN% : VA : !\n"
                              "PAR L(BCC_A2,PB,SN:VA) 298.15 5; 6000 N !\n"
                              "PAR TC(BCC_A2,PB:VA;0) 298.15 -10; 6000 N !\n");
  ASSERT_EQ(db.functions.size(), 2u);
  const TdbFunction& ga = db.functions[0];
  EXPECT_EQ(ga.name, "GA");
  EXPECT_EQ(ga.line, 5);
  ASSERT_EQ(ga.value.ranges.size(), 2u);
  EXPECT_EQ(ga.value.ranges[1].low, 600);
  EXPECT_EQ(ga.value.ranges[1].high, 1000);
  EXPECT_EQ(db.functions[1].line, 6);
  const TdbTypeDefinition& magnetic = db.typeDefinitions.at('&');
  EXPECT_EQ(magnetic.kind, TdbTypeDefinition::Kind::Magnetic);
  EXPECT_EQ(magnetic.antiferroFactor, -1);
  EXPECT_EQ(magnetic.structureFactor, 0.4);
  EXPECT_EQ(db.typeDefinitions.at('(').kind, TdbTypeDefinition::Kind::DisorderedPart);
  EXPECT_EQ(db.typeDefinitions.at('(').partner, "BCC_A2");
  ASSERT_EQ(db.phases.size(), 1u);
  EXPECT_EQ(db.phases[0].typeCodes, "%&");
  EXPECT_EQ(db.phases[0].constituents,
            (std::vector<std::vector<std::string>>{{"PB", "SN"}, {"VA"}}));
  ASSERT_EQ(db.parameters.size(), 2u);
  EXPECT_EQ(db.parameters[0].type, "L");
  EXPECT_EQ(db.parameters[0].order, 0);
  EXPECT_EQ(db.parameters[1].type, "TC");
}

// Type definitions only steer the TDB tools or amend phases: whatever they hold, they read.
TEST(TdbReaderTest, TypeDefinitionsAreNeverAnError) {
  const TdbDatabase db = read(
      "TYPE_DEFINITION !\nTYPE_DEFINITION & GES A_P_D BCC_A2 MAGNETIC -1.0 !\n"
      "TYPE_DEFINITION ' GES A_P_D FCC_A1 MAGNETIC x y !\nTYPE_DEFINITION * GES5 A_P_D X C_S 2 !\n"
      "TYPE_DEFINITION G GES AMEND_PHASE_DESCRIPTION GAS MAJ 1 ! TYPE_DEF Y SEQ * !\n");
  ASSERT_EQ(db.typeDefinitions.size(), 5u);
  EXPECT_EQ(db.typeDefinitions.at('&').kind, TdbTypeDefinition::Kind::Magnetic);
  EXPECT_EQ(db.typeDefinitions.at('&').structureFactor, 0);
  EXPECT_EQ(db.typeDefinitions.at('\'').antiferroFactor, 0);
  EXPECT_EQ(db.typeDefinitions.at('*').kind, TdbTypeDefinition::Kind::Other);
  EXPECT_EQ(db.typeDefinitions.at('G').kind, TdbTypeDefinition::Kind::Other);
}

TEST(TdbReaderTest, ALaterDefinitionReplacesAnEarlierOne) {
  const TdbDatabase db = read(std::string(kElements) +
                              "FUNCTION GA 298.15 1; 6000 N !\n"
                              "FUNCTION GA 298.15 2; 6000 N !\n"
                              "PHASE L:L % 1 1 ! CONSTITUENT L :PB,SN: !\n"
                              "PARAMETER G(L,PB;0) 298.15 1; 6000 N !\n"
                              "PARAMETER G(L,PB;0) 298.15 2; 6000 N !\n");
  ASSERT_EQ(db.functions.size(), 1u);
  EXPECT_EQ(db.functions[0].line, 5);
  ASSERT_EQ(db.parameters.size(), 1u);
  EXPECT_EQ(db.parameters[0].line, 8);
}

// Each fault names the file, the line and what is wrong.
TEST(TdbReaderTest, FaultsNameTheLine) {
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {std::string(kElements) + "FUNCTION GA 298.15 1+T; 6000",
       "t.tdb, line 4: the command is not ended by \"!\" (is the file cut short?)"},
      {std::string(kElements) + "\nFROBNICATE X !", "t.tdb, line 5: unknown keyword FROBNICATE"},
      {"D X !", "t.tdb, line 1: the abbreviation D stands for several keywords"},
      {"Hello! This is a letter.\n", "t.tdb, line 1: unknown keyword HELLO"},
      {"no commands here\n",
       "t.tdb, line 1: the command is not ended by \"!\" (is the file cut short?)"},
      {"$ only a comment\n", "t.tdb holds no TDB commands"},
      {std::string("ELEMENT PB\0 x !", 15), "t.tdb is not a thermodynamic database (TDB) file"},
      {"FUNCTION GA 29x8 1; 6000 N !", "t.tdb, line 1: 29x8 is not a number"},
      {"FUNCTION GA 298.15 1; 6000 Y !",
       "t.tdb, line 1: the temperature ranges are not written as LOW EXPRESSION; HIGH Y "
       "EXPRESSION; ... HIGH N"},
      {"FUNCTION GA 298.15 1; 200 N !", "t.tdb, line 1: the temperature limits do not rise"},
      {"FUNCTION GA 298.15 1+*T; 6000 N !", "t.tdb, line 1: expression 1+*T: unexpected *"},
      {"FUNCTION GA 298.15 2*(T+1; 6000 N !",
       "t.tdb, line 1: expression 2*(T+1: it ends too early"},
      {"FUNCTION GA 298.15 SIN(T); 6000 N !",
       "t.tdb, line 1: expression SIN(T): unknown function SIN"},
      {"PHASE L % 2 1 !",
       "t.tdb, line 1: PHASE needs a name, type codes, the number of "
       "sublattices and a site ratio for each"},
      {"CONSTITUENT L :A: !", "t.tdb, line 1: phase L is not defined"},
      {std::string(kElements) + "PHASE L % 2 1 1 !\nCONSTITUENT L :PB,SN: !",
       "t.tdb, line 5: phase L has 2 sublattices, not 1"},
      {std::string(kElements) + "PHASE L % 1 1 !\nCONSTITUENT L :PB,AU: !",
       "t.tdb, line 5: AU is neither an element nor a species"},
      {"PARAMETER G LIQUID 298.15 1; 6000 N !",
       "t.tdb, line 1: a parameter is written as TYPE(PHASE,CONSTITUENTS;ORDER)"},
      {std::string(kElements) + "SPECIES PBAU PB1AU1 !",
       "t.tdb, line 4: PB1AU1 is neither an element nor a species"},
  };
  for (const auto& c : cases) EXPECT_THROW_MSG(read(c.text), ETdbError, c.message);
  // A hostile file neither exhausts the stack nor the memory.
  const std::string deep = std::string(150, '(') + "T" + std::string(150, ')');
  EXPECT_THROW_MSG(
      read("FUNCTION GA 298.15 " + deep + "; 6000 N !"), ETdbError,
      "t.tdb, line 1: expression " + deep.substr(0, 40) + "...: it is too long or nests too deep");
  std::string longSum = "T";
  for (int i = 0; i < 20000; ++i) longSum += "+T";
  EXPECT_THROW_MSG(read("FUNCTION GA 298.15 " + longSum + "; 6000 N !"), ETdbError,
                   "t.tdb, line 1: expression " + longSum.substr(0, 40) +
                       "...: it is too long or nests too deep");
  EXPECT_THROW_MSG(readTdbFile("/no/such/file.tdb"), ETdbError,
                   "Cannot open file /no/such/file.tdb");
}

TEST(TdbReaderTest, SpeciesFormulas) {
  const TdbDatabase db = read(std::string(kElements) +
                              "SPECIES PB2SN PB2SN1 ! SPECIES SN1 SN ! SPECIES PBION PB+2 !\n");
  ASSERT_EQ(db.species.size(), 3u);
  EXPECT_EQ(db.species[0].formula, (std::map<std::string, double>{{"PB", 2}, {"SN", 1}}));
  EXPECT_EQ(db.species[1].formula, (std::map<std::string, double>{{"SN", 1}}));
  EXPECT_EQ(db.species[2].charge, 2);
}
