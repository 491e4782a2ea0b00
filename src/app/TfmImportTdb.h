#pragma once

#include "tdb/TdbDatabase.h"
#include "tdb/TdbImport.h"

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QTreeWidget;
class UserDialogs;

// File > "Import thermodynamic database...": the elements of a TDB file in two lists (A and
// B), the phases of the system A-B (the unsupported ones greyed, with their reason) and the new
// problem's name. "Import" translates the checked phases; a failure is shown and the dialog
// stays open with the choices made.
class TfmImportTdb : public QDialog {
  Q_OBJECT

 public:
  TfmImportTdb(const TdbDatabase& db, UserDialogs& dialogs, QWidget* parent = nullptr);

  QComboBox& elementA() { return *m_elementA; }
  QComboBox& elementB() { return *m_elementB; }
  QTreeWidget& phases() { return *m_phases; }
  QLineEdit& problemName() { return *m_problemName; }

  // What "Import" made, and the name the problem gets; nothing before.
  const std::optional<TdbImport>& imported() const { return m_imported; }
  std::string chosenName() const;

 public slots:
  void accept() override;

 private:
  void elementsChanged();

  const TdbDatabase& m_db;
  UserDialogs& m_dialogs;
  QComboBox* m_elementA = nullptr;
  QComboBox* m_elementB = nullptr;
  QTreeWidget* m_phases = nullptr;
  QLineEdit* m_problemName = nullptr;
  bool m_nameTyped = false;  // the user wrote a name: a change of elements keeps it
  std::optional<TdbImport> m_imported;
};
