#pragma once

#include <string>

struct RunResults;

// The text files of a finished run: grid.csv, ties.csv, nodes.csv, special.csv, other.txt.
// Throws std::runtime_error when one cannot be written.
void writeRunOutput(const RunResults& results, const std::string& dir);

// One CSV field in double quotes, inner quotes doubled.
std::string csvQuoted(const std::string& text);
