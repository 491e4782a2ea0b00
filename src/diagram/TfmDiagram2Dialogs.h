#pragma once

#include <optional>
#include <string>

class QDialog;

// The modal dialogs the diagram window opens: the program answers them with Qt's dialogs,
// tests from scripts, so that no test waits for a hand on the mouse.
class DiagramDialogs {
 public:
  virtual ~DiagramDialogs() = default;
  // The text typed; nothing when cancelled.
  virtual std::optional<std::string> inputQuery(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& initial) = 0;
  // The file a picture goes to; nothing when cancelled.
  virtual std::optional<std::string> savePictureName() = 0;
  // Shows a dialog the window made ("Edit chart") until it closes.
  virtual int exec(QDialog& dialog) = 0;
};
