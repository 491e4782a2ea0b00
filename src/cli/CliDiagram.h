#pragma once

#include <string>
#include <utility>
#include <vector>

struct RunResults;

// The phase diagram of a finished run whose analysis succeeded, drawn as the desktop program's
// diagram window draws it (with the user's "Chart.cfg" of the current folder when there is a
// sound one) and written as SVG, PNG or PDF by the file name's extension, with a region label at
// each of the given axis positions, as a click there would place it. Renders without a display.
// False after an error line on stderr; a build without the desktop program always says so.
bool writeDiagramPicture(const RunResults& results, const std::string& fileName,
                         const std::vector<std::pair<double, double>>& labels);
