#include "diagram/TfmSpecPoints.h"

#include "analysis/NodeTableTexts.h"
#include "diagram/TfmDiagram2Messages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TfmSpecPoints::TfmSpecPoints(QWidget* parent) : QWidget(parent) {
  setWindowFlag(Qt::Window);
  setWindowTitle(QLatin1String(diagrammsg::kSpecPointsCaption));

  auto* nodes = new QGroupBox(QLatin1String(diagrammsg::kNodesGroup), this);
  m_sgSpecPoints = new QTableWidget(nodes);
  m_sgSpecPoints->setObjectName(QStringLiteral("sgSpecPoints"));
  m_sgSpecPoints->setColumnCount(4);
  m_sgSpecPoints->verticalHeader()->hide();
  m_sgSpecPoints->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int col = 0; col < 4; ++col) m_sgSpecPoints->setColumnWidth(col, kColumnWidth);
  m_sgSpecPoints->setFixedHeight(kTableHeight);
  m_sgSpecPoints->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto* nodesLayout = new QVBoxLayout(nodes);
  nodesLayout->addWidget(m_sgSpecPoints);

  auto* others = new QGroupBox(QLatin1String(diagrammsg::kOtherPointsGroup), this);
  m_otherPoints = new QListWidget(others);
  m_otherPoints->setObjectName(QStringLiteral("lbOtherPoints"));
  auto* othersLayout = new QVBoxLayout(others);
  othersLayout->addWidget(m_otherPoints);

  auto* close = new QPushButton(QLatin1String(diagrammsg::kClose), this);
  close->setObjectName(QStringLiteral("sbClose"));
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(nodes);
  layout->addWidget(others, 1);
  layout->addLayout(bottom);
  resize(4 * kColumnWidth + 48, 560);
  fillNodeTable({}, "Temperature");
}

void TfmSpecPoints::fillNodeTable(const TNodeList& nodes, std::string_view yParameterName) {
  const std::vector<std::vector<std::string>> cells = nodeTableCells(nodes, yParameterName);
  m_sgSpecPoints->clearContents();
  m_sgSpecPoints->setRowCount(static_cast<int>(cells.size()) - 1);
  QStringList headers;
  for (const std::string& text : cells.front()) headers << QString::fromStdString(text);
  m_sgSpecPoints->setHorizontalHeaderLabels(headers);
  for (std::size_t row = 1; row < cells.size(); ++row)
    for (std::size_t col = 0; col < cells[row].size(); ++col)
      m_sgSpecPoints->setItem(static_cast<int>(row) - 1, static_cast<int>(col),
                              new QTableWidgetItem(QString::fromStdString(cells[row][col])));
  m_sgSpecPoints->setCurrentItem(nullptr);
}

void TfmSpecPoints::showOtherPoints(const std::vector<std::string>& texts) {
  m_otherPoints->clear();
  for (const std::string& text : texts) m_otherPoints->addItem(QString::fromStdString(text));
}
