#include "cli/Commands.h"

#include "cli/CliDialogs.h"
#include "cli/FieldArgs.h"
#include "problem/ProblemFields.h"
#include "problem/ProblemTable.h"
#include "problem/ProblemView.h"
#include "workbench/Workbench.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const kUsage =
    "usage: vantle-cli add DB --set FIELD=VALUE... [--functs-file FILE]\n"
    "Appends one problem to the database DB (created when it does not exist) with the defaults of\n"
    "a new problem and the given fields, checks it as the program does before storing a problem,\n"
    "and saves the database. FIELD is a problem field name (letter case ignored): ProblemName,\n"
    "Ymin, Ymax, Zvalue, YPoints, XPoints, ShowMosaicDiagram, ShowChart, Functs, Yparameter,\n"
    "Zparameter. --functs-file reads the phase description from FILE.\n";

}  // namespace

int runAdd(int argc, char** argv) {
  std::string database;
  std::string functsFile;
  std::vector<std::pair<std::string, std::string>> sets;
  try {
    for (int i = 0; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
      }
      if (arg == "--set" || arg == "--functs-file") {
        if (i + 1 >= argc) throw UsageError(arg + " needs a value");
        const std::string value = argv[++i];
        if (arg == "--functs-file") {
          functsFile = value;
          continue;
        }
        sets.push_back(splitAssignment(value));
      } else if (database.empty() && arg.rfind("--", 0) != 0) {
        database = arg;
      } else {
        throw UsageError("unexpected argument '" + arg + "'");
      }
    }
    if (database.empty()) throw UsageError("no database given");
  } catch (const UsageError& e) {
    std::fprintf(stderr, "vantle-cli add: %s\n%s", e.what(), kUsage);
    return 2;
  }

  CliDialogs dialogs;
  NullProblemView view;
  Workbench bench(dialogs, view);
  ProblemTable& table = bench.table();
  if (std::filesystem::exists(database)) {
    // Opened as the program opens it, normalised, so that the file saved below is one the
    // program will not rewrite merely by opening and closing it.
    bench.openDatabase(database);
    if (table.editing()) return 1;  // the normalisation refused a record; its warning is shown
  } else {
    table.openEmpty();
  }
  table.insert();
  try {
    for (const auto& [name, value] : sets) setField(table, name, value);
    if (!functsFile.empty())
      table.setString(fieldName(ProblemField::Functs), toCrLf(readWholeFile(functsFile)));
  } catch (const UsageError& e) {
    std::fprintf(stderr, "vantle-cli add: %s\n", e.what());
    return 2;
  }
  bench.yParameterChanged();
  if (!table.post()) return 1;
  // The new record too: the program cuts a stored Z label at its comma when it opens a file.
  if (!bench.normalise()) return 1;
  table.save(database);
  return 0;
}
