#pragma once

#include "diagram/ChartSettings.h"

#include <ostream>

// Failed comparisons show the settings as their JSON text.
inline void PrintTo(const ChartSettings& settings, std::ostream* out) {
  *out << toJson(settings).toStdString();
}
