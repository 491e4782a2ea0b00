#pragma once

#include <stdexcept>

// Every text the reading and the translation of a thermodynamic database (TDB) file show.
// "%s" places are filled by formatMessage (base/MessageText.h).
namespace tdbmsg {

// Where a fault of the file lies: the file's name, the line, what is wrong.
inline constexpr const char* kAtLine = "%s, line %s: %s";
inline constexpr const char* kCannotOpen = "Cannot open file %s";
inline constexpr const char* kNotText = "%s is not a thermodynamic database (TDB) file";
inline constexpr const char* kNoCommands = "%s holds no TDB commands";

// What is wrong on a line.
inline constexpr const char* kNotEnded =
    "the command is not ended by \"!\" (is the file cut short?)";
inline constexpr const char* kUnknownKeyword = "unknown keyword %s";
inline constexpr const char* kAmbiguousKeyword = "the abbreviation %s stands for several keywords";
inline constexpr const char* kMissingName = "%s needs a name";
inline constexpr const char* kBadNumber = "%s is not a number";
inline constexpr const char* kBadRanges =
    "the temperature ranges are not written as LOW EXPRESSION; HIGH Y EXPRESSION; ... HIGH N";
inline constexpr const char* kRangesNotRising = "the temperature limits do not rise";
inline constexpr const char* kBadPhase =
    "PHASE needs a name, type codes, the number of sublattices "
    "and a site ratio for each";
inline constexpr const char* kUnknownPhase = "phase %s is not defined";
inline constexpr const char* kBadConstituents = "the constituents are not written as :A,B:C:";
inline constexpr const char* kSublatticeCount = "phase %s has %s sublattices, not %s";
inline constexpr const char* kUnknownConstituent = "%s is neither an element nor a species";
inline constexpr const char* kBadParameter =
    "a parameter is written as TYPE(PHASE,CONSTITUENTS;ORDER)";
inline constexpr const char* kBadExpression = "expression %s: %s";

// What is wrong inside an expression.
inline constexpr const char* kUnexpectedEnd = "it ends too early";
inline constexpr const char* kUnexpectedCharacter = "unexpected %s";
inline constexpr const char* kUnknownFunction = "unknown function %s";
inline constexpr const char* kTooLong = "it is too long or nests too deep";

// Choosing the system.
inline constexpr const char* kElementNotInFile = "Element %s is not in %s";
inline constexpr const char* kSameElements = "The two elements of a binary system must differ";
inline constexpr const char* kPhaseNotInFile = "Phase %s is not in %s";
inline constexpr const char* kPhaseNotInSystem = "Phase %s holds neither %s nor %s";
inline constexpr const char* kNoPhases = "%s has no phase of the system %s-%s";
inline constexpr const char* kNoPhasesLeft = "No phase of the system %s-%s can be imported";
inline constexpr const char* kNotEvaluable =
    "The description of %s-%s made from %s does not parse as written: %s";

// Functions.
inline constexpr const char* kFunctionCycle = "Function %s (line %s) refers to itself";
inline constexpr const char* kMissingFunction = "Function %s, used on line %s, is not defined";
inline constexpr const char* kFunctionTooLong =
    "Function %s (line %s) is too long or nests too deep when its functions are written out";

// A phase that cannot be written as one solution or one compound: kPhaseRefused with a reason.
inline constexpr const char* kPhaseRefused = "Phase %s (line %s) cannot be imported: %s";
inline constexpr const char* kTwoSublattices = "the elements mix on two sublattices";
inline constexpr const char* kVacancyMixing = "vacancies mix with the elements";
inline constexpr const char* kElementsElsewhere =
    "the elements mix on one sublattice and also fill another";
inline constexpr const char* kOrderDisorder = "it forms an order-disorder pair with %s";
inline constexpr const char* kIonicLiquid = "it is an ionic liquid";
inline constexpr const char* kSpeciesNotElement = "its constituent %s is not an element";
inline constexpr const char* kNoEndMember = "it has no G parameter for %s";
inline constexpr const char* kUnsupportedParameter = "its parameter %s (line %s) is not supported";
inline constexpr const char* kBadMagneticType =
    "its magnetic type (line %s) needs a negative antiferromagnetic factor and a positive p";
inline constexpr const char* kTooComplex =
    "its energy does not fit the limits of the expression language (%s)";

// The generated description's comments.
inline constexpr const char* kHeaderSource = "% Imported from %s: the system %s-%s";
inline constexpr const char* kHeaderComposition =
    "% X = mole fraction of %s; energies in J per mole of atoms";
inline constexpr const char* kHeaderTaken = "% Phases taken: %s";
inline constexpr const char* kHeaderLeftOut = "% Left out: %s";
inline constexpr const char* kHeaderGasConstant =
    "% Gas constant 8.31451 J/(mol K), as the TDB tools use it, in the ideal mixing (SID=)";
inline constexpr const char* kHeaderGasConstant2 = "% and the magnetic terms";
inline constexpr const char* kHeaderRanges =
    "% Temperature ranges through HEAV: outside its ranges a function takes the nearest one";
inline constexpr const char* kHeaderEscaped =
    "% A name that would read as a phase or a number starts with _ (%s)";
inline constexpr const char* kHeaderPressure = "% P in bar (the TDB's P in pascal is 100000*P)";
inline constexpr const char* kRangesComment = "% %s: %s K";
inline constexpr const char* kMagneticComment =
    "% %s: magnetic term (Inden-Hillert-Jarl), p = %s, antiferromagnetic factor %s";
inline constexpr const char* kCompoundComment = "% %s (line %s): compound %s, X = %s";
inline constexpr const char* kSolutionComment = "% %s (line %s): solution of %s and %s";
inline constexpr const char* kIgnoredMagnetic =
    "% %s: TC and BMAGN given without a magnetic type, left out as the TDB tools do";
inline constexpr const char* kMeltingPoint = "% Melting point of %s: %s K";
inline constexpr const char* kNoMeltingPoint = "% Melting point of %s: none found";
inline constexpr const char* kAxisWithoutMelting = "% The temperature axis ends at %s K";
inline constexpr const char* kXCaption = "#XCAP=Mole fraction of %s";
inline constexpr const char* kNone = "none";

}  // namespace tdbmsg

// A fault of a TDB file or of the system chosen from it; what() is the message shown.
class ETdbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
