#include "app/QtModalDialogs.h"

#include "diagram/TfmDiagram2Messages.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>

QColor colorFromBgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t bgrFromColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) |
         (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}

std::optional<std::string> QtModalDialogs::inputQuery(const std::string& caption,
                                                      const std::string& prompt,
                                                      const std::string& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(m_parent, QString::fromStdString(caption),
                                             QString::fromStdString(prompt), QLineEdit::Normal,
                                             QString::fromStdString(initial), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

std::optional<std::uint32_t> QtModalDialogs::chooseColor(std::uint32_t initial) {
  const QColor chosen = QColorDialog::getColor(colorFromBgr(initial), m_parent);
  if (!chosen.isValid()) return std::nullopt;
  return bgrFromColor(chosen);
}

std::optional<std::string> QtModalDialogs::savePictureName() {
  // Asked from the diagram window, which is not the main window's child.
  const QString name = QFileDialog::getSaveFileName(
      nullptr, QString::fromLatin1(diagrammsg::kSavePicture), QString(),
      QString::fromLatin1(diagrammsg::kPictureFilter));
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

int QtModalDialogs::exec(QDialog& dialog) { return dialog.exec(); }
