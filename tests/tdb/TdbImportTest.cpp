#include "tdb/TdbImport.h"

#include "support/ExpectThrowMsg.h"
#include "support/FileText.h"
#include "support/TestPaths.h"
#include "tdb/DescriptionProbe.h"
#include "tdb/TdbMessages.h"
#include "tdb/TdbReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

// The models of the test databases written out by hand from their TDB files, independently
// of the translation: G in J per mole of atoms, x the mole fraction of B.
namespace {

constexpr double kR = 8.31451;

TdbDatabase database(const char* name) {
  return readTdbFile(std::string(testpaths::kTestDataDir) + "/tdb/" + name);
}

double ideal(double x, double t) {
  const auto xlnx = [](double v) { return v > 0 ? v * std::log(v) : 0.0; };
  return kR * t * (xlnx(x) + xlnx(1 - x));
}

// PbSn.tdb
double ghserpb(double t) {
  const double lnt = std::log(t);
  if (t < 600.65)
    return -7650.085 + 101.715188 * t - 24.5242231 * t * lnt - 3.65895E-3 * t * t -
           0.24395E-6 * t * t * t;
  if (t < 1200)
    return -10531.115 + 154.258155 * t - 32.4913959 * t * lnt + 1.54613E-3 * t * t +
           805.644E23 * std::pow(t, -9);
  return 4157.596 + 53.154045 * t - 18.9640637 * t * lnt - 2.882943E-3 * t * t +
         0.098144E-6 * t * t * t - 2696755 / t + 805.644E23 * std::pow(t, -9);
}
double gpbliq(double t) {
  if (t < 600.65) return 4672.157 - 7.750257 * t - 6.0144E-19 * std::pow(t, 7) + ghserpb(t);
  return 4853.112 - 8.066587 * t - 8.05644E25 * std::pow(t, -9) + ghserpb(t);
}
double ghsersn(double t) {
  const double lnt = std::log(t);
  if (t < 250)
    return -7958.517 + 122.750027 * t - 25.858 * t * lnt + 5.1185E-04 * t * t -
           3.192767E-06 * t * t * t + 18440 / t;
  if (t < 505.08)
    return -5855.135 + 65.427891 * t - 15.961 * t * lnt - .0188702 * t * t +
           3.121167E-06 * t * t * t - 61960 / t;
  if (t < 800)
    return 2524.724 + 3.989845 * t - 8.2590486 * t * lnt - .016814429 * t * t +
           2.623131E-06 * t * t * t - 1081244 / t - 1.2307E+25 * std::pow(t, -9);
  return -8256.959 + 138.981456 * t - 28.4512 * t * lnt - 1.2307E+25 * std::pow(t, -9);
}
double gsnliq(double t) {
  if (t < 505.06) return 7104.222 - 14.09088 * t + 1.49316649E-18 * std::pow(t, 7) + ghsersn(t);
  return 6970.705 - 13.813302 * t + 1.24912E+25 * std::pow(t, -9) + ghsersn(t);
}

double pbsnLiquid(double x, double t) {
  return (1 - x) * gpbliq(t) + x * gsnliq(t) + ideal(x, t) +
         x * (1 - x) * ((5125 + 1.46424 * t) + 293.82 * ((1 - x) - x));
}
double pbsnFcc(double x, double t) {
  return (1 - x) * ghserpb(t) + x * (4150 - 5.2 * t + ghsersn(t)) + ideal(x, t) +
         x * (1 - x) * (5132.41 + 1.56312 * t);
}
double pbsnBct(double x, double t) {
  return (1 - x) * (489 + 3.52 * t + ghserpb(t)) + x * ghsersn(t) + ideal(x, t) +
         x * (1 - x) * (17117.78 - 11.8066 * t);
}

// FeNiMagnetic.tdb
double ghserfe(double t) {
  if (t < 1811)
    return 1225.7 + 124.134 * t - 23.5143 * t * std::log(t) - .00439752 * t * t -
           5.8927E-08 * t * t * t + 77359 / t;
  return -25383.581 + 299.31255 * t - 46 * t * std::log(t) + 2.29603E+31 * std::pow(t, -9);
}
double ghserni(double t) {
  if (t < 1728) return -5179.159 + 117.854 * t - 22.096 * t * std::log(t) - .0048407 * t * t;
  return -27840.655 + 279.135 * t - 43.1 * t * std::log(t) + 1.12754E+31 * std::pow(t, -9);
}
double gfefcc(double t) {
  return -1462.4 + 8.282 * t - 1.15 * t * std::log(t) + 6.4E-04 * t * t + ghserfe(t);
}

// Inden-Hillert-Jarl, with the antiferromagnetic factor applied to negative values.
double magnetic(double t, double tc, double beta, double factor, double p) {
  if (tc < 0) tc /= factor;
  if (beta < 0) beta /= factor;
  const double d = 518.0 / 1125 + 11692.0 / 15975 * (1 / p - 1);
  const double tau = t / tc;
  const double g =
      tau <= 1
          ? 1 - (79 / (140 * p) / tau +
                 474.0 / 497 * (1 / p - 1) *
                     (std::pow(tau, 3) / 6 + std::pow(tau, 9) / 135 + std::pow(tau, 15) / 600)) /
                    d
          : -(std::pow(tau, -5) / 10 + std::pow(tau, -15) / 315 + std::pow(tau, -25) / 1500) / d;
  return kR * t * std::log(beta + 1) * g;
}

double feniBcc(double x, double t) {
  const double tc = (1 - x) * 1043 + x * 575;
  const double beta = (1 - x) * 2.22 + x * 0.85;
  // G(BCC_A2,NI,FE:VA;1): the file writes Ni first, so the factor is y(Ni) - y(Fe).
  return (1 - x) * ghserfe(t) + x * (8715.084 - 3.556 * t + ghserni(t)) + ideal(x, t) +
         x * (1 - x) * ((-956.63 - 1.28726 * t) + (1789.03 - 1.92912 * t) * (x - (1 - x))) +
         magnetic(t, tc, beta, -1, 0.4);
}
double feniFcc(double x, double t) {
  const double d = (1 - x) - x;
  const double tc = (1 - x) * -201 + x * 633 + x * (1 - x) * (2133 - 682 * d);
  const double beta = (1 - x) * -2.1 + x * 0.52 + x * (1 - x) * (9.55 + 7.23 * d);
  return (1 - x) * gfefcc(t) + x * ghserni(t) + ideal(x, t) +
         x * (1 - x) *
             ((-12054.355 + 3.27413 * t) + (11082.1315 - 4.4507 * t) * d - 725.805174 * d * d) +
         magnetic(t, tc, beta, -3, 0.28);
}
double feni3(double t) {
  return (-30000 + 8 * t + gfefcc(t) + 3 * ghserni(t) + magnetic(t, 870, 2.4, -3, 0.28)) / 4;
}

void expectClose(double actual, double expected, const std::string& where) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::abs(expected)) << where;
}

