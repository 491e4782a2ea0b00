#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QDialog;

// The input box, the colour dialog and the window's other modal dialogs; tests answer them.
class ModalDialogs {
 public:
  virtual ~ModalDialogs() = default;
  // The text typed; nothing when cancelled.
  virtual std::optional<std::string> inputQuery(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& initial) = 0;
  // A colour as 0x00BBGGRR; nothing when cancelled.
  virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
  // Shows a dialog the window made (About, Edit chart) until it closes.
  virtual int exec(QDialog& dialog) = 0;
};
