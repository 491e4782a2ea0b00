#include "cli/Commands.h"

#include "base/NumberText.h"
#include "cli/JsonText.h"
#include "evaluator/TParser.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: vantle-cli eval [--json] [--var NAME=VALUE]... (-- EXPR | --stdin)\n"
    "  Compiles EXPR with the variables set in the order given and prints its value\n"
    "  (or the error message). --json prints {\"value\": V, \"ops\": [K, ...]} or\n"
    "  {\"error\": CLASS, \"message\": TEXT}. --stdin reads one expression per line, each\n"
    "  on a fresh evaluator, and prints one line per expression.\n";

struct EvalOptions {
  bool json = false;
  bool fromStdin = false;
  std::vector<std::pair<std::string, double>> variables;
  std::string expression;
};

int usageError(const char* problem) {
  std::fprintf(stderr, "vantle-cli eval: %s\n%s", problem, kUsage);
  return 2;
}

bool parseVariable(std::string_view arg, EvalOptions& options) {
  const std::size_t eq = arg.find('=');
  if (eq == std::string_view::npos) return false;
  std::string_view text = arg.substr(eq + 1);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  options.variables.emplace_back(std::string(arg.substr(0, eq)), value);
  return true;
}

// Returns the exit status of a usage error, or -1 when the options are complete.
int parseOptions(int argc, char** argv, EvalOptions& options) {
  int i = 0;
  bool haveExpression = false;
  for (; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--stdin") {
      options.fromStdin = true;
    } else if (arg == "--var") {
      if (++i == argc || !parseVariable(argv[i], options)) return usageError("--var needs NAME=VALUE");
    } else if (arg == "--") {
      if (i + 2 != argc) return usageError("one expression expected after --");
      options.expression = argv[i + 1];
      haveExpression = true;
      break;
    } else {
      return usageError("unknown argument");
    }
  }
  if (haveExpression == options.fromStdin) return usageError("give either -- EXPR or --stdin");
  return -1;
}

std::string evaluate(const EvalOptions& options, const std::string& expression) {
  try {
    TParser parser;
    for (const auto& [name, value] : options.variables) parser.SetVariable(name, value);
    parser.setExpression(expression);
    const double value = parser.Value();
    if (!options.json) return formatGeneral(value);
    std::string out = "{\"value\": " + jsonNumber(value) + ", \"ops\": [";
    const std::vector<std::uint8_t> kinds = parser.operationKinds();
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      if (k) out += ", ";
      out += std::to_string(kinds[k]);
    }
    return out + "]}";
  } catch (const EEvaluatorError& e) {
    if (!options.json) return e.what();
    return "{\"error\": " + jsonString(e.className()) + ", \"message\": " + jsonString(e.what()) +
           "}";
  }
}

void printLine(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

int runEval(int argc, char** argv) {
  for (int i = 0; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  EvalOptions options;
  if (const int status = parseOptions(argc, argv, options); status >= 0) return status;
  if (!options.fromStdin) {
    printLine(evaluate(options, options.expression));
    return 0;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    printLine(evaluate(options, line));
  }
  return 0;
}