// Temperatures on both sides of every range limit of the files, and on the limits.
const double kTemperatures[] = {298.15,  300, 455,     505.06 - 1e-9, 505.06, 505.08, 600,  600.65,
                                600.651, 800, 1199.99, 1200,          1500,   1728,   1811, 2500};
const double kCompositions[] = {0, 1e-6, 0.1, 0.37, 0.5, 0.74, 0.95, 1};

TdbImport importAll(const char* file, const char* a, const char* b) {
  return importBinarySystem(database(file), {a, b, {}, false});
}

}  // namespace

TEST(TdbImportTest, PbSnEnergiesEqualTheAssessment) {
  const TdbImport imported = importAll("PbSn.tdb", "PB", "SN");
  EXPECT_EQ(imported.taken, (std::vector<std::string>{"LIQUID", "FCC_A1", "BCT_A5"}));
  EXPECT_TRUE(imported.leftOut.empty());
  DescriptionProbe probe(imported.description);
  const struct {
    const char* name;
    std::function<double(double, double)> model;
  } phases[] = {{"LIQUID", pbsnLiquid}, {"S_FCC_A1", pbsnFcc}, {"S_BCT_A5", pbsnBct}};
  for (const auto& phase : phases) {
    const int index = probe.solutionIndex(phase.name);
    ASSERT_GE(index, 0) << phase.name;
    for (double t : kTemperatures)
      for (double x : kCompositions)
        expectClose(
            probe.solution(static_cast<std::size_t>(index), x, t), phase.model(x, t),
            std::string(phase.name) + " x=" + std::to_string(x) + " T=" + std::to_string(t));
  }
}

