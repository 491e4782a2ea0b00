#include "app/AppMessages.h"
#include "app/TfmMain.h"
#include "base/Errors.h"
#include "base/NumberText.h"
#include "workbench/Workbench.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

#include <charconv>
#include <cstdint>
#include <limits>

namespace {

const char* const kFloatFormat = "0.######";

bool isFloatField(ProblemField field) {
  return field == ProblemField::Ymin || field == ProblemField::Ymax ||
         field == ProblemField::Zvalue;
}

// A number as the user types it: the locale's decimal separator, or a comma in its place.
double readTypedFloat(const std::string& text) {
  if (auto value = tryStrToFloat(text)) return *value;
  std::string withSeparator = text;
  const auto comma = withSeparator.find(',');
  if (comma != std::string::npos) {
    withSeparator[comma] = decimalSeparator();
    if (auto value = tryStrToFloat(withSeparator)) return *value;
  }
  return strToFloat(text);  // throws the conversion message of the text as typed
}

std::int32_t readTypedSmallInt(const std::string& text) {
  std::size_t begin = text.find_first_not_of(' ');
  std::size_t end = text.find_last_not_of(' ');
  if (begin == std::string::npos) throw EConvertError(appmsg::notAnInteger(text));
  if (text[begin] == '+') ++begin;
  int value = 0;
  const char* first = text.data() + begin;
  const char* last = text.data() + end + 1;
  const auto [ptr, error] = std::from_chars(first, last, value);
  if (error != std::errc() || ptr != last || value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max())
    throw EConvertError(appmsg::notAnInteger(text));
  return value;
}

// The editor's lines end in CR LF in the record, as the database file keeps them.
QString memoToEditor(const std::string& text) {
  QString result = QString::fromStdString(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

std::string editorToMemo(const QString& text) {
  QString result = text;
  result.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return result.toStdString();
}

}  // namespace

bool TfmMain::startEditing() {
  if (m_refreshing) return false;
  ProblemTable& table = m_workbench->table();
  if (!table.active()) return false;
  if (!table.editing()) {
    if (!guarded([&] { table.edit(); })) return false;
  }
  return table.editing();
}

void TfmMain::refreshEditors() {
  if (m_reloading) return;
  const QScopedValueRollback<bool> refreshing(m_refreshing, true);
  ProblemTable& table = m_workbench->table();
  const bool hasRecord = table.active() && (table.recordCount() > 0 || table.editing());
  for (FieldEditor& editor : m_fieldEditors) {
    editor.modified = false;
    editor.edit->setEnabled(table.active());
    showFieldEditor(editor, editor.edit->hasFocus());
  }
  m_functionsModified = false;
  m_memFunctions->setReadOnly(!table.active());
  const QString functions =
      hasRecord ? memoToEditor(table.asString(fieldName(ProblemField::Functs))) : QString();
  // Setting the same text again would throw away the cursor and the undo history.
  if (m_memFunctions->toPlainText() != functions) m_memFunctions->setPlainText(functions);
  m_dbcbY->setEnabled(table.active());
  m_dbcbY->setCurrentIndex(
      hasRecord ? yParameterItem(table.asString(fieldName(ProblemField::Yparameter))) : -1);
  m_chbShowMosaic->setEnabled(table.active());
  m_chbShowChart->setEnabled(table.active());
  m_chbShowMosaic->setChecked(hasRecord &&
                              table.asBoolean(fieldName(ProblemField::ShowMosaicDiagram)));
  if (hasRecord) m_chbShowChart->setChecked(table.asBoolean(fieldName(ProblemField::ShowChart)));
}

// Unfocused, a number shows its display format; while the user edits it, every digit it has.
void TfmMain::showFieldEditor(FieldEditor& editor, bool editing) {
  ProblemTable& table = m_workbench->table();
  const bool hasRecord = table.active() && (table.recordCount() > 0 || table.editing());
  QString shown;
  if (hasRecord) {
    const char* name = fieldName(editor.field);
    if (!isFloatField(editor.field)) {
      shown = QString::fromStdString(formatInt(table.asInteger(name)));
    } else {
      const double value = table.asFloat(name);
      const std::string pattern =
          editor.field == ProblemField::Zvalue ? m_zvalueFormat.toStdString() : kFloatFormat;
      shown = QString::fromStdString(editing ? formatGeneral(value) : formatFloat(pattern, value));
    }
  }
  if (editor.edit->text() != shown) editor.edit->setText(shown);
}

void TfmMain::writeFieldEditor(FieldEditor& editor) {
  if (!editor.modified) return;
  ProblemTable& table = m_workbench->table();
  const std::string text = editor.edit->text().toStdString();
  const char* name = fieldName(editor.field);
  try {
    if (isFloatField(editor.field)) table.setFloat(name, readTypedFloat(text));
    else table.setInteger(name, readTypedSmallInt(text));
  } catch (...) {
    // The field keeps its value, and so does the editor once the message has been seen.
    editor.modified = false;
    throw;
  }
  editor.modified = false;
}

void TfmMain::fieldEditorExit(FieldEditor& editor) {
  const QScopedValueRollback<bool> exiting(m_exiting, true);
  guarded([&] { writeFieldEditor(editor); });
  if (editor.field == ProblemField::Zvalue)
    guarded([&] { m_workbench->zEditorExit(); });
  showFieldEditor(editor, false);
}

bool TfmMain::fieldEditorEvent(FieldEditor& editor, QEvent* event) {
  if (event->type() == QEvent::FocusIn && !editor.modified) showFieldEditor(editor, true);
  if (event->type() == QEvent::FocusOut && !m_exiting) fieldEditorExit(editor);
  return false;
}

TfmMain::FieldEditor* TfmMain::fieldEditorOf(QObject* watched) {
  for (FieldEditor& editor : m_fieldEditors)
    if (editor.edit == watched) return &editor;
  return nullptr;
}

void TfmMain::writeFunctions() {
  if (!m_functionsModified) return;
  m_functionsModified = false;
  m_workbench->table().setString(fieldName(ProblemField::Functs),
                                 editorToMemo(m_memFunctions->toPlainText()));
}

void TfmMain::flushEditors() {
  if (!m_workbench->table().editing()) return;
  for (FieldEditor& editor : m_fieldEditors) writeFieldEditor(editor);
  writeFunctions();
}

void TfmMain::dbcbYChange(int item) {
  if (item < 0 || !startEditing()) return;
  guarded([&] {
    m_workbench->table().setString(fieldName(ProblemField::Yparameter),
                                   m_dbcbY->itemText(item).toStdString());
    m_workbench->yParameterChanged();
  });
}

void TfmMain::showFlagClicked(ProblemField field, bool checked) {
  if (!startEditing()) return;
  guarded([&] { m_workbench->table().setBoolean(fieldName(field), checked); });
}
