#pragma once

#include <QApplication>

#include <functional>

// The application object: an exception that escapes an event handler is shown in the general
// error box, and the program goes on.
class VantleApplication : public QApplication {
  Q_OBJECT

 public:
  using ErrorBox = std::function<void(const QString& text)>;

  VantleApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The general error box: the message, an OK button. Tests put a recorder in its place.
  void showException(const QString& text);
  void setErrorBox(ErrorBox box) { m_errorBox = std::move(box); }

 private:
  ErrorBox m_errorBox;
};