TEST(TdbImportTest, MagneticTermsEqualTheModel) {
  const TdbImport imported = importAll("FeNiMagnetic.tdb", "FE", "NI");
  EXPECT_EQ(imported.taken, (std::vector<std::string>{"BCC_A2", "FCC_A1", "FENI3"}));
  DescriptionProbe probe(imported.description);
  const int bcc = probe.solutionIndex("S_BCC_A2");
  const int fcc = probe.solutionIndex("S_FCC_A1");
  ASSERT_GE(bcc, 0);
  ASSERT_GE(fcc, 0);
  // Across Tc of each end member and the mixture, where the FCC's Tc changes sign (x near
  // 0.09) and where it is exactly 0 nowhere on these points.
  const double temperatures[] = {300, 400, 575, 633, 700, 1043, 1100, 1811, 2000};
  const double compositions[] = {0, 0.05, 0.0878, 0.2, 0.5, 0.75, 0.9, 1};
  for (double t : temperatures) {
    for (double x : compositions) {
      const std::string where = "x=" + std::to_string(x) + " T=" + std::to_string(t);
      expectClose(probe.solution(static_cast<std::size_t>(bcc), x, t), feniBcc(x, t),
                  "BCC " + where);
      expectClose(probe.solution(static_cast<std::size_t>(fcc), x, t), feniFcc(x, t),
                  "FCC " + where);
    }
    ASSERT_EQ(probe.phases().PointPhases.size(), 1u);
    EXPECT_EQ(probe.phases().PointPhases[0].text, "0.75");
    expectClose(probe.point(0, t), feni3(t), "FENI3 T=" + std::to_string(t));
  }
}

// B-A is A-B seen from the other side: X becomes 1-X, and an odd interaction order the file
// writes A before B changes sign.
TEST(TdbImportTest, ElementsTheOtherWayRoundMirrorTheEnergies) {
  DescriptionProbe forward(importAll("FeNiMagnetic.tdb", "FE", "NI").description);
  DescriptionProbe backward(importAll("FeNiMagnetic.tdb", "NI", "FE").description);
  for (const char* phase : {"S_BCC_A2", "S_FCC_A1"}) {
    const auto f = static_cast<std::size_t>(forward.solutionIndex(phase));
    const auto b = static_cast<std::size_t>(backward.solutionIndex(phase));
    for (double t : {300.0, 700.0, 1500.0})
      for (double x : {0.0, 0.2, 0.5, 0.9})
        expectClose(backward.solution(b, 1 - x, t), forward.solution(f, x, t),
                    std::string(phase) + " x=" + std::to_string(x) + " T=" + std::to_string(t));
  }
  EXPECT_EQ(backward.phases().PointPhases[0].text, "0.25");
}

TEST(TdbImportTest, LineCompoundIsAPointPhasePerMoleOfAtoms) {
  const TdbImport imported = importAll("PbSnCompound.tdb", "PB", "SN");
  EXPECT_EQ(imported.taken, (std::vector<std::string>{"LIQUID", "PBSN3", "BCT_A5"}));
  EXPECT_NE(imported.description.find("X=3/4;GCPBSN3="), std::string::npos) << imported.description;
  EXPECT_NE(imported.description.find("X=1;GCBCT_A5="), std::string::npos);
  DescriptionProbe probe(imported.description);
  ASSERT_EQ(probe.phases().PointPhases.size(), 2u);
  const int liquid = probe.solutionIndex("LIQUID");
  for (double t : kTemperatures) {
    expectClose(probe.point(0, t), (-6000 + 1.5 * t + ghserpb(t) + 3 * ghsersn(t)) / 4,
                "PBSN3 T=" + std::to_string(t));
    expectClose(probe.point(1, t), ghsersn(t), "BCT_A5 T=" + std::to_string(t));
    for (double x : kCompositions)
      expectClose(
          probe.solution(static_cast<std::size_t>(liquid), x, t),
          (1 - x) * gpbliq(t) + x * gsnliq(t) + ideal(x, t) + x * (1 - x) * (5125 + 1.46424 * t),
          "LIQUID x=" + std::to_string(x) + " T=" + std::to_string(t));
  }
}

