#pragma once

#include <optional>
#include <string>

// The file dialogs the main window asks; tests answer them.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // An existing problem database chosen by the user; nothing when cancelled.
  virtual std::optional<std::string> openDatabase() = 0;
  // A thermodynamic database (TDB) file to import from; nothing when cancelled.
  virtual std::optional<std::string> openThermodynamicDatabase() = 0;
};
