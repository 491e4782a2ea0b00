#include "app/AppMessages.h"
#include "app/TfmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kNumberEditorWidth = 80;

QString text(const char* latin1) { return QString::fromLatin1(latin1); }

QPushButton* button(const char* caption, const char* name) {
  auto* result = new QPushButton(text(caption));
  result->setObjectName(QLatin1String(name));
  return result;
}

QCheckBox* checkBox(const char* caption, const char* name) {
  auto* result = new QCheckBox(text(caption));
  result->setObjectName(QLatin1String(name));
  return result;
}

}  // namespace

QWidget* TfmMain::createBottomPanel() {
  auto* panel = new QFrame;
  panel->setObjectName(QStringLiteral("pnlBottom"));
  panel->setFrameShape(QFrame::StyledPanel);

  m_chbSave = checkBox(appmsg::kSaveCheckBox, "chbSave");
  m_chbSave->setToolTip(text(appmsg::kSaveHint));
  m_chbSave->setChecked(true);
  m_sbClose = button(appmsg::kCloseButton, "sbClose");
  auto* closing = new QVBoxLayout;
  closing->addWidget(m_chbSave);
  closing->addWidget(m_sbClose);
  closing->addStretch(1);

  auto* layout = new QHBoxLayout(panel);
  layout->addWidget(createRunButtons());
  layout->addWidget(createYAxisGroup());
  layout->addWidget(createPointsGroup());
  layout->addWidget(createDemonstrationGroup());
  layout->addStretch(1);
  layout->addLayout(closing);
  return panel;
}

QWidget* TfmMain::createRunButtons() {
  auto* box = new QWidget;
  m_sbRun = button(appmsg::kRunButton, "sbRun");
  m_sbDiagram = button(appmsg::kDiagramButton, "sbDiagram");
  m_sbDiagram->setEnabled(false);
  m_sbEditChart = button(appmsg::kEditChartButton, "sbEditChart");
  m_sbSpecialPoints = button(appmsg::kSpecialPointsButton, "sbSpecialPoints");
  m_chbStep = checkBox(appmsg::kByStep, "chbStep");

  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(m_sbRun, 0, 0);
  grid->addWidget(m_sbDiagram, 0, 1);
  grid->addWidget(m_sbEditChart, 1, 0);
  grid->addWidget(m_sbSpecialPoints, 1, 1);
  grid->addWidget(m_chbStep, 2, 0);
  grid->addWidget(createZEditor(), 2, 1);
  return box;
}

QWidget* TfmMain::createZEditor() {
  auto* box = new QWidget;
  m_lblZ = new QLabel;
  m_lblZ->setObjectName(QStringLiteral("lblZ"));
  QLineEdit* zvalue = createFieldEditor(ProblemField::Zvalue, "dbeZvalue");
  m_lblZ->setBuddy(zvalue);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(m_lblZ);
  row->addWidget(zvalue, 1);
  return box;
}

QGroupBox* TfmMain::createYAxisGroup() {
  auto* group = new QGroupBox(text(appmsg::kYAxisGroup));
  group->setObjectName(QStringLiteral("gbYAxis"));
  m_dbcbY = new QComboBox;
  m_dbcbY->setObjectName(QStringLiteral("dbcbY"));
  m_dbcbY->addItems({text(kYTemperature), text(kYPressure), text(kYFree)});
  m_dbcbY->setCurrentIndex(-1);

  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(text(appmsg::kYIs)), 0, 0);
  grid->addWidget(m_dbcbY, 0, 1);
  grid->addWidget(new QLabel(text(appmsg::kYmin)), 1, 0);
  grid->addWidget(createFieldEditor(ProblemField::Ymin, "dbeYmin"), 1, 1);
  grid->addWidget(new QLabel(text(appmsg::kYmax)), 2, 0);
  grid->addWidget(createFieldEditor(ProblemField::Ymax, "dbeYmax"), 2, 1);
  return group;
}

