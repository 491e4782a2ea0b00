#include "app/TfmImportTdb.h"

#include "app/AppMessages.h"
#include "base/NumberText.h"
#include "base/UserDialogs.h"
#include "problem/ProblemMessages.h"
#include "tdb/BinaryPhases.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }
QString text(const char* s) { return QString::fromUtf8(s); }

}  // namespace

TfmImportTdb::TfmImportTdb(const TdbDatabase& db, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_db(db), m_dialogs(dialogs) {
  setObjectName(QStringLiteral("fmImportTdb"));
  setWindowTitle(text(appmsg::kImportCaption) + QStringLiteral(" - ") + text(db.sourceName));
  resize(560, 460);

  m_elementA = new QComboBox(this);
  m_elementA->setObjectName(QStringLiteral("cbElementA"));
  m_elementB = new QComboBox(this);
  m_elementB->setObjectName(QStringLiteral("cbElementB"));
  const auto elements = systemElements(db);
  for (const std::string& element : elements) {
    m_elementA->addItem(text(element));
    m_elementB->addItem(text(element));
  }
  if (elements.size() > 1) m_elementB->setCurrentIndex(1);

  m_phases = new QTreeWidget(this);
  m_phases->setObjectName(QStringLiteral("tvPhases"));
  m_phases->setColumnCount(2);
  m_phases->setHeaderLabels({text(appmsg::kImportPhaseColumn), text(appmsg::kImportModelColumn)});
  m_phases->setRootIsDecorated(false);
  m_phases->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

  m_problemName = new QLineEdit(this);
  m_problemName->setObjectName(QStringLiteral("edProblemName"));
  m_problemName->setMaxLength(20);
  connect(m_problemName, &QLineEdit::textEdited, this, [this] { m_nameTyped = true; });

  auto* form = new QFormLayout;
  form->addRow(text(appmsg::kImportElementA), m_elementA);
  form->addRow(text(appmsg::kImportElementB), m_elementB);
  form->addRow(text(appmsg::kImportProblemName), m_problemName);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(text(appmsg::kImportButton));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("sbImport"));
  connect(buttons, &QDialogButtonBox::accepted, this, &TfmImportTdb::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(new QLabel(text(appmsg::kImportPhases), this));
  layout->addWidget(m_phases, 1);
  layout->addWidget(buttons);

  connect(m_elementA, &QComboBox::currentIndexChanged, this, &TfmImportTdb::elementsChanged);
  connect(m_elementB, &QComboBox::currentIndexChanged, this, &TfmImportTdb::elementsChanged);
  elementsChanged();
}

std::string TfmImportTdb::chosenName() const {
  return m_problemName->text().trimmed().toStdString();
}

void TfmImportTdb::elementsChanged() {
  const std::string a = m_elementA->currentText().toStdString();
  const std::string b = m_elementB->currentText().toStdString();
  if (!m_nameTyped) m_problemName->setText(text(elementSymbol(a) + "-" + elementSymbol(b)));
  m_phases->clear();
  if (a.empty() || b.empty() || a == b) return;
  for (const BinaryPhase& phase : binaryPhases(m_db, a, b)) {
    auto* item = new QTreeWidgetItem(m_phases);
    item->setText(0, text(phase.phase->name));
    switch (phase.kind) {
      case BinaryPhase::Kind::Solution: item->setText(1, text(appmsg::kImportSolution)); break;
      case BinaryPhase::Kind::Compound:
        item->setText(1, text(appmsg::kImportCompound) + text(formatGeneral(phase.x)));
        break;
      case BinaryPhase::Kind::Refused:
        item->setText(1, text(phase.reason));
        item->setToolTip(1, text(phase.message));
        item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        continue;
    }
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Checked);
  }
}

void TfmImportTdb::accept() {
  TdbImportRequest request;
  request.elementA = m_elementA->currentText().toStdString();
  request.elementB = m_elementB->currentText().toStdString();
  for (int i = 0; i < m_phases->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = m_phases->topLevelItem(i);
    if ((item->flags() & Qt::ItemIsEnabled) && item->checkState(0) == Qt::Checked)
      request.phases.push_back(item->text(0).toStdString());
  }
  if (chosenName().empty()) {
    m_dialogs.warning(problem_messages::kNameRequired);
    return;
  }
  if (request.phases.empty() && request.elementA != request.elementB) {
    m_dialogs.warning(appmsg::kImportNoPhase);
    return;
  }
  try {
    m_imported = importBinarySystem(m_db, request);
  } catch (const std::exception& e) {
    m_dialogs.error(e.what());
    return;
  }
  QDialog::accept();
}
