#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QDialog;

// Every modal dialog the windows open: the program answers them with Qt's dialogs, tests from
// scripts, so that no test waits for a hand on the mouse.
class ModalDialogs {
 public:
  virtual ~ModalDialogs() = default;
  // The text typed; nothing when cancelled.
  virtual std::optional<std::string> inputQuery(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& initial) = 0;
  // A colour as 0x00BBGGRR; nothing when cancelled.
  virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
  // The file a picture of the diagram goes to; nothing when cancelled.
  virtual std::optional<std::string> savePictureName() = 0;
  // Shows a dialog a window made (About, Edit chart) until it closes.
  virtual int exec(QDialog& dialog) = 0;
};
