#include "calc/PhaseGrid.h"

#include "base/Errors.h"

PhaseGrid::PhaseGrid() { clear(); }

void PhaseGrid::clear() {
  m_colCount = 0;
  m_rowCount = 0;
  m_cells.clear();
  m_texts.assign(1, std::string());
  m_ids.clear();
  m_ids.emplace(std::string(), kEmpty);
}

void PhaseGrid::reserveRows(int count) {
  if (count > 0)
    m_cells.reserve(static_cast<std::size_t>(count) * static_cast<std::size_t>(m_colCount));
}

void PhaseGrid::setColCount(int count) {
  if (count < 0) count = 0;
  if (count == m_colCount) return;
  std::vector<TextId> cells(static_cast<std::size_t>(count) * static_cast<std::size_t>(m_rowCount),
                            kEmpty);
  const int keep = count < m_colCount ? count : m_colCount;
  for (int row = 0; row < m_rowCount; ++row)
    for (int col = 0; col < keep; ++col)
      cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(count) +
            static_cast<std::size_t>(col)] = m_cells[index(col, row)];
  m_cells.swap(cells);
  m_colCount = count;
}

void PhaseGrid::setRowCount(int count) {
  if (count < 0) count = 0;
  m_rowCount = count;
  m_cells.resize(static_cast<std::size_t>(count) * static_cast<std::size_t>(m_colCount), kEmpty);
}

const std::string& PhaseGrid::cell(int col, int row) const {
  return m_texts[cellId(col, row)];
}

PhaseGrid::TextId PhaseGrid::cellId(int col, int row) const {
  return inside(col, row) ? m_cells[index(col, row)] : kEmpty;
}

void PhaseGrid::setCell(int col, int row, std::string_view text) {
  setCellId(col, row, intern(text));
}

void PhaseGrid::setCellId(int col, int row, TextId id) {
  if (!inside(col, row)) throw ERangeError();
  m_cells[index(col, row)] = id;
}

PhaseGrid::TextId PhaseGrid::intern(std::string_view text) {
  auto found = m_ids.find(text);
  if (found != m_ids.end()) return found->second;
  const auto id = static_cast<TextId>(m_texts.size());
  m_texts.emplace_back(text);
  m_ids.emplace(m_texts.back(), id);
  return id;
}
