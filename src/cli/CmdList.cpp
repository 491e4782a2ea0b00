#include "cli/Commands.h"

#include "problem/ProblemTable.h"

#include <cstdio>
#include <cstring>

namespace {
const char* const kUsage =
    "usage: vantle-cli list DB\n"
    "Prints the problem names of the database DB, one per line, in the order the program's\n"
    "list shows them.\n";
}

int runList(int argc, char** argv) {
  if (argc == 1 && std::strcmp(argv[0], "--help") == 0) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc != 1) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  ProblemTable table;
  table.setTableName(argv[0]);
  table.open();
  for (int i = 0; i < table.recordCount(); ++i) {
    const std::string name = table.nameAt(i);
    std::fwrite(name.data(), 1, name.size(), stdout);
    std::fputc('\n', stdout);
  }
  return 0;
}
