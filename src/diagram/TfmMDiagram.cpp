#include "diagram/TfmMDiagram.h"

#include "calc/MosaicImage.h"

#include <QPainter>

TfmMDiagram::TfmMDiagram(const MosaicImage& image, QWidget* parent)
    : QWidget(parent, Qt::Window), m_image(image) {
  setWindowTitle(QStringLiteral("Mosaic diagram"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(400, 300);
  m_repaint.setSingleShot(true);
  connect(&m_repaint, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void TfmMDiagram::imageChanged() {
  // A scan changes a row per level; converting only when painted keeps that cheap.
  m_stale = true;
  if (m_repaint.isActive()) return;
  const qint64 since = m_sincePaint.isValid() ? m_sincePaint.elapsed() : kMinPaintIntervalMs;
  if (since >= kMinPaintIntervalMs) {
    update();
  } else {
    m_repaint.start(static_cast<int>(kMinPaintIntervalMs - since));
  }
}

QSize TfmMDiagram::imageControlSize() const { return size(); }

void TfmMDiagram::convert() {
  m_stale = false;
  const int width = m_image.width();
  const int height = m_image.height();
  if (width <= 0 || height <= 0) {
    m_picture = QImage();
    return;
  }
  if (m_picture.size() != QSize(width, height)) m_picture = QImage(width, height, QImage::Format_RGB32);
  const std::uint32_t* source = m_image.pixels().data();
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
    for (int x = 0; x < width; ++x) {
      // 0x00BBGGRR to 0xFFRRGGBB
      const std::uint32_t c = *source++;
      line[x] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
  }
}

void TfmMDiagram::paintEvent(QPaintEvent*) {
  m_sincePaint.start();
  if (m_stale) convert();
  QPainter painter(this);
  if (m_picture.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  // No smoothing: a level stays one crisp band of pixels however far it is stretched.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect(), m_picture);
}
