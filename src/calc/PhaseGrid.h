#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The phase-region grid: columns 0..colCount-1, rows 0..rowCount-1 of texts. Row 0 and column 0
// are headers. Cells hold ids into a table of distinct texts, because a scan writes the same few
// phase names millions of times and a text per cell would dominate the memory of a large run.
class PhaseGrid {
 public:
  using TextId = std::uint32_t;
  static constexpr TextId kEmpty = 0;

  PhaseGrid();

  int colCount() const { return m_colCount; }
  int rowCount() const { return m_rowCount; }
  // Both keep the cells that stay inside; new cells are empty.
  void setColCount(int count);
  void setRowCount(int count);
  // Drops every cell and every text.
  void clear();
  // Room for that many rows, so that a scan adding one row per level never reallocates.
  void reserveRows(int count);

  // A cell outside the grid reads as an empty text.
  const std::string& cell(int col, int row) const;
  // Writing outside the grid throws ERangeError.
  void setCell(int col, int row, std::string_view text);

  // The fast path of the level loop: intern a text once, then write its id.
  TextId intern(std::string_view text);
  void setCellId(int col, int row, TextId id);
  TextId cellId(int col, int row) const;
  const std::string& text(TextId id) const { return m_texts[id]; }

 private:
  std::size_t index(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_colCount) +
           static_cast<std::size_t>(col);
  }
  bool inside(int col, int row) const {
    return col >= 0 && row >= 0 && col < m_colCount && row < m_rowCount;
  }

  int m_colCount = 0;
  int m_rowCount = 0;
  std::vector<TextId> m_cells;  // row-major
  std::vector<std::string> m_texts;
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
      return std::hash<std::string_view>{}(text);
    }
  };
  std::unordered_map<std::string, TextId, TextHash, std::equal_to<>> m_ids;
};
