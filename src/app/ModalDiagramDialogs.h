#pragma once

#include "app/ModalDialogs.h"
#include "diagram/TfmDiagram2Dialogs.h"
#include "diagram/TfmDiagram2Messages.h"

#include <QFileDialog>
#include <QString>

// The diagram window's dialogs are the main window's: one place answers them all.
class ModalDiagramDialogs : public DiagramDialogs {
 public:
  explicit ModalDiagramDialogs(ModalDialogs& dialogs) : m_dialogs(dialogs) {}
  std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override {
    return m_dialogs.inputQuery(caption, prompt, initial);
  }
  int exec(QDialog& dialog) override { return m_dialogs.exec(dialog); }
  std::optional<std::string> savePictureName() override {
    const QString name = QFileDialog::getSaveFileName(
        nullptr, QString::fromLatin1(diagrammsg::kSavePicture), QString(),
        QString::fromLatin1(diagrammsg::kPictureFilter));
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
  }

 private:
  ModalDialogs& m_dialogs;
};
