#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QCustomPlot;
class QPainter;

// Pictures of a chart with something painted over it (the diagram's region labels), as the
// clipboard and the picture files take them. Point symbols are drawn as discs in vector output.
using ChartOverlay = std::function<void(QPainter&)>;

QByteArray chartSvgPicture(QCustomPlot* plot, const QSize& size, const ChartOverlay& overlay,
                           const QString& title);
QImage chartBitmap(QCustomPlot* plot, const QSize& size, const ChartOverlay& overlay);

// Writes the picture as SVG, PNG or PDF by the file name's extension (any letter case); on
// failure gives false and the reason, with the system's texts, in *error.
bool writeChartPicture(QCustomPlot* plot, const QSize& size, const ChartOverlay& overlay,
                       const QString& fileName, QString* error);
