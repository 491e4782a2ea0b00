#include "app/TfmAbout.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr QSize kSize(360, 260);

QLabel* centredLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

TfmAbout::TfmAbout(QWidget* parent)
    : QDialog(parent), m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
  setObjectName(QStringLiteral("fmAbout"));
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(kSize);

  QLabel* title = centredLabel(QStringLiteral("Vantle"), this);
  QFont titleFont = title->font();
  titleFont.setPointSize(24);
  titleFont.setBold(true);
  title->setFont(titleFont);

  QLabel* subtitle = centredLabel(QStringLiteral("calculation of phase diagrams"), this);
  QLabel* credits = centredLabel(
      QStringLiteral("Written by the Vantle developers\nfor teaching and research in thermodynamics"),
      this);
  QLabel* year = centredLabel(QStringLiteral("2026"), this);

  m_link = centredLabel(QString::fromLatin1(kWebAddress), this);
  m_link->setObjectName(QStringLiteral("lblLink"));
  QFont linkFont = m_link->font();
  linkFont.setUnderline(true);
  m_link->setFont(linkFont);
  QPalette linkPalette = m_link->palette();
  linkPalette.setColor(QPalette::WindowText, Qt::blue);
  m_link->setPalette(linkPalette);
  m_link->setCursor(Qt::PointingHandCursor);
  m_link->installEventFilter(this);

  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("sbClose"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(subtitle);
  layout->addSpacing(8);
  layout->addWidget(credits);
  layout->addWidget(year);
  layout->addWidget(m_link);
  layout->addStretch(1);
  layout->addLayout(buttons);
}

void TfmAbout::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

void TfmAbout::keyPressEvent(QKeyEvent*) { accept(); }

void TfmAbout::mouseReleaseEvent(QMouseEvent*) { accept(); }

bool TfmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_link) return QDialog::eventFilter(watched, event);
  // Taking the press makes the link, not the background, receive the release.
  if (event->type() == QEvent::MouseButtonPress) return true;
  if (event->type() == QEvent::MouseButtonRelease) {
    m_openUrl(QUrl(QString::fromLatin1(kWebAddress)));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}
