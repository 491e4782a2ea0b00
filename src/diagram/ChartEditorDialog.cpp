#include "diagram/ChartEditorDialog.h"

#include "diagram/ColorButton.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The dialog's own texts, together.
namespace text {
const char* const kCaption = "Edit chart";
const char* const kEmptyRange = "The %1 axis: the minimum must be below the maximum.";
const char* const kLineNames[] = {"None", "Solid", "Dash", "Dot", "Dash-dot"};
}  // namespace text

constexpr double kLargest = 1e15;

QDoubleSpinBox* numberBox(double value, double minimum) {
  auto* box = new QDoubleSpinBox;
  box->setRange(minimum, kLargest);
  box->setDecimals(6);
  box->setValue(value);
  return box;
}

}  // namespace

ChartEditorDialog::ChartEditorDialog(QCustomPlot* plot, QWidget* parent)
    : QDialog(parent), m_plot(plot), m_settings(readChartSettings(plot)) {
  setWindowTitle(tr(text::kCaption));
  m_pages = new QTabWidget;
  m_pages->addTab(titlesPage(), tr("Titles"));
  m_pages->addTab(axesPage(), tr("Axes"));
  m_pages->addTab(seriesPage(), tr("Series"));
  m_pages->addTab(backgroundPage(), tr("Background"));
  m_pages->setCurrentIndex(0);

  m_problem = new QLabel;
  m_problem->setObjectName(QStringLiteral("problem"));
  m_problem->setStyleSheet(QStringLiteral("color: #C00000"));
  m_problem->hide();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &ChartEditorDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ChartEditorDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pages);
  layout->addWidget(m_problem);
  layout->addWidget(buttons);
}

QWidget* ChartEditorDialog::titlesPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(textGroup(tr("Title"), QStringLiteral("title"), m_settings.title));
  layout->addWidget(textGroup(tr("Foot"), QStringLiteral("foot"), m_settings.foot));
  layout->addStretch();
  return page;
}

// Each control writes its own field when the user changes it; the values are shown first.
QWidget* ChartEditorDialog::textGroup(const QString& caption, const QString& name, ChartText& t) {
  auto* group = new QGroupBox(caption);
  auto* form = new QFormLayout(group);

  auto* edit = new QPlainTextEdit(t.text);
  edit->setObjectName(name + QStringLiteral("Text"));
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 3 + 12);
  connect(edit, &QPlainTextEdit::textChanged, this, [&t, edit] { t.text = edit->toPlainText(); });
  form->addRow(tr("Text:"), edit);

  auto* family = new QFontComboBox;
  family->setObjectName(name + QStringLiteral("Family"));
  family->setCurrentFont(t.font);
  connect(family, &QFontComboBox::currentFontChanged, this,
          [&t](const QFont& f) { t.font.setFamily(f.family()); });
  auto* size = new QSpinBox;
  size->setObjectName(name + QStringLiteral("Size"));
  size->setRange(4, 96);
  size->setSuffix(tr(" pt"));
  size->setValue(QFontInfo(t.font).pointSize());
  connect(size, &QSpinBox::valueChanged, this, [&t](int points) { t.font.setPointSize(points); });
  auto* bold = new QCheckBox(tr("Bold"));
  bold->setObjectName(name + QStringLiteral("Bold"));
  bold->setChecked(t.font.bold());
  connect(bold, &QCheckBox::toggled, this, [&t](bool on) { t.font.setBold(on); });
  auto* italic = new QCheckBox(tr("Italic"));
  italic->setObjectName(name + QStringLiteral("Italic"));
  italic->setChecked(t.font.italic());
  connect(italic, &QCheckBox::toggled, this, [&t](bool on) { t.font.setItalic(on); });
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(family, 1);
  fontRow->addWidget(size);
  fontRow->addWidget(bold);
  fontRow->addWidget(italic);
  form->addRow(tr("Font:"), fontRow);

  auto* colour = new ColorButton;
  colour->setObjectName(name + QStringLiteral("Colour"));
  colour->setColour(t.colour);
  connect(colour, &ColorButton::colourChanged, this, [&t](const QColor& c) { t.colour = c; });
  form->addRow(tr("Colour:"), colour);
  return group;
}

