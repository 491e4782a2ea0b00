#pragma once

#include <QColor>
#include <QString>

class QCPTextElement;
class QCustomPlot;

// A chart's title above the plot and its foot below it, as text elements of the plot layout.
// Both are made on first use; the title is left-aligned, the foot right-aligned.
QCPTextElement* chartTitle(QCustomPlot* plot);
QCPTextElement* chartFoot(QCustomPlot* plot);
// The first line of the title text, empty when it has none.
QString titleFirstLine(QCustomPlot* plot);

// The colour a chart gives its n-th series (0-based): distinct hues readable on white, repeating
// after ten.
QColor defaultSeriesColour(int index);
