#pragma once

#include "base/UserDialogs.h"

#include <cstdio>
#include <string>

// The boxes of a benchmarked run as lines on stderr, so that a run that goes wrong says why.
class QuietDialogs : public UserDialogs {
 public:
  void warning(const std::string& t) override { std::fprintf(stderr, "warning: %s\n", t.c_str()); }
  void error(const std::string& t) override { std::fprintf(stderr, "error: %s\n", t.c_str()); }
  void message(const std::string& t) override { std::fprintf(stderr, "message: %s\n", t.c_str()); }
  bool confirm(const std::string&) override { return true; }
};
