#pragma once

#include "base/NumberText.h"

// Sets the number separators for one test and restores the defaults afterwards.
class SeparatorGuard {
 public:
  explicit SeparatorGuard(char decimal, char thousands = ',') {
    setDecimalSeparator(decimal);
    setThousandsSeparator(thousands);
  }
  ~SeparatorGuard() {
    setDecimalSeparator('.');
    setThousandsSeparator(',');
  }
  SeparatorGuard(const SeparatorGuard&) = delete;
  SeparatorGuard& operator=(const SeparatorGuard&) = delete;
};
