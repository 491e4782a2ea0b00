#include "cli/CliDialogs.h"

#include <cstdio>

void CliDialogs::print(const char* kind, const std::string& text) {
  std::string line = text;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  std::fprintf(stderr, "%s: %s\n", kind, line.c_str());
}

void CliDialogs::warning(const std::string& text) {
  ++m_count;
  print("warning", text);
}

void CliDialogs::error(const std::string& text) {
  ++m_count;
  print("error", text);
}

void CliDialogs::message(const std::string& text) {
  ++m_count;
  print("message", text);
}

bool CliDialogs::confirm(const std::string&) { return true; }
