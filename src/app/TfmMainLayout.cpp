#include "app/AppMessages.h"
#include "app/ProblemListModel.h"
#include "app/TfmMain.h"

#include <QAction>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <qcustomplot.h>

namespace {

constexpr int kProblemsWidth = 190;
constexpr std::array<int, 2> kStatusPanelWidths{250, 50};

QString text(const char* latin1) { return QString::fromLatin1(latin1); }

}  // namespace

void TfmMain::createLayout() {
  resize(kDesignedWidth, kDesignedHeight);
  move(kDesignedLeft, kDesignedTop);

  auto* central = new QWidget(this);
  auto* body = new QHBoxLayout;
  body->addWidget(createProblemsGroup());
  body->addWidget(createWorkArea(), 1);

  auto* column = new QVBoxLayout(central);
  column->addLayout(body, 1);
  column->addWidget(createBottomPanel());
  setCentralWidget(central);
  createMenu();
  createStatusBar();
}

QGroupBox* TfmMain::createProblemsGroup() {
  auto* group = new QGroupBox(text(appmsg::kProblemsGroup));
  group->setObjectName(QStringLiteral("gbProblems"));
  group->setFixedWidth(kProblemsWidth);

  m_dbgProblems = new QTableView(group);
  m_dbgProblems->setObjectName(QStringLiteral("dbgProblems"));
  m_dbgProblems->setModel(m_problemModel);
  m_dbgProblems->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_dbgProblems->setSelectionMode(QAbstractItemView::SingleSelection);
  m_dbgProblems->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
  m_dbgProblems->verticalHeader()->hide();
  m_dbgProblems->verticalHeader()->setDefaultSectionSize(
      m_dbgProblems->fontMetrics().height() + 4);
  m_dbgProblems->horizontalHeader()->setStretchLastSection(true);
  m_dbgProblems->horizontalHeader()->setHighlightSections(false);
  m_dbgProblems->setWordWrap(false);
  m_dbgProblems->installEventFilter(this);

  // Insert, delete and cancel, as the navigator of a data-aware list offers them.
  auto* navigator = new QHBoxLayout;
  navigator->setSpacing(2);
  const std::array<std::pair<const char*, const char*>, 3> buttons{{
      {"+", appmsg::kInsertHint}, {"\u2212", appmsg::kDeleteHint}, {"\u2715", appmsg::kCancelHint}}};
  const std::array<const char*, 3> names{"navInsert", "navDelete", "navCancel"};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    auto* button = new QToolButton(group);
    button->setObjectName(QLatin1String(names[i]));
    button->setText(QString::fromUtf8(buttons[i].first));
    button->setToolTip(text(buttons[i].second));
    button->setAutoRaise(false);
    button->setMinimumWidth(28);
    navigator->addWidget(button);
    m_navigator[i] = button;
  }
  navigator->addStretch(1);

  auto* layout = new QVBoxLayout(group);
  layout->addWidget(m_dbgProblems, 1);
  layout->addLayout(navigator);
  return group;
}

QWidget* TfmMain::createWorkArea() {
  m_splitter = new QSplitter(Qt::Vertical);
  m_splitter->setObjectName(QStringLiteral("Splitter1"));
  m_splitter->setChildrenCollapsible(false);

  m_chart1 = new QCustomPlot(m_splitter);
  m_chart1->setObjectName(QStringLiteral("Chart1"));
  m_chart1->setMinimumHeight(120);
  m_splitter->addWidget(m_chart1);

  auto* group = new QGroupBox(text(appmsg::kFunctionsGroup), m_splitter);
  group->setObjectName(QStringLiteral("gbFunctions"));
  m_memFunctions = new QPlainTextEdit(group);
  m_memFunctions->setObjectName(QStringLiteral("memFunctions"));
  m_memFunctions->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_memFunctions->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_memFunctions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_memFunctions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_memFunctions->installEventFilter(this);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(m_memFunctions);
  m_splitter->addWidget(group);
  m_splitter->setStretchFactor(0, 3);
  m_splitter->setStretchFactor(1, 2);
  return m_splitter;
}

void TfmMain::createMenu() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu(text(appmsg::kFileMenu));
  file->setObjectName(QStringLiteral("File1"));
  m_actOpen = file->addAction(text(appmsg::kOpen), this, &TfmMain::N1Click);
  m_actOpen->setObjectName(QStringLiteral("N1"));
  m_actCreate = file->addAction(text(appmsg::kCreate), this, &TfmMain::N5Click);
  m_actCreate->setObjectName(QStringLiteral("N5"));
  m_actSave = file->addAction(text(appmsg::kSave), this, &TfmMain::N6Click);
  m_actSave->setObjectName(QStringLiteral("N6"));
  m_actImportTdb = file->addAction(text(appmsg::kImportMenu), this, &TfmMain::importTdbClick);
  m_actImportTdb->setObjectName(QStringLiteral("ImportTdb"));
  file->addSeparator();
  QAction* close = file->addAction(text(appmsg::kClose), this, &TfmMain::N3Click);
  close->setObjectName(QStringLiteral("N3"));
  QAction* color = bar->addAction(text(appmsg::kMosaicColor), this, &TfmMain::N4Click);
  color->setObjectName(QStringLiteral("N4"));
  QAction* about = bar->addAction(text(appmsg::kAbout), this, &TfmMain::About1Click);
  about->setObjectName(QStringLiteral("About1"));
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
