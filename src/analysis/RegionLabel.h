#pragma once

#include <optional>
#include <string>

class PhaseGrid;

// The text of a region label released at (xm, ym) in axis values: the grid cell under that
// point, a two-phase cell ("E") named by its neighbouring phases ("alpha+L"). Nothing when xm
// lies right of the grid's last X; a point below the last level reads an empty text.
std::optional<std::string> regionLabelText(const PhaseGrid& grid, double xm, double ym);
