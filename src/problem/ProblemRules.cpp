#include "problem/ProblemRules.h"

#include "base/AsciiCase.h"
#include "base/UserDialogs.h"
#include "problem/ProblemFields.h"
#include "problem/ProblemMessages.h"
#include "problem/ProblemTable.h"
#include "problem/ProblemView.h"

#include <cmath>

namespace msg = problem_messages;

namespace {

const char* const kName = fieldName(ProblemField::ProblemName);
const char* const kZvalue = fieldName(ProblemField::Zvalue);
const char* const kYPoints = fieldName(ProblemField::YPoints);
const char* const kXPoints = fieldName(ProblemField::XPoints);
const char* const kShowChart = fieldName(ProblemField::ShowChart);
const char* const kYparameter = fieldName(ProblemField::Yparameter);
const char* const kZparameter = fieldName(ProblemField::Zparameter);


}  // namespace

const char* zvalueFormatOnOpen(double zvalue) {
  return std::fabs(zvalue) < 1e-5 ? "0.####e-0" : "0.######";
}

const char* zvalueFormatOnScroll(double zvalue) {
  return std::fabs(zvalue) < 1e-5 ? "0.####e-00" : "0.######";
}

ProblemRules::ProblemRules(ProblemTable& table, ProblemView& view, UserDialogs& dialogs)
    : m_table(table), m_view(view), m_dialogs(dialogs) {
  auto& events = m_table.events();
  events.afterOpen = [this] { vtblProblemAfterOpen(); };
  events.afterScroll = [this] { vtblProblemAfterScroll(); };
  events.afterInsert = [this] { vtblProblemAfterInsert(); };
  events.beforePost = [this] { return vtblProblemBeforePost(); };
  events.afterPost = [this] { vtblProblemAfterPost(); };
  events.afterDelete = [this] { vtblProblemAfterPost(); };
  events.afterCancel = [this] { showRecordZparameter(); };
  events.afterFieldChange = [this](const std::string& field) {
    if (equalsIgnoringCase(field, kZparameter)) showRecordZparameter();
  };
}

void ProblemRules::setZLabel(const std::string& text) {
  m_zLabel = text;
  m_view.setZLabel(text);
}

void ProblemRules::showRecordZparameter() { setZLabel(m_table.asString(kZparameter)); }

void ProblemRules::vtblProblemAfterOpen() {
  showRecordZparameter();
  m_view.setZvalueFormat(zvalueFormatOnOpen(m_table.asFloat(kZvalue)));
}

void ProblemRules::zEditorExit() {
  if (m_table.active()) m_view.setZvalueFormat(zvalueFormatOnOpen(m_table.asFloat(kZvalue)));
}

void ProblemRules::vtblProblemAfterScroll() {
  showRecordZparameter();
  m_view.setStatusText(std::string());
  m_view.setChartVisible(m_table.asBoolean(kShowChart));
  m_view.setZvalueFormat(zvalueFormatOnScroll(m_table.asFloat(kZvalue)));
  applyYParameterRule();
  if (afterScroll) afterScroll();
}

void ProblemRules::vtblProblemAfterInsert() {
  m_table.setInteger(kYPoints, 100);
  m_table.setInteger(kXPoints, 100);
  m_table.setBoolean(kShowChart, true);
}

void ProblemRules::yParameterChanged() { applyYParameterRule(); }

void ProblemRules::applyYParameterRule() {
  m_view.setZEditorVisible(true);
  switch (yParameterItem(m_table.asString(kYparameter))) {
    case 0:
      setZLabel(kZForTemperature);
      break;
    case 1:
      setZLabel(kZForPressure);
      break;
    case 2:
      setZLabel(kZForFree);
      m_view.setZEditorVisible(false);
      break;
    default:
      break;
  }
}

bool ProblemRules::vtblProblemBeforePost() {
  if (m_table.isNull(kName)) {
    m_dialogs.warning(msg::kNameRequired);
    return false;
  }
  if (m_table.isNull(kYparameter)) {
    m_dialogs.warning(msg::kYParameterRequired);
    return false;
  }
  if (m_table.isNull(kZvalue)) {
    m_dialogs.warning(m_zLabel + msg::kMustBeAssigned);
    return false;
  }
  if (!(m_table.asFloat(kZvalue) > 0)) {
    m_dialogs.warning(m_zLabel + msg::kMustBePositive);
    return false;
  }
  m_table.setString(kZparameter, m_zLabel);
  return true;
}

void ProblemRules::vtblProblemAfterPost() { m_modified = true; }

bool ProblemRules::normalise() {
  m_table.first();
  while (!m_table.eof()) {
    for (const char* field : {kYparameter, kZparameter}) {
      const std::string text = m_table.asString(field);
      const auto comma = text.find(',');
      if (comma == std::string::npos) continue;
      m_table.edit();
      m_table.setString(field, text.substr(0, comma));
    }
    if (m_table.editing() && !m_table.post()) return false;
    m_table.next();
  }
  m_table.first();
  return true;
}
