#pragma once

#include <QColor>
#include <QPushButton>

// A button that shows a colour and lets the user pick another one.
class ColorButton : public QPushButton {
  Q_OBJECT

 public:
  explicit ColorButton(QWidget* parent = nullptr);

  QColor colour() const { return m_colour; }
  // Shows the colour; emits colourChanged when it differs from the one shown.
  void setColour(const QColor& colour);

 signals:
  void colourChanged(const QColor& colour);

 private:
  void pick();

  QColor m_colour = Qt::black;
};
