#pragma once

#include "base/AsciiCase.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class UserDialogs;

// Text helpers of the phase description.

// The text without any character of code 32 or below.
std::string RemoveBlanks(std::string_view text);
// The text without leading and trailing characters of code 32 or below.
std::string trimControls(std::string_view text);
// The editor's lines: the text split at CR LF (a lone CR or LF also ends a line).
std::vector<std::string> memoLines(std::string_view text);
// Cuts at each ";": every piece before a separator, empty ones included, then the text after
// the last separator if it is not empty ('A;;B' -> A, "", B; 'A;' -> A; ';A' -> "", A).
std::vector<std::string> splitAtSemicolons(std::string_view text);

// A number typed in a directive: the first "," reads as ".". An invalid text shows
// "Invalid number: " + text in a plain message box and gives no value.
std::optional<double> ReadNumber(std::string_view text, UserDialogs& dialogs);
// The same for texts the program wrote itself (point phase entries, grid headers).
double readNumberOr(std::string_view text, double fallback);

// The composition of a point phase piece "X=expr"; -1 when there is no "X=" or the value is
// above 1. Evaluator errors propagate.
double PointPhaseX(std::string_view piece);
