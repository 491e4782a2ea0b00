#pragma once

#include <string>

// Message boxes the core shows: each has a single OK button except the Yes/No confirmation.
// The GUI implements it with QMessageBox, the command-line tool with lines on stderr.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  virtual void warning(const std::string& text) = 0;
  virtual void error(const std::string& text) = 0;
  virtual void message(const std::string& text) = 0;
  // true for Yes.
  virtual bool confirm(const std::string& text) = 0;
};
