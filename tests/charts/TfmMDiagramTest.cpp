#include "diagram/TfmMDiagram.h"

#include "calc/MosaicImage.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

QRgb shownAt(TfmMDiagram& window, int x, int y) {
  return window.grab().toImage().pixel(x, y) & 0xFFFFFFu;
}

TEST(TfmMDiagramTest, IsATopLevelWindowNamedMosaicDiagram) {
  MosaicImage image;
  QWidget owner;
  TfmMDiagram window(image, &owner);
  EXPECT_TRUE(window.isWindow());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Mosaic diagram"));
  window.resize(321, 123);
  EXPECT_EQ(window.imageControlSize(), QSize(321, 123));
  EXPECT_EQ(shownAt(window, 10, 10), 0xFFFFFFu);  // no picture yet: white
}

TEST(TfmMDiagramTest, ShowsThePictureStretchedOverTheWholeWindow) {
  MosaicImage image;
  image.reset(4, 2);
  image.setPixel(0, 0, 0x000000FF);  // red as 0x00BBGGRR
  image.setPixel(3, 0, 0x00FF0000);  // blue
  image.setPixel(1, 1, 0x0000FF00);  // green
  image.setPixel(3, 1, 0x00804020);
  TfmMDiagram window(image);
  window.resize(200, 100);
  window.imageChanged();
  struct Case {
    int x, y;
    QRgb expected;
  };
  const Case cases[] = {{1, 1, 0xFF0000},     {49, 49, 0xFF0000},  {175, 25, 0x0000FF},
                        {198, 2, 0x0000FF},   {75, 75, 0x00FF00},  {75, 25, 0xFFFFFF},
                        {199, 99, 0x204080},  {25, 75, 0xFFFFFF}};
  for (const Case& c : cases)
    EXPECT_EQ(shownAt(window, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(TfmMDiagramTest, ShowsNewPixelsAndANewSizeAfterImageChanged) {
  MosaicImage image;
  image.reset(2, 2);
  TfmMDiagram window(image);
  window.resize(100, 100);
  window.imageChanged();
  EXPECT_EQ(shownAt(window, 75, 75), 0xFFFFFFu);
  image.setPixel(1, 1, 0x000000FF);
  window.imageChanged();
  EXPECT_EQ(shownAt(window, 75, 75), 0xFF0000u);
  image.reset(1, 1);
  image.setPixel(0, 0, 0x00FF0000);
  window.imageChanged();
  EXPECT_EQ(shownAt(window, 10, 10), 0x0000FFu);
  EXPECT_EQ(shownAt(window, 90, 90), 0x0000FFu);
}

}  // namespace
