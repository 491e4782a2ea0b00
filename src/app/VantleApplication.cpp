#include "app/VantleApplication.h"

#include <QMessageBox>

#include <exception>

VantleApplication::VantleApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VantleApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    showException(QString::fromStdString(e.what()));
  }
  return false;
}

void VantleApplication::showException(const QString& text) {
  if (m_errorBox) {
    m_errorBox(text);
    return;
  }
  QMessageBox::critical(activeWindow(), applicationDisplayName(), text, QMessageBox::Ok);
}
