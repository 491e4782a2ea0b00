#include "cli/CliDialogs.h"
#include "cli/Commands.h"

#include "base/Version.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

struct Subcommand {
  const char* name;
  int (*run)(int, char**);
  const char* summary;
};

const Subcommand kSubcommands[] = {
    {"list", runList, "list the problem names of a database"},
    {"dump", runDump, "print the records of a database as JSON"},
    {"add", runAdd, "append a problem to a database"},
    {"run", runRun, "run a problem headless and write its results"},
    {"eval", runEval, "evaluate one expression (or one per line of stdin)"},
    {"import-tdb", runImportTdb, "append a binary system of a TDB file to a database"},
};

void printUsage(std::FILE* out) {
  std::fputs("usage: vantle-cli COMMAND [ARGS...]\n\ncommands:\n", out);
  for (const auto& sub : kSubcommands) std::fprintf(out, "  %-10s %s\n", sub.name, sub.summary);
  std::fputs("\n'vantle-cli COMMAND --help' describes a command.\n", out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(stderr);
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    printUsage(stdout);
    return 0;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("vantle-cli %s\n", vantleVersion());
    return 0;
  }
  for (const auto& sub : kSubcommands) {
    if (std::strcmp(argv[1], sub.name) == 0) {
      try {
        return sub.run(argc - 2, argv + 2);
      } catch (const std::exception& e) {
        CliDialogs::print("error", e.what());
        return 1;
      }
    }
  }
  std::fprintf(stderr, "vantle-cli: unknown command '%s'\n", argv[1]);
  printUsage(stderr);
  return 2;
}
