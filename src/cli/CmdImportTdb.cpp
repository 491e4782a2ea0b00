#include "cli/Commands.h"

#include "base/AsciiCase.h"
#include "base/NumberText.h"
#include "cli/FieldArgs.h"
#include "problem/PhaseText.h"
#include "tdb/BinaryPhases.h"
#include "tdb/TdbImport.h"
#include "tdb/TdbReader.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "usage: vantle-cli import-tdb FILE.tdb --elements A,B [--phases P1,P2,...]\n"
    "                             [--skip-unsupported] (--db DB.d [--name NAME] | --print)\n"
    "       vantle-cli import-tdb FILE.tdb [--elements A,B] --list\n"
    "Reads a thermodynamic database (TDB) file and writes the binary system A-B (X = mole\n"
    "fraction of B) as a phase description: the phases named by --phases, or every phase of\n"
    "the system. A phase that is neither one solution nor one compound is an error, unless\n"
    "--skip-unsupported leaves it out (the description lists it in a comment).\n"
    "--db appends the problem (default name \"A-B\", temperature from 300 K to 10 % above the\n"
    "higher melting point, 200 x 200 points) to the database DB, created when it does not\n"
    "exist, with the checks of 'vantle-cli add'. --print writes the description to standard\n"
    "output instead. --list prints the elements of the file, or with --elements the phases of\n"
    "the system, each a solution, a compound or refused with its reason.\n";

struct ImportArgs {
  std::string file;
  TdbImportRequest request;
  bool elementsGiven = false;
  std::string database;
  std::string name;
  bool print = false;
  bool list = false;
};

std::vector<std::string> splitCommas(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
    out.push_back(text.substr(start, comma - start));
  out.push_back(text.substr(start));
  return out;
}

ImportArgs parseArgs(int argc, char** argv) {
  ImportArgs args;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw UsageError(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--elements") {
      const auto elements = splitCommas(value());
      if (elements.size() != 2) throw UsageError("--elements needs A,B");
      args.request.elementA = trimControls(elements[0]);
      args.request.elementB = trimControls(elements[1]);
      args.elementsGiven = true;
    } else if (arg == "--phases") {
      args.request.phases = splitCommas(value());
    } else if (arg == "--skip-unsupported") {
      args.request.skipUnsupported = true;
    } else if (arg == "--db") {
      args.database = value();
    } else if (arg == "--name") {
      args.name = value();
    } else if (arg == "--print") {
      args.print = true;
    } else if (arg == "--list") {
      args.list = true;
    } else if (args.file.empty() && arg.rfind("--", 0) != 0) {
      args.file = arg;
    } else {
      throw UsageError("unexpected argument '" + arg + "'");
    }
  }
  if (args.file.empty()) throw UsageError("no TDB file given");
  if (args.list) return args;
  if (!args.elementsGiven) throw UsageError("--elements A,B is needed");
  if (args.print == !args.database.empty()) throw UsageError("give either --db DB or --print");
  return args;
}

void list(const TdbDatabase& db, const ImportArgs& args) {
  if (!args.elementsGiven) {
    for (const std::string& element : systemElements(db)) std::printf("%s\n", element.c_str());
    return;
  }
  for (const BinaryPhase& phase : binaryPhases(db, args.request.elementA, args.request.elementB)) {
    const char* kind = phase.kind == BinaryPhase::Kind::Solution   ? "solution"
                       : phase.kind == BinaryPhase::Kind::Compound ? "compound"
                                                                   : "refused";
    std::printf("%s\t%s%s%s\n", phase.phase->name.c_str(), kind, phase.reason.empty() ? "" : "\t",
                phase.reason.c_str());
  }
}

}  // namespace

int runImportTdb(int argc, char** argv) {
  ImportArgs args;
  try {
    for (int i = 0; i < argc; ++i) {
      if (std::string(argv[i]) == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
      }
    }
    args = parseArgs(argc, argv);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "vantle-cli import-tdb: %s\n%s", e.what(), kUsage);
    return 2;
  }
  args.request.elementA = upperCase(args.request.elementA);
  args.request.elementB = upperCase(args.request.elementB);
  const TdbDatabase db = readTdbFile(args.file);
  if (args.list) {
    list(db, args);
    return 0;
  }
  const TdbImport imported = importBinarySystem(db, args.request);
  if (args.print) {
    std::fputs(imported.description.c_str(), stdout);
    return 0;
  }
  // Appended through 'add' itself, so that its checks and its way of saving hold here too.
  const std::vector<std::string> addArgs = {
      args.database,
      "--set",
      "ProblemName=" + (args.name.empty() ? imported.problemName : args.name),
      "--set",
      "Yparameter=Temperature",
      "--set",
      "Zvalue=1",
      "--set",
      "Ymin=" + formatShortest(imported.ymin),
      "--set",
      "Ymax=" + formatShortest(imported.ymax),
      "--set",
      "XPoints=" + formatInt(imported.xPoints),
      "--set",
      "YPoints=" + formatInt(imported.yPoints),
      "--set",
      "Functs=" + toCrLf(imported.description)};
  std::vector<char*> pointers;
  for (const std::string& arg : addArgs) pointers.push_back(const_cast<char*>(arg.c_str()));
  return runAdd(static_cast<int>(pointers.size()), pointers.data());
}
