#include "app/AppMessages.h"
#include "app/ProblemListModel.h"
#include "app/TfmMain.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kProblemsWidth = 190;
constexpr std::array<int, 2> kStatusPanelWidths{250, 50};

}  // namespace

void TfmMain::createLayout() {
  resize(kDesignedWidth, kDesignedHeight);
  move(kDesignedLeft, kDesignedTop);

  auto* central = new QWidget(this);
  auto* body = new QHBoxLayout;
  body->addWidget(createProblemsGroup());
  // The working chart and the phase description editor take this side.
  auto* workArea = new QWidget(central);
  workArea->setObjectName(QStringLiteral("pnlWork"));
  body->addWidget(workArea, 1);

  auto* column = new QVBoxLayout(central);
  column->addLayout(body, 1);
  column->addWidget(createBottomPanel());
  setCentralWidget(central);
  createStatusBar();
}

QGroupBox* TfmMain::createProblemsGroup() {
  auto* group = new QGroupBox(QString::fromLatin1(appmsg::kProblemsGroup));
  group->setObjectName(QStringLiteral("gbProblems"));
  group->setFixedWidth(kProblemsWidth);

  m_dbgProblems = new QTableView(group);
  m_dbgProblems->setObjectName(QStringLiteral("dbgProblems"));
  m_dbgProblems->setModel(m_problemModel);
  m_dbgProblems->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_dbgProblems->setSelectionMode(QAbstractItemView::SingleSelection);
  m_dbgProblems->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_dbgProblems->verticalHeader()->hide();
  m_dbgProblems->verticalHeader()->setDefaultSectionSize(
      m_dbgProblems->fontMetrics().height() + 4);
  m_dbgProblems->horizontalHeader()->setStretchLastSection(true);
  m_dbgProblems->horizontalHeader()->setHighlightSections(false);
  m_dbgProblems->setWordWrap(false);
  connect(m_dbgProblems->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TfmMain::dbgProblemsCurrentRowChanged);

  auto* layout = new QVBoxLayout(group);
  layout->addWidget(m_dbgProblems);
  return group;
}

QWidget* TfmMain::createBottomPanel() {
  auto* panel = new QFrame;
  panel->setObjectName(QStringLiteral("pnlBottom"));
  panel->setFrameShape(QFrame::StyledPanel);

  m_chbSave = new QCheckBox(QString::fromLatin1(appmsg::kSaveCheckBox), panel);
  m_chbSave->setObjectName(QStringLiteral("chbSave"));
  m_chbSave->setToolTip(QString::fromLatin1(appmsg::kSaveHint));
  m_chbSave->setChecked(true);

  auto* layout = new QHBoxLayout(panel);
  layout->addStretch(1);
  layout->addWidget(m_chbSave);
  return panel;
}

void TfmMain::createStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(true);
  for (std::size_t i = 0; i < m_statusPanels.size(); ++i) {
    auto* panel = new QLabel(bar);
    panel->setFixedWidth(kStatusPanelWidths[i]);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel);
    m_statusPanels[i] = panel;
  }
  setStatusBar(bar);
}
