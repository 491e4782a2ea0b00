#pragma once

#include "calc/ResultRecords.h"

#include <QString>

class QCPGraph;
class QCustomPlot;
struct RunResults;

// The phase diagram on any chart, so that the window, the tests and the command-line picture
// draw the same thing.

// The chart as the diagram window starts: title, foot, fonts, axes, ticks, grids, no legend.
void setUpDiagramChart(QCustomPlot* plot);

// The diagram command's drawing: title and foot from the captions, the two point series and the
// node lines of the run's analysis; then the axes follow the data. After a failed analysis only
// the tie points are drawn (the caller reports the failure). defaultFootText stands in for a
// missing X caption.
void drawDiagram(QCustomPlot* plot, const RunResults& results, const QString& defaultFootText);

// One two-point line per node, "Node at " + Y + "K", in the colour of series 0.
void DrawNodeLines(QCustomPlot* plot, const TNodeList& nodes);

// The axes fitted to the series with a little room around them (axes set to a fixed range by
// the user keep it).
void fitDiagramAxes(QCustomPlot* plot);

// Point symbols: a pre-rendered picture per point is fast on screen but becomes one image per
// point in a vector file, where a drawn disc is right.
void useVectorScatters(QCustomPlot* plot, bool vector);
