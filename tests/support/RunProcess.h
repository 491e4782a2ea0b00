#pragma once

#include <string>
#include <vector>

struct ProcessResult {
  int exitCode = -1;  // -1 when the process did not exit normally
  std::string out;
  std::string err;
};

// Runs a program with arguments (no shell), feeding `input` to its stdin; waits for it.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = std::string(),
                         const std::string& workingDir = std::string());
