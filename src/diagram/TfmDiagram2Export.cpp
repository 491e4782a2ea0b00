#include "diagram/TfmDiagram2Export.h"

#include "base/UserDialogs.h"
#include "diagram/TfmDiagram2.h"
#include "diagram/ModalDialogs.h"
#include "diagram/TfmDiagram2Drawing.h"
#include "diagram/TfmDiagram2Messages.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

// The picture is one pixel smaller than the chart each way, as the copy always made it.
QSize pictureSize(const QWidget* chart) {
  return QSize(std::max(1, chart->width() - 1), std::max(1, chart->height() - 1));
}

// Draws the chart and the overlay in vector form on a device that has begun.
void paintVector(QCustomPlot* plot, QPaintDevice* device, const QSize& size,
                 const ChartOverlay& overlay) {
  useVectorScatters(plot, true);
  QCPPainter painter;
  painter.begin(device);
  painter.setMode(QCPPainter::pmVectorized);
  painter.setMode(QCPPainter::pmNoCaching);
  plot->toPainter(&painter, size.width(), size.height());
  if (overlay) overlay(painter);
  painter.end();
  useVectorScatters(plot, false);
}

bool writeBytes(const QString& fileName, const QByteArray& bytes, QString* error) {
  QSaveFile file(fileName);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
    return true;
  if (error) *error = QLatin1String(diagrammsg::kCannotWritePicture) + fileName +
                      QStringLiteral(": ") + file.errorString();
  return false;
}

QByteArray pdfPicture(QCustomPlot* plot, const QSize& size, const ChartOverlay& overlay) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(96);
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point));
  paintVector(plot, &writer, size, overlay);
  return pdf;
}

}  // namespace

QByteArray chartSvgPicture(QCustomPlot* plot, const QSize& size, const ChartOverlay& overlay,
                           const QString& title) {
  QByteArray svg;
  QBuffer buffer(&svg);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(title);
  paintVector(plot, &generator, size, overlay);
  return svg;
}

QImage chartBitmap(QCustomPlot* plot, const QSize& size, const ChartOverlay& overlay) {
  QPixmap pixmap = plot->toPixmap(size.width(), size.height());
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::TextAntialiasing);
  if (overlay) overlay(painter);
  painter.end();
  return pixmap.toImage();
}

bool writeChartPicture(QCustomPlot* plot, const QSize& size, const ChartOverlay& overlay,
                       const QString& fileName, QString* error) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("svg"))
    return writeBytes(fileName, chartSvgPicture(plot, size, overlay, QFileInfo(fileName).baseName()),
                      error);
  if (suffix == QLatin1String("pdf")) return writeBytes(fileName, pdfPicture(plot, size, overlay), error);
  if (suffix == QLatin1String("png")) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    chartBitmap(plot, size, overlay).save(&buffer, "PNG");
    return writeBytes(fileName, png, error);
  }
  if (error) *error = QLatin1String(diagrammsg::kUnknownPictureType) + fileName;
  return false;
}

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
  return chartSvgPicture(m_chart, pictureSize(m_chart), [this](QPainter& p) { paintLabels(p); },
                         windowTitle());
}

QImage TfmDiagram2::chartImage() {
  return chartBitmap(m_chart, pictureSize(m_chart), [this](QPainter& p) { paintLabels(p); });
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

bool TfmDiagram2::savePicture(const QString& fileName) {
  QString error;
  if (writeChartPicture(m_chart, pictureSize(m_chart), [this](QPainter& p) { paintLabels(p); },
                        fileName, &error))
    return true;
  m_dialogs.error(error.toStdString());
  return false;
}

void TfmDiagram2::sbSavePictureClick() {
  const std::optional<std::string> fileName = m_modal.savePictureName();
  if (fileName) savePicture(QString::fromStdString(*fileName));
}
