#pragma once

#include <stdexcept>
#include <string>

// Failures of the problem table and the database file; the text is what the user sees.
class EDatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that should have been a number.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An index outside the range its reader needs ("Range check error").
class ERangeError : public std::runtime_error {
 public:
  ERangeError() : std::runtime_error("Range check error") {}
};