TEST(TdbImportTest, DescriptionStartsWithWhatItHoldsAndSetsTheProblem) {
  const TdbImport imported = importAll("PbSn.tdb", "pb", "Sn");
  const auto text = lines(imported.description);
  ASSERT_GT(text.size(), 10u);
  EXPECT_EQ(text[0], "% Imported from PbSn.tdb: the system PB-SN");
  EXPECT_EQ(text[1], "% X = mole fraction of SN; energies in J per mole of atoms");
  EXPECT_EQ(text[2], "% Phases taken: LIQUID, FCC_A1, BCT_A5");
  EXPECT_EQ(text[3], "% Left out: none");
  // After the comments: the caption, the ideal mixing, the functions, the phases.
  EXPECT_NE(imported.description.find("K\n#XCAP=Mole fraction of Sn\n"
                                      "SID=-8.31451*(X*LN(X)+(1-X)*LN(1-X))\n% GPBLIQ: "),
            std::string::npos);
  EXPECT_EQ(text.back().rfind("GS_BCT_A5=", 0), 0u);
  // Functions whose names the parse would take for a phase line are renamed.
  EXPECT_NE(imported.description.find("\n_GSNLIQ="), std::string::npos);
  EXPECT_NE(imported.description.find("\nGLIQUID=(1-X)*GPBLIQ+X*_GSNLIQ-T*SID+X*(1-X)*"
                                      "(L0_LIQUID+L1_LIQUID*(1-2*X))\n"),
            std::string::npos)
      << imported.description;
  for (const auto& line : text) EXPECT_LE(line.size(), 110u) << line;
  EXPECT_EQ(imported.problemName, "Pb-Sn");
  EXPECT_EQ(imported.ymin, 300);
  // Pb melts at 600.65 K in this file (its liquid range ends there): 10 % above, rounded up.
  EXPECT_EQ(imported.ymax, 661);
  EXPECT_NE(imported.description.find(
                "% Melting point of Pb: 600.65 K\n% Melting point of Sn: 505.06 K\n"),
            std::string::npos);
  EXPECT_EQ(imported.xPoints, 200);
  EXPECT_EQ(imported.yPoints, 200);
}

TEST(TdbImportTest, ChosenPhasesOnly) {
  const TdbImport imported =
      importBinarySystem(database("PbSn.tdb"), {"PB", "SN", {"bct_a5", "LIQUID"}, false});
  EXPECT_EQ(imported.taken, (std::vector<std::string>{"BCT_A5", "LIQUID"}));
  EXPECT_EQ(imported.description.find("FCC_A1="), std::string::npos);
}

TEST(TdbImportTest, WhatCannotBeImportedIsNamed) {
  const TdbDatabase db = database("PbSn.tdb");
  const struct {
    TdbImportRequest request;
    const char* message;
  } cases[] = {
      {{"PB", "AU", {}, false}, "Element AU is not in PbSn.tdb"},
      {{"PB", "VA", {}, false}, "Element VA is not in PbSn.tdb"},
      {{"PB", "PB", {}, false}, "The two elements of a binary system must differ"},
      {{"PB", "SN", {"SIGMA"}, false}, "Phase SIGMA is not in PbSn.tdb"},
  };
  for (const auto& c : cases)
    EXPECT_THROW_MSG(importBinarySystem(db, c.request), ETdbError, c.message);
}

