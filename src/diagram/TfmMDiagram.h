#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

class MosaicImage;

// The mosaic window: the core's mosaic picture stretched over the whole client area. Its caption
// is "Mosaic diagram" until a run gives it the problem's name (setWindowTitle).
class TfmMDiagram : public QWidget {
  Q_OBJECT

 public:
  // A top-level window even with a parent; it only reads the image, which must outlive it.
  explicit TfmMDiagram(const MosaicImage& image, QWidget* parent = nullptr);

  static constexpr int kMinPaintIntervalMs = 30;

  // The image has a new size or new pixels: it is painted soon, at most every
  // kMinPaintIntervalMs, so a scan that adds a row per level does not wait for the screen.
  void imageChanged();
  // The client area's size now; the run makes its picture this size.
  QSize imageControlSize() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void convert();

  const MosaicImage& m_image;
  QImage m_picture;
  bool m_stale = true;
  QTimer m_repaint;
  QElapsedTimer m_sincePaint;
};
