#pragma once

#include <QApplication>

// The application object: an exception that escapes an event handler is shown in the general
// error box, and the program goes on.
class VantleApplication : public QApplication {
  Q_OBJECT

 public:
  VantleApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The general error box: the message, an OK button.
  static void showException(const QString& text);
};
