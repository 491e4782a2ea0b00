#include "diagram/TfmDiagram2.h"

#include "base/NumberText.h"
#include "diagram/ChartDecor.h"
#include "diagram/ChartEditorDialog.h"
#include "diagram/ModalDialogs.h"
#include "diagram/TfmDiagram2Drawing.h"
#include "diagram/TfmDiagram2Messages.h"
#include "analysis/RunResults.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

// Farther than this between press and release, the left button made a zoom or scroll gesture.
constexpr int kClickSlack = 3;

QPushButton* panelButton(const char* text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setObjectName(QLatin1String(name));
  return button;
}

}  // namespace

TfmDiagram2::TfmDiagram2(UserDialogs& dialogs, ModalDialogs& modal, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_modal(modal) {
  setWindowFlag(Qt::Window);
  setWindowTitle(QLatin1String(diagrammsg::kCaption));
  resize(760, 620);
  m_chart = new QCustomPlot(this);
  m_chart->setObjectName(QStringLiteral("Chart1"));
  m_chart->setMouseTracking(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_chart, 1);
  layout->addWidget(createBottomPanel());
  {
    QScopedValueRollback<bool> own(m_settingRanges, true);
    setUpDiagramChart(m_chart);
    loadChartFile();
  }
  m_defaultFootText = chartFoot(m_chart)->text();
  rememberRanges();
  connectChart();
}

TfmDiagram2::~TfmDiagram2() {
  m_chart->disconnect(this);
  m_chart->xAxis->disconnect(this);
  m_chart->yAxis->disconnect(this);
  saveChartFile();
}

QWidget* TfmDiagram2::createBottomPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("BottomPanel"));
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(8, 4, 8, 6);
  m_readout = new QLabel(panel);
  m_readout->setObjectName(QStringLiteral("lblReadout"));
  QFont fixed(QStringLiteral("Monospace"));
  fixed.setStyleHint(QFont::TypeWriter);
  m_readout->setFont(fixed);
  row->addWidget(m_readout, 1);
  QPushButton* edit = panelButton(diagrammsg::kEditChart, "SpeedButton2", panel);
  m_sbUndoZoom = panelButton(diagrammsg::kUndoZoom, "sbUndoZoom", panel);
  m_sbUndoZoom->hide();
  QPushButton* copy = panelButton(diagrammsg::kCopy, "sbCopy", panel);
  copy->setToolTip(QLatin1String(diagrammsg::kCopyHint));
  QPushButton* save = panelButton(diagrammsg::kSavePicture, "sbSavePicture", panel);
  save->setToolTip(QLatin1String(diagrammsg::kSavePictureHint));
  QPushButton* close = panelButton(diagrammsg::kClose, "sbClose", panel);
  for (QPushButton* button : {edit, m_sbUndoZoom, copy, save, close}) row->addWidget(button);
  connect(edit, &QPushButton::clicked, this, &TfmDiagram2::SpeedButton2Click);
  connect(m_sbUndoZoom, &QPushButton::clicked, this, &TfmDiagram2::sbUndoZoomClick);
  connect(copy, &QPushButton::clicked, this, &TfmDiagram2::sbCopyClick);
  connect(save, &QPushButton::clicked, this, &TfmDiagram2::sbSavePictureClick);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  return panel;
}

void TfmDiagram2::connectChart() {
  m_chart->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  m_chart->setSelectionRectMode(QCP::srmZoom);
  connect(m_chart, &QCustomPlot::mousePress, this, [this](QMouseEvent* e) {
    m_pressPos = e->pos();
    // A left drag draws the zoom rectangle; with Ctrl held it scrolls.
    m_chart->setSelectionRectMode((e->modifiers() & Qt::ControlModifier) ? QCP::srmNone
                                                                          : QCP::srmZoom);
  });
  connect(m_chart, &QCustomPlot::mouseMove, this,
          [this](QMouseEvent* e) { Chart1MouseMove(e->pos()); });
  connect(m_chart, &QCustomPlot::mouseRelease, this, [this](QMouseEvent* e) {
    // The release that ends a zoom or scroll gesture places nothing: the gesture clears labels.
    if ((e->pos() - m_pressPos).manhattanLength() <= kClickSlack) Chart1MouseUp(e->pos(), e->button());
  });
  auto zoomed = [this] {
    if (!m_settingRanges) Chart1Zoom();
  };
  connect(m_chart->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, zoomed);
  connect(m_chart->yAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, zoomed);
}

void TfmDiagram2::sbDiagramClick(const RunResults& results) {
  ClearLabels();
  m_grid = &results.run.grid;
  {
    QScopedValueRollback<bool> own(m_settingRanges, true);
    drawDiagram(m_chart, results, m_defaultFootText);
    if (results.analysis.failed()) {
      rememberRanges();
      Chart1UndoZoom();
      m_chart->replot();
      results.analysis.rethrowFailure();
    }
  }
  rememberRanges();
  Chart1UndoZoom();
  m_chart->replot();
  QCoreApplication::processEvents();
  show();
}

void TfmDiagram2::Chart1MouseMove(const QPoint& pos) {
  const QRect plotArea = m_chart->axisRect()->rect();
  const bool inside = pos.x() >= plotArea.left() && pos.x() <= plotArea.left() + plotArea.width() &&
                      pos.y() >= plotArea.top() && pos.y() <= plotArea.top() + plotArea.height();
  if (!inside) {
    m_readout->hide();
    return;
  }
  m_readout->show();
  const double x = m_chart->xAxis->pixelToCoord(pos.x());
  const double y = m_chart->yAxis->pixelToCoord(pos.y());
  m_readout->setText(QStringLiteral("X = ") + QString::fromStdString(formatReadout(x)) +
                     QStringLiteral("    ") + titleFirstLine(m_chart) + QStringLiteral(" = ") +
                     QString::fromStdString(formatReadout(y)));
}

void TfmDiagram2::Chart1Zoom() {
  ClearLabels();
  m_sbUndoZoom->show();
}

void TfmDiagram2::Chart1UndoZoom() { m_sbUndoZoom->hide(); }

void TfmDiagram2::sbUndoZoomClick() {
  restoreRanges();
  Chart1UndoZoom();
  ClearLabels();
}

void TfmDiagram2::restoreRanges() {
  QScopedValueRollback<bool> own(m_settingRanges, true);
  m_chart->xAxis->setRange(m_homeX);
  m_chart->yAxis->setRange(m_homeY);
  m_chart->replot();
}

void TfmDiagram2::rememberRanges() {
  m_homeX = m_chart->xAxis->range();
  m_homeY = m_chart->yAxis->range();
}

void TfmDiagram2::SpeedButton2Click() {
  ChartEditorDialog dialog(m_chart, this);
  {
    QScopedValueRollback<bool> own(m_settingRanges, true);
    m_modal.exec(dialog);
  }
  // The editor may have recoloured the point series; their symbols follow.
  useVectorScatters(m_chart, false);
  m_defaultFootText = chartFoot(m_chart)->text();
  m_chart->replot();
}

void TfmDiagram2::FormActivate() { m_readout->clear(); }

bool TfmDiagram2::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}
