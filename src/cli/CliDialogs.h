#pragma once

#include "base/UserDialogs.h"

#include <string>

// Boxes become lines on stderr ("warning: TEXT"); a carriage return inside a text becomes a
// blank so that each box stays one line. Confirmations are answered Yes.
class CliDialogs : public UserDialogs {
 public:
  void warning(const std::string& text) override;
  void error(const std::string& text) override;
  void message(const std::string& text) override;
  bool confirm(const std::string& text) override;

  // One line of stderr in the same form, for messages of escaped exceptions.
  static void print(const char* kind, const std::string& text);
  int count() const { return m_count; }

 private:
  int m_count = 0;
};