QGroupBox* TfmMain::createPointsGroup() {
  auto* group = new QGroupBox(text(appmsg::kPointsGroup));
  group->setObjectName(QStringLiteral("gbPoints"));
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(text(appmsg::kXPoints)), 0, 0);
  grid->addWidget(createFieldEditor(ProblemField::XPoints, "dbeXPoints"), 0, 1);
  grid->addWidget(new QLabel(text(appmsg::kYPoints)), 1, 0);
  grid->addWidget(createFieldEditor(ProblemField::YPoints, "dbeYPoints"), 1, 1);
  grid->setRowStretch(2, 1);
  return group;
}

QGroupBox* TfmMain::createDemonstrationGroup() {
  auto* group = new QGroupBox(text(appmsg::kDemonstrationGroup));
  group->setObjectName(QStringLiteral("gbDemonstration"));
  m_chbShowMosaic = checkBox(appmsg::kShowMosaic, "chbShowMosaic");
  m_chbShowChart = checkBox(appmsg::kShowChart, "chbShowChart");
  // As a new problem has it, and as the chart is shown until a problem says otherwise.
  m_chbShowChart->setChecked(true);
  auto* column = new QVBoxLayout(group);
  column->addWidget(m_chbShowMosaic);
  column->addWidget(m_chbShowChart);
  column->addStretch(1);
  return group;
}

QLineEdit* TfmMain::createFieldEditor(ProblemField field, const char* name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QLatin1String(name));
  edit->setMaximumWidth(kNumberEditorWidth);
  edit->installEventFilter(this);
  for (FieldEditor& editor : m_fieldEditors)
    if (editor.field == field) editor.edit = edit;
  return edit;
}

void TfmMain::connectControls() {
  connect(m_sbRun, &QPushButton::clicked, this, &TfmMain::sbRunClick);
  connect(m_sbEditChart, &QPushButton::clicked, this, &TfmMain::sbEditChartClick);
  connect(m_sbDiagram, &QPushButton::clicked, this, &TfmMain::sbDiagramClick);
  connect(m_sbSpecialPoints, &QPushButton::clicked, this, &TfmMain::sbSpecialPointsClick);
  connect(m_sbClose, &QPushButton::clicked, this, &TfmMain::N3Click);
  connect(m_chbStep, &QCheckBox::toggled, this, &TfmMain::chbStepClick);
  connect(m_chbShowChart, &QCheckBox::toggled, this, &TfmMain::chbShowChartClick);
  connect(m_chbShowChart, &QCheckBox::clicked, this,
          [this](bool checked) { showFlagClicked(ProblemField::ShowChart, checked); });
  connect(m_chbShowMosaic, &QCheckBox::clicked, this,
          [this](bool checked) { showFlagClicked(ProblemField::ShowMosaicDiagram, checked); });
  connect(m_dbcbY, &QComboBox::activated, this, &TfmMain::dbcbYChange);
  connect(m_navigator[0], &QToolButton::clicked, this, &TfmMain::navInsertClick);
  connect(m_navigator[1], &QToolButton::clicked, this, &TfmMain::navDeleteClick);
  connect(m_navigator[2], &QToolButton::clicked, this, &TfmMain::navCancelClick);
  connect(m_dbgProblems->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TfmMain::dbgProblemsCurrentRowChanged);
  for (FieldEditor& editor : m_fieldEditors) {
    connect(editor.edit, &QLineEdit::textEdited, this, [this, &editor] {
      if (startEditing()) editor.modified = true;
    });
    connect(editor.edit, &QLineEdit::returnPressed, this,
            [this, &editor] { guarded([&] { writeFieldEditor(editor); }); });
  }
  connect(m_memFunctions, &QPlainTextEdit::textChanged, this, [this] {
    if (!m_refreshing && startEditing()) m_functionsModified = true;
  });
}
