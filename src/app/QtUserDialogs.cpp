#include "app/QtUserDialogs.h"

#include <QMessageBox>

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void QtUserDialogs::warning(const std::string& text) {
  QMessageBox::warning(m_parent, QStringLiteral("Warning"), qt(text), QMessageBox::Ok);
}

void QtUserDialogs::error(const std::string& text) {
  QMessageBox::critical(m_parent, QStringLiteral("Error"), qt(text), QMessageBox::Ok);
}

void QtUserDialogs::message(const std::string& text) {
  QMessageBox::information(m_parent, QStringLiteral("Information"), qt(text), QMessageBox::Ok);
}

bool QtUserDialogs::confirm(const std::string& text) {
  return QMessageBox::question(m_parent, QStringLiteral("Confirm"), qt(text),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}
