#pragma once

#include "base/UserDialogs.h"

#include <deque>
#include <string>
#include <vector>

// Records every box the core shows and answers confirmations from a script (Yes by default).
class FakeDialogs : public UserDialogs {
 public:
  struct Call {
    std::string kind;  // "warning", "error", "message" or "confirm"
    std::string text;
  };

  void warning(const std::string& text) override { calls.push_back({"warning", text}); }
  void error(const std::string& text) override { calls.push_back({"error", text}); }
  void message(const std::string& text) override { calls.push_back({"message", text}); }
  bool confirm(const std::string& text) override {
    calls.push_back({"confirm", text});
    if (answers.empty()) return true;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Call> calls;
  std::deque<bool> answers;
};
