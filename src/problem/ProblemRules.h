#pragma once

#include <functional>
#include <string>

class ProblemTable;
class ProblemView;
class UserDialogs;

// The main window's rules for the current problem: defaults of a new record, validation before a
// post, the Z label and the Y parameter rule, the Zvalue display formats, the refresh on a change
// of record, the database-modified flag and the normalisation after opening. Attaches itself to
// the table's events.
class ProblemRules {
 public:
  ProblemRules(ProblemTable& table, ProblemView& view, UserDialogs& dialogs);
  ProblemRules(const ProblemRules&) = delete;
  ProblemRules& operator=(const ProblemRules&) = delete;

  // Table event handlers.
  void vtblProblemAfterOpen();
  void vtblProblemAfterScroll();
  void vtblProblemAfterInsert();
  bool vtblProblemBeforePost();
  void vtblProblemAfterPost();

  // The user chose another item in the Y parameter box (the field is already written).
  void yParameterChanged();
  // The Z value editor lost the focus.
  void zEditorExit();
  // Cuts Yparameter and Zparameter at their first comma in every record; false when a post was
  // refused (the record stays in edit state).
  bool normalise();

  // Called after every change of the current problem, once the rules have refreshed the view:
  // the owner's run follows the new problem from there.
  std::function<void()> afterScroll;

  const std::string& zLabel() const { return m_zLabel; }
  bool databaseModified() const { return m_modified; }
  void setDatabaseModified(bool modified) { m_modified = modified; }

 private:
  void setZLabel(const std::string& text);
  void applyYParameterRule();
  void showRecordZparameter();

  ProblemTable& m_table;
  ProblemView& m_view;
  UserDialogs& m_dialogs;
  std::string m_zLabel;
  bool m_modified = false;
};

// The Zvalue display patterns: the exponent form below 1e-5 in magnitude.
const char* zvalueFormatOnOpen(double zvalue);
const char* zvalueFormatOnScroll(double zvalue);
