#pragma once

#include "diagram/ModalDialogs.h"

#include <QDialog>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Answers every modal dialog from a script: the input box and the colour dialog from queues and
// values set by the test, the picture file name likewise; a window's own dialogs are recorded by
// class name and handed to onExec (closed at once, rejected, without one).
class FakeModalDialogs : public ModalDialogs {
 public:
  struct Query {
    std::string caption;
    std::string prompt;
    std::string initial;
  };
  std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override {
    queries.push_back({caption, prompt, initial});
    if (inputs.empty()) return std::nullopt;
    std::optional<std::string> answer = inputs.front();
    inputs.pop_front();
    return answer;
  }
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override {
    colorOffered = initial;
    return color;
  }
  std::optional<std::string> savePictureName() override { return pictureName; }
  int exec(QDialog& dialog) override {
    shown.push_back(dialog.metaObject()->className());
    return onExec ? onExec(dialog) : QDialog::Rejected;
  }

  std::deque<std::optional<std::string>> inputs;
  std::vector<Query> queries;
  std::optional<std::uint32_t> color;
  std::uint32_t colorOffered = 0;
  std::optional<std::string> pictureName;
  std::function<int(QDialog&)> onExec;
  std::vector<std::string> shown;
};
