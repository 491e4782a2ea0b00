#include "cli/Commands.h"

#include <cstdio>

int runEval(int, char**) {
  std::fputs("vantle-cli eval: not built yet\n", stderr);
  return 2;
}