QWidget* ChartEditorDialog::axesPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(axisGroup(tr("Bottom axis"), QStringLiteral("bottom"), m_settings.bottom));
  layout->addWidget(axisGroup(tr("Left axis"), QStringLiteral("left"), m_settings.left));
  layout->addStretch();
  return page;
}

QWidget* ChartEditorDialog::axisGroup(const QString& caption, const QString& name, AxisSettings& a) {
  auto* group = new QGroupBox(caption);
  auto* form = new QFormLayout(group);

  auto* automatic = new QCheckBox(tr("Automatic"));
  automatic->setObjectName(name + QStringLiteral("Auto"));
  automatic->setChecked(a.autoRange);
  auto* minimum = numberBox(a.min, -kLargest);
  minimum->setObjectName(name + QStringLiteral("Min"));
  auto* maximum = numberBox(a.max, -kLargest);
  maximum->setObjectName(name + QStringLiteral("Max"));
  minimum->setEnabled(!a.autoRange);
  maximum->setEnabled(!a.autoRange);
  connect(automatic, &QCheckBox::toggled, this, [&a, minimum, maximum](bool on) {
    a.autoRange = on;
    minimum->setEnabled(!on);
    maximum->setEnabled(!on);
  });
  connect(minimum, &QDoubleSpinBox::valueChanged, this, [&a](double v) { a.min = v; });
  connect(maximum, &QDoubleSpinBox::valueChanged, this, [&a](double v) { a.max = v; });
  auto* range = new QHBoxLayout;
  range->addWidget(automatic);
  range->addWidget(new QLabel(tr("from")));
  range->addWidget(minimum, 1);
  range->addWidget(new QLabel(tr("to")));
  range->addWidget(maximum, 1);
  form->addRow(tr("Range:"), range);

  auto* label = new QLineEdit(a.label);
  label->setObjectName(name + QStringLiteral("Label"));
  connect(label, &QLineEdit::textChanged, this, [&a](const QString& t) { a.label = t; });
  form->addRow(tr("Axis title:"), label);

  auto* step = numberBox(a.tickStep, 0);
  step->setObjectName(name + QStringLiteral("Step"));
  step->setSpecialValueText(tr("Automatic"));
  connect(step, &QDoubleSpinBox::valueChanged, this, [&a](double v) { a.tickStep = v; });
  form->addRow(tr("Label step:"), step);

  auto* grid = new QCheckBox(tr("Grid lines"));
  grid->setObjectName(name + QStringLiteral("Grid"));
  grid->setChecked(a.gridVisible);
  connect(grid, &QCheckBox::toggled, this, [&a](bool on) { a.gridVisible = on; });
  form->addRow(QString(), grid);
  return group;
}

