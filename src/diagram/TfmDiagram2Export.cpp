#include "diagram/TfmDiagram2.h"

#include "diagram/TfmDiagram2Drawing.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// The picture is one pixel smaller than the chart each way, as the copy always made it.
QSize pictureSize(const QWidget* chart) {
  return QSize(std::max(1, chart->width() - 1), std::max(1, chart->height() - 1));
}

}  // namespace

// Labels are widgets, which the chart's own painting does not include: their texts are written
// over the picture, from the last label to the first.
void TfmDiagram2::paintLabels(QPainter& painter) const {
  const QList<QLabel*> labels = regionLabels();
  for (auto it = labels.crbegin(); it != labels.crend(); ++it) {
    const QLabel* label = *it;
    painter.setFont(label->font());
    painter.setPen(label->palette().color(QPalette::WindowText));
    painter.drawText(label->geometry(), static_cast<int>(label->alignment()), label->text());
  }
}

QByteArray TfmDiagram2::chartSvg() {
  const QSize size = pictureSize(m_chart);
  QByteArray svg;
  QBuffer buffer(&svg);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(windowTitle());
  useVectorScatters(m_chart, true);
  {
    QCPPainter painter;
    painter.begin(&generator);
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    m_chart->toPainter(&painter, size.width(), size.height());
    paintLabels(painter);
    painter.end();
  }
  useVectorScatters(m_chart, false);
  return svg;
}

QImage TfmDiagram2::chartImage() {
  const QSize size = pictureSize(m_chart);
  QPixmap pixmap = m_chart->toPixmap(size.width(), size.height());
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paintLabels(painter);
  painter.end();
  return pixmap.toImage();
}

QMimeData* TfmDiagram2::copyData() {
  auto* mime = new QMimeData;
  mime->setData(QStringLiteral("image/svg+xml"), chartSvg());
  const QImage image = chartImage();
  mime->setImageData(image);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  mime->setData(QStringLiteral("image/png"), png);
  return mime;
}

void TfmDiagram2::sbCopyClick() {
  QGuiApplication::clipboard()->setMimeData(copyData());
  QCoreApplication::processEvents();
}
