#pragma once

#include <cstdint>
#include <vector>

// The mosaic picture: one pixel row per level, colours as 0x00BBGGRR. The core draws it; the
// desktop program shows it stretched and the command-line tool writes it as PNG.
class MosaicImage {
 public:
  static constexpr std::uint32_t kWhite = 0x00FFFFFF;
  static constexpr std::uint32_t kRed = 0x000000FF;

  // A new white picture; sizes below 1 count as 1.
  void reset(int width, int height);
  int width() const { return m_width; }
  int height() const { return m_height; }
  std::uint32_t pixel(int x, int y) const;
  const std::vector<std::uint32_t>& pixels() const { return m_pixels; }

  // Drawing outside the picture is clipped.
  void setPixel(int x, int y, std::uint32_t colour);
  // An ellipse inside the box left <= x < right, top <= y < bottom: outline in the pen
  // colour, inside in the brush colour.
  void ellipse(int left, int top, int right, int bottom, std::uint32_t pen, std::uint32_t brush);

 private:
  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint32_t> m_pixels;
};
