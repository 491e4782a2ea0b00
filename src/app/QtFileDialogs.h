#pragma once

#include "app/FileDialogs.h"

class QWidget;

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
  void setParent(QWidget* parent) { m_parent = parent; }

  std::optional<std::string> openDatabase() override;
  std::optional<std::string> openThermodynamicDatabase() override;

 private:
  QWidget* m_parent;
};