// Each model the description cannot hold is refused with the phase, its line and the reason;
// skipped, it is named in the description instead.
TEST(TdbImportTest, UnsupportedModelsAreRefusedOrSkipped) {
  const std::string head =
      "ELEMENT VA VACUUM 0 0 0 !\nELEMENT A X 1 0 0 !\nELEMENT B X 1 0 0 !\n"
      "PHASE LIQUID:L % 1 1 ! CONSTITUENT LIQUID :A,B: !\n"
      "PARAMETER G(LIQUID,A;0) 298.15 1000; 6000 N ! PARAMETER G(LIQUID,B;0) 298.15 2000; 6000 N "
      "!\n";
  const struct {
    std::string phase;
    std::string message;
  } cases[] = {
      {"PHASE S % 2 1 1 ! CONSTITUENT S :A,B:A,B: !",
       "Phase S (line 6) cannot be imported: the elements mix on two sublattices"},
      {"PHASE S % 1 1 ! CONSTITUENT S :A,B,VA: !",
       "Phase S (line 6) cannot be imported: vacancies mix with the elements"},
      {"PHASE S % 2 1 1 ! CONSTITUENT S :A,B:B: !",
       "Phase S (line 6) cannot be imported: the elements mix on one sublattice and also fill "
       "another"},
      {"PHASE S:Y % 2 1 1 ! CONSTITUENT S :A,B:VA: !",
       "Phase S (line 6) cannot be imported: it is an ionic liquid"},
      {"TYPE_DEFINITION ( GES A_P_D S DIS_PART T,,,!\nPHASE T % 1 1 ! CONSTITUENT T :A,B: !\n"
       "PHASE S %( 1 1 ! CONSTITUENT S :A,B: !",
       "Phase T (line 7) cannot be imported: it forms an order-disorder pair with S"},
      {"SPECIES AB A1B1 ! PHASE S % 1 1 ! CONSTITUENT S :A,B,AB: !",
       "Phase S (line 6) cannot be imported: its constituent AB is not an element"},
      {"PHASE S % 2 1 1 ! CONSTITUENT S :A,B:VA: ! PARAMETER G(S,A:VA;0) 298.15 1; 6000 N !",
       "Phase S (line 6) cannot be imported: it has no G parameter for B:VA"},
      {"PHASE S % 2 1 1 ! CONSTITUENT S :A:B: !",
       "Phase S (line 6) cannot be imported: it has no G parameter for A:B"},
      {"PHASE S % 1 1 ! CONSTITUENT S :A,B: ! PARAMETER G(S,A;0) 298.15 1; 6000 N !\n"
       "PARAMETER G(S,B;0) 298.15 1; 6000 N ! PARAMETER V0(S,A;0) 298.15 1; 6000 N !",
       "Phase S (line 6) cannot be imported: its parameter V0(S,A;0) (line 7) is not supported"},
      {"TYPE_DEFINITION & GES A_P_D S MAGNETIC 0 0.28 !\nPHASE S %& 1 1 ! CONSTITUENT S :A,B: !\n"
       "PARAMETER G(S,A;0) 298.15 1; 6000 N ! PARAMETER G(S,B;0) 298.15 1; 6000 N !\n"
       "PARAMETER TC(S,A;0) 298.15 100; 6000 N ! PARAMETER BMAGN(S,A;0) 298.15 1; 6000 N !",
       "Phase S (line 7) cannot be imported: its magnetic type (line 6) needs a negative "
       "antiferromagnetic factor and a positive p"},
  };
  for (const auto& c : cases) {
    const TdbDatabase db = readTdb(head + c.phase + "\n", "t.tdb");
    EXPECT_THROW_MSG(importBinarySystem(db, {"A", "B", {}, false}), ETdbError, c.message);
    const TdbImport skipped = importBinarySystem(db, {"A", "B", {}, true});
    ASSERT_FALSE(skipped.leftOut.empty());
    EXPECT_EQ(skipped.leftOut[0], c.message);
    EXPECT_EQ(skipped.taken, (std::vector<std::string>{"LIQUID"}));
    EXPECT_NE(skipped.description.find("% Left out: " + c.message + "\n"), std::string::npos);
  }
}

