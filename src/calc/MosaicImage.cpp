#include "calc/MosaicImage.h"

#include <algorithm>

void MosaicImage::reset(int width, int height) {
  m_width = std::max(width, 1);
  m_height = std::max(height, 1);
  m_pixels.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), kWhite);
}

std::uint32_t MosaicImage::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return kWhite;
  return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                  static_cast<std::size_t>(x)];
}

void MosaicImage::setPixel(int x, int y, std::uint32_t colour) {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
  m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x)] = colour;
}

void MosaicImage::ellipse(int left, int top, int right, int bottom, std::uint32_t pen,
                          std::uint32_t brush) {
  if (right <= left || bottom <= top) return;
  const double cx = (left + right) / 2.0;
  const double cy = (top + bottom) / 2.0;
  const double rx = (right - left) / 2.0;
  const double ry = (bottom - top) / 2.0;
  auto inside = [&](int x, int y) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const double dx = (x + 0.5 - cx) / rx;
    const double dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) ||
                        !inside(x, y + 1);
      setPixel(x, y, edge ? pen : brush);
    }
}
