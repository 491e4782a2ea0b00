#pragma once

#include "base/UserDialogs.h"

class QWidget;

// The core's message boxes as QMessageBox: one OK button, or Yes and No for a confirmation.
class QtUserDialogs : public UserDialogs {
 public:
  explicit QtUserDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
  void setParent(QWidget* parent) { m_parent = parent; }

  void warning(const std::string& text) override;
  void error(const std::string& text) override;
  void message(const std::string& text) override;
  bool confirm(const std::string& text) override;

 private:
  QWidget* m_parent;
};
