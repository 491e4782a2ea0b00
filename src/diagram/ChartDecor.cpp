#include "diagram/ChartDecor.h"

#include <qcustomplot.h>

#include <iterator>

namespace {

constexpr const char* kTitleName = "vantle-title";
constexpr const char* kFootName = "vantle-foot";

QCPTextElement* findElement(QCustomPlot* plot, const char* name) {
  QCPLayoutGrid* layout = plot->plotLayout();
  for (int i = 0; i < layout->elementCount(); ++i)
    if (auto* text = qobject_cast<QCPTextElement*>(layout->elementAt(i)))
      if (text->objectName() == QLatin1String(name)) return text;
  return nullptr;
}

QCPTextElement* makeElement(QCustomPlot* plot, const char* name, bool top) {
  QCPLayoutGrid* layout = plot->plotLayout();
  if (top) {
    layout->insertRow(0);
  } else {
    layout->insertRow(layout->rowCount());
  }
  auto* text = new QCPTextElement(plot, QString());
  text->setObjectName(QLatin1String(name));
  text->setTextFlags(top ? (Qt::AlignLeft | Qt::AlignVCenter) : (Qt::AlignRight | Qt::AlignVCenter));
  layout->addElement(top ? 0 : layout->rowCount() - 1, 0, text);
  return text;
}

}  // namespace

QCPTextElement* chartTitle(QCustomPlot* plot) {
  if (auto* title = findElement(plot, kTitleName)) return title;
  return makeElement(plot, kTitleName, true);
}

QCPTextElement* chartFoot(QCustomPlot* plot) {
  if (auto* foot = findElement(plot, kFootName)) return foot;
  return makeElement(plot, kFootName, false);
}

QString titleFirstLine(QCustomPlot* plot) {
  const QString text = chartTitle(plot)->text();
  const qsizetype end = text.indexOf(QLatin1Char('\n'));
  return end < 0 ? text : text.left(end);
}

QColor defaultSeriesColour(int index) {
  static constexpr QRgb kPalette[] = {0xD62728, 0x2CA02C, 0x1F77B4, 0xFF7F0E, 0x9467BD,
                                      0x8C564B, 0xE377C2, 0x17BECF, 0x7F7F7F, 0xBCBD22};
  constexpr int count = static_cast<int>(std::size(kPalette));
  const int i = ((index % count) + count) % count;
  return QColor::fromRgb(kPalette[i]);
}
