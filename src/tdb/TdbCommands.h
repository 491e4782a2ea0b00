#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// One command of a TDB file: from its keyword up to its "!", comments ("$" to the end of the
// line) removed and its lines joined with blanks.
struct TdbCommand {
  int line = 0;         // where the command starts
  std::string keyword;  // as written, upper case
  std::string rest;     // the text after the keyword
  bool ended = true;    // false for a last command without its "!"
};

// Cuts a file's text into its commands; a last one without its "!" is marked, so that the
// faults before it are found first. Throws ETdbError (with `sourceName`) for a text that is no
// TDB file (binary bytes) or holds no command.
std::vector<TdbCommand> splitTdbCommands(std::string_view text, const std::string& sourceName);

// The index of the keyword that `word` names, upper case, in full or abbreviated as the TDB
// tools allow: each part between underscores may be cut short ("TYPE_DEF", "DEF_SYS_EL",
// "PARAM"). -1 when none; ETdbError (what is wrong only) when it fits several.
int matchKeyword(std::string_view word, std::initializer_list<std::string_view> keywords);

// The words of a text between blanks.
std::vector<std::string> splitWords(std::string_view text);

// The ETdbError for a fault on a line of the file.
[[noreturn]] void failAtLine(const std::string& sourceName, int line, const std::string& what);