TEST(TdbImportTest, FunctionFaultsNameTheirLines) {
  const std::string head =
      "ELEMENT A X 1 0 0 !\nELEMENT B X 1 0 0 !\nPHASE L:L % 1 1 ! CONSTITUENT L :A,B: !\n";
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"FUNCTION GA 298.15 1+GA#; 6000 N !\nPARAMETER G(L,A;0) 298.15 GA#; 6000 N !\n"
       "PARAMETER G(L,B;0) 298.15 0; 6000 N !",
       "Function GA (line 4) refers to itself"},
      {"FUNCTION GA 298.15 1+GB#; 6000 N !\nFUNCTION GB 298.15 2*GA#; 6000 N !\n"
       "PARAMETER G(L,A;0) 298.15 GA#; 6000 N !\nPARAMETER G(L,B;0) 298.15 0; 6000 N !",
       "Function GA (line 4) refers to itself"},
      {"PARAMETER G(L,A;0) 298.15 GX#; 6000 N !\nPARAMETER G(L,B;0) 298.15 0; 6000 N !",
       "Function GX, used on line 4, is not defined"},
      {"FUNCTION GA 298.15 1+GZ#; 6000 N !\nPARAMETER G(L,A;0) 298.15 GA#; 6000 N !\n"
       "PARAMETER G(L,B;0) 298.15 0; 6000 N !",
       "Function GZ, used on line 4, is not defined"},
  };
  for (const auto& c : cases) {
    const TdbDatabase db = readTdb(head + c.text + "\n", "t.tdb");
    EXPECT_THROW_MSG(importBinarySystem(db, {"A", "B", {}, true}), ETdbError, c.message);
  }
}

TEST(TdbImportTest, AnEnergyWithoutAValueIsReported) {
  const TdbDatabase db = readTdb(
      "ELEMENT A X 1 0 0 !\nELEMENT B X 1 0 0 !\nPHASE L:L % 1 1 ! CONSTITUENT L :A,B: !\n"
      "FUNCTION GA 298.15 T+0**(-1); 6000 N !\n"
      "PARAMETER G(L,A;0) 298.15 GA#; 6000 N ! PARAMETER G(L,B;0) 298.15 0; 6000 N !\n",
      "t.tdb");
  EXPECT_THROW_MSG(importBinarySystem(db, {"A", "B", {}, false}), ETdbError,
                   "The description of A-B made from t.tdb does not parse as written: Floating "
                   "point division by zero");
}

// Functions that double at each step would grow to 2^40 nodes written out, and a chain of 200
// would nest as deep: both are refused early.
TEST(TdbImportTest, FunctionsThatGrowOrNestWithoutBoundAreRefused) {
  const std::string head =
      "ELEMENT A X 1 0 0 !\nELEMENT B X 1 0 0 !\nPHASE L:L % 1 1 ! CONSTITUENT L :A,B: !\n"
      "PARAMETER G(L,A;0) 298.15 F1#; 6000 N ! PARAMETER G(L,B;0) 298.15 0; 6000 N !\n";
  std::string doubling;
  for (int i = 1; i < 40; ++i)
    doubling += "FUNCTION F" + std::to_string(i) + " 298.15 F" + std::to_string(i + 1) + "#*F" +
                std::to_string(i + 1) + "#; 6000 N !\n";
  doubling += "FUNCTION F40 298.15 T; 6000 N !\n";
  EXPECT_THROW_MSG(importBinarySystem(readTdb(head + doubling, "t.tdb"), {"A", "B", {}, true}),
                   ETdbError,
                   "Function F27 (line 31) is too long or nests too deep when its functions are "
                   "written out");
  std::string chain;
  for (int i = 1; i < 200; ++i)
    chain +=
        "FUNCTION F" + std::to_string(i) + " 298.15 1+F" + std::to_string(i + 1) + "#; 6000 N !\n";
  chain += "FUNCTION F200 298.15 T; 6000 N !\n";
  EXPECT_THROW_MSG(importBinarySystem(readTdb(head + chain, "t.tdb"), {"A", "B", {}, true}),
                   ETdbError,
                   "Function F101 (line 105) is too long or nests too deep when its functions are "
                   "written out");
}
