#include "diagram/ColorButton.h"

#include <QColorDialog>
#include <QPixmap>

ColorButton::ColorButton(QWidget* parent) : QPushButton(parent) {
  setColour(Qt::black);
  connect(this, &QPushButton::clicked, this, &ColorButton::pick);
}

void ColorButton::setColour(const QColor& colour) {
  QPixmap swatch(28, 14);
  swatch.fill(colour);
  setIcon(QIcon(swatch));
  setIconSize(swatch.size());
  setText(colour.name(QColor::HexRgb));
  if (colour == m_colour) return;
  m_colour = colour;
  emit colourChanged(colour);
}

void ColorButton::pick() {
  const QColor chosen =
      QColorDialog::getColor(m_colour, this, tr("Colour"), QColorDialog::ShowAlphaChannel);
  if (chosen.isValid()) setColour(chosen);
}