QWidget* ChartEditorDialog::seriesPage() {
  auto* page = new QWidget;
  m_seriesList = new QListWidget;
  m_seriesList->setObjectName(QStringLiteral("seriesList"));
  for (const SeriesSettings& s : m_settings.series) m_seriesList->addItem(s.title);

  m_seriesTitle = new QLineEdit;
  m_seriesTitle->setObjectName(QStringLiteral("seriesTitle"));
  m_seriesColour = new ColorButton;
  m_seriesColour->setObjectName(QStringLiteral("seriesColour"));
  m_seriesLine = new QComboBox;
  m_seriesLine->setObjectName(QStringLiteral("seriesLine"));
  for (const char* name : text::kLineNames) m_seriesLine->addItem(tr(name));
  m_seriesScatter = new QCheckBox(tr("Points marked"));
  m_seriesScatter->setObjectName(QStringLiteral("seriesScatter"));
  m_seriesVisible = new QCheckBox(tr("Visible"));
  m_seriesVisible->setObjectName(QStringLiteral("seriesVisible"));

  auto* form = new QFormLayout;
  form->addRow(tr("Title:"), m_seriesTitle);
  form->addRow(tr("Colour:"), m_seriesColour);
  form->addRow(tr("Line:"), m_seriesLine);
  form->addRow(QString(), m_seriesScatter);
  form->addRow(QString(), m_seriesVisible);
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(m_seriesList, 1);
  layout->addLayout(form, 2);

  // The editors change the series selected in the list.
  auto current = [this]() -> SeriesSettings* {
    const int row = m_seriesList->currentRow();
    if (m_showingSeries || row < 0 || row >= static_cast<int>(m_settings.series.size())) return nullptr;
    return &m_settings.series[static_cast<std::size_t>(row)];
  };
  connect(m_seriesList, &QListWidget::currentRowChanged, this, &ChartEditorDialog::showSeries);
  connect(m_seriesTitle, &QLineEdit::textChanged, this, [this, current](const QString& t) {
    if (SeriesSettings* s = current()) {
      s->title = t;
      m_seriesList->currentItem()->setText(t);
    }
  });
  connect(m_seriesColour, &ColorButton::colourChanged, this, [current](const QColor& c) {
    if (SeriesSettings* s = current()) s->colour = c;
  });
  connect(m_seriesLine, &QComboBox::currentIndexChanged, this, [current](int i) {
    if (SeriesSettings* s = current(); s && i >= 0) s->line = static_cast<SeriesLine>(i);
  });
  connect(m_seriesScatter, &QCheckBox::toggled, this, [current](bool on) {
    if (SeriesSettings* s = current()) s->scatterVisible = on;
  });
  connect(m_seriesVisible, &QCheckBox::toggled, this, [current](bool on) {
    if (SeriesSettings* s = current()) s->visible = on;
  });
  if (!m_settings.series.empty()) m_seriesList->setCurrentRow(0);
  showSeries(m_seriesList->currentRow());
  return page;
}

void ChartEditorDialog::showSeries(int row) {
  const bool valid = row >= 0 && row < static_cast<int>(m_settings.series.size());
  for (QWidget* editor : std::initializer_list<QWidget*>{m_seriesTitle, m_seriesColour, m_seriesLine,
                                                         m_seriesScatter, m_seriesVisible})
    editor->setEnabled(valid);
  if (!valid) return;
  const SeriesSettings& s = m_settings.series[static_cast<std::size_t>(row)];
  m_showingSeries = true;
  m_seriesTitle->setText(s.title);
  m_seriesColour->setColour(s.colour);
  m_seriesLine->setCurrentIndex(static_cast<int>(s.line));
  m_seriesScatter->setChecked(s.scatterVisible);
  m_seriesVisible->setChecked(s.visible);
  m_showingSeries = false;
}

QWidget* ChartEditorDialog::backgroundPage() {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  auto* background = new ColorButton;
  background->setObjectName(QStringLiteral("background"));
  background->setColour(m_settings.background);
  connect(background, &ColorButton::colourChanged, this,
          [this](const QColor& c) { m_settings.background = c; });
  form->addRow(tr("Background colour:"), background);
  auto* legend = new QCheckBox(tr("Show legend"));
  legend->setObjectName(QStringLiteral("legend"));
  legend->setChecked(m_settings.legendVisible);
  connect(legend, &QCheckBox::toggled, this, [this](bool on) { m_settings.legendVisible = on; });
  form->addRow(QString(), legend);
  return page;
}

QString ChartEditorDialog::rangeProblem() const {
  if (!m_settings.bottom.autoRange && !(m_settings.bottom.min < m_settings.bottom.max))
    return tr(text::kEmptyRange).arg(tr("bottom"));
  if (!m_settings.left.autoRange && !(m_settings.left.min < m_settings.left.max))
    return tr(text::kEmptyRange).arg(tr("left"));
  return {};
}

void ChartEditorDialog::accept() {
  const QString problem = rangeProblem();
  if (!problem.isEmpty()) {
    m_problem->setText(problem);
    m_problem->show();
    m_pages->setCurrentIndex(1);
    return;
  }
  applyChartSettings(m_plot, m_settings);
  m_plot->replot();
  QDialog::accept();
}
