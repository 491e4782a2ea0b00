#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;

// The About window: title, subtitle, credits, a year and the authors' web page. It closes on
// "&Close", on any key and on a mouse button released over its background.
class TfmAbout : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kWebAddress = "https://vantle.org";

  explicit TfmAbout(QWidget* parent = nullptr);

  // What a click on the link does; the default opens the address in the web browser.
  void setOpenUrl(std::function<void(const QUrl&)> open) { m_openUrl = std::move(open); }
  QLabel& link() { return *m_link; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* m_link = nullptr;
  std::function<void(const QUrl&)> m_openUrl;
};
