#include "app/FileDialogs.h"
#include "app/TfmImportTdb.h"
#include "app/TfmMain.h"
#include "diagram/ModalDialogs.h"
#include "base/Errors.h"
#include "problem/ProblemFields.h"
#include "problem/ProblemMessages.h"
#include "tdb/TdbReader.h"
#include "workbench/Workbench.h"

#include <string>

namespace {

// The memo keeps its lines separated by CR LF.
std::string crLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

// The new problem is appended to the open database and posted as a new problem typed in would
// be; the list then shows it selected, ready to run.
void TfmMain::importTdbClick() {
  if (refuseDuringScan()) return;
  guarded([&] {
    // Without an open database there is nowhere to put the problem: said before any work.
    if (!m_workbench->table().active()) throw EDatabaseError(problem_messages::kClosedDataset);
    const auto file = m_fileDialogs.openThermodynamicDatabase();
    if (!file) return;
    const TdbDatabase db = readTdbFile(*file);
    TfmImportTdb dialog(db, m_dialogs, this);
    if (m_modalDialogs.exec(dialog) != QDialog::Accepted || !dialog.imported()) return;
    const TdbImport& imported = *dialog.imported();
    Workbench& bench = *m_workbench;
    if (!bench.postPending()) return;
    ProblemTable& table = bench.table();
    table.insert();
    table.setString(fieldName(ProblemField::ProblemName), dialog.chosenName());
    table.setString(fieldName(ProblemField::Yparameter), "Temperature");
    table.setFloat(fieldName(ProblemField::Zvalue), 1);
    table.setFloat(fieldName(ProblemField::Ymin), imported.ymin);
    table.setFloat(fieldName(ProblemField::Ymax), imported.ymax);
    table.setInteger(fieldName(ProblemField::XPoints), imported.xPoints);
    table.setInteger(fieldName(ProblemField::YPoints), imported.yPoints);
    table.setString(fieldName(ProblemField::Functs), crLf(imported.description));
    bench.yParameterChanged();
    table.post();
  });
}
