#pragma once

#include "calc/ResultRecords.h"

#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

class QListWidget;
class QTableWidget;

// "Special points coordinates": the node table of the last special point search and the list
// of its other special points.
class TfmSpecPoints : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColumnWidth = 120;
  static constexpr int kTableHeight = 282;

  explicit TfmSpecPoints(QWidget* parent = nullptr);

  QTableWidget& sgSpecPoints() const { return *m_sgSpecPoints; }
  QListWidget& otherPointsList() const { return *m_otherPoints; }

  // Rewrites the node table: a header row and one row per node, or one empty row.
  void fillNodeTable(const TNodeList& nodes, std::string_view yParameterName);
  // The list always shows the texts of the last search.
  void showOtherPoints(const std::vector<std::string>& texts);

 private:
  QTableWidget* m_sgSpecPoints = nullptr;
  QListWidget* m_otherPoints = nullptr;
};
