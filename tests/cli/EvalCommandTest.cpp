#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct CliResult {
  int status = -1;
  std::string out;
};

std::string shellQuoted(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs vantle-cli eval with the arguments, feeding `input` to its standard input.
CliResult runEval(const std::vector<std::string>& args, const std::string& input = "") {
  std::string command = "printf '%s' " + shellQuoted(input) + " | " + shellQuoted(testpaths::kCliPath) + " eval";
  for (const std::string& arg : args) command += " " + shellQuoted(arg);
  command += " 2>/dev/null";
  CliResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    ADD_FAILURE() << "cannot run " << command;
    return result;
  }
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

struct JsonCase {
  std::vector<std::string> args;
  std::string expected;
};

TEST(EvalCommandTest, PrintsOneJsonObjectPerExpression) {
  const JsonCase cases[] = {
      {{"--", "2*(3+4)"}, R"({"value": 14, "ops": [3, 5]})"},
      {{"--", "((2))"}, R"({"value": 2, "ops": [1]})"},
      {{"--", ""}, R"({"value": 0, "ops": []})"},
      {{"--var", "x=3", "--var", "T=1", "--", "X*2+T"}, R"({"value": 7, "ops": [5, 3]})"},
      {{"--var", "W=2", "--var", "w=+5", "--", "W"}, R"({"value": 5, "ops": [0]})"},
      {{"--", "1/3"}, R"({"value": 0.3333333333333333, "ops": [6]})"},
      {{"--", "-1E-20"}, R"({"value": -1e-20, "ops": [1]})"},
      {{"--var", "X=nan", "--", "X"}, R"({"value": "NaN", "ops": [0]})"},
      {{"--var", "X=-inf", "--", "X"}, R"({"value": "-Infinity", "ops": [0]})"},
      {{"--", "A+"}, R"({"error": "ESyntaxError", "message": "Error parsing expression:\rA+"})"},
      {{"--", "Q*2"}, R"({"error": "ESyntaxError", "message": "Error parsing expression:\rQ\r2"})"},
      {{"--", "(A"}, R"({"error": "EMissMatchingBracket", "message": "Missing brackets in expression"})"},
      {{"--", "1/0"}, R"({"error": "EZeroDivide", "message": "Floating point division by zero"})"},
      {{"--", "1DIV0"}, R"({"error": "EDivByZero", "message": "Division by zero"})"},
      {{"--var", "2X=1", "--", "1"}, R"({"error": "EBadName", "message": "2X"})"},
  };
  for (const JsonCase& c : cases) {
    std::vector<std::string> args = {"--json"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliResult result = runEval(args);
    EXPECT_EQ(result.status, 0) << c.expected;
    EXPECT_EQ(result.out, c.expected + "\n");
  }
}

TEST(EvalCommandTest, PlainOutputIsTheGeneralFormatOrTheMessage) {
  EXPECT_EQ(runEval({"--", "1/3"}).out, "0.333333333333333\n");
  EXPECT_EQ(runEval({"--var", "X=2", "--", "X^10"}).out, "1024\n");
  const CliResult failed = runEval({"--", "LN(-1)"});
  EXPECT_EQ(failed.status, 0);
  EXPECT_EQ(failed.out, "Invalid floating point operation\n");
}

TEST(EvalCommandTest, StdinEvaluatesEachLineOnAFreshEvaluator) {
  const CliResult result =
      runEval({"--json", "--var", "K=4", "--stdin"}, "K*2\nK+\n\nSQRT(K)\r\nX^2\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "{\"value\": 8, \"ops\": [5]}\n"
            "{\"error\": \"ESyntaxError\", \"message\": \"Error parsing expression:\\rK+\"}\n"
            "{\"value\": 0, \"ops\": []}\n"
            "{\"value\": 2, \"ops\": [14]}\n"
            "{\"value\": 0, \"ops\": [11]}\n");
}

TEST(EvalCommandTest, UsageErrorsExitNonZero) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--json"},
      {"--var", "X", "--", "1"},
      {"--var", "X=abc", "--", "1"},
      {"--stdin", "--", "1"},
      {"--", "1", "2"},
      {"--bogus", "--", "1"},
  };
  for (const auto& args : cases) {
    const CliResult result = runEval(args);
    EXPECT_EQ(result.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(runEval({"--help"}).status, 0);
}

}  // namespace
