#pragma once

#include "diagram/ModalDialogs.h"

#include <QColor>

#include <cstdint>

class QWidget;

class QtModalDialogs : public ModalDialogs {
 public:
  explicit QtModalDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
  void setParent(QWidget* parent) { m_parent = parent; }

  std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
  std::optional<std::string> savePictureName() override;
  int exec(QDialog& dialog) override;

 private:
  QWidget* m_parent;
};

// Colours are kept as 0x00BBGGRR in the core and in files.
QColor colorFromBgr(std::uint32_t bgr);
std::uint32_t bgrFromColor(const QColor& color);
