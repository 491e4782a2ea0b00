#include "diagram/TfmDiagram2.h"

#include "analysis/RegionLabel.h"
#include "diagram/ModalDialogs.h"
#include "diagram/TfmDiagram2Messages.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace {

const QString kLabelName = QStringLiteral("regionLabel");

QFont labelFont() {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(14);
  return font;
}

}  // namespace

QList<QLabel*> TfmDiagram2::regionLabels() const {
  return m_chart->findChildren<QLabel*>(kLabelName, Qt::FindDirectChildrenOnly);
}

void TfmDiagram2::ClearLabels() {
  m_dragged = nullptr;
  qDeleteAll(regionLabels());
}

void TfmDiagram2::Chart1MouseUp(const QPoint& pos, Qt::MouseButton button) {
  if (button != Qt::LeftButton || !m_grid) return;
  const double xm = m_chart->xAxis->pixelToCoord(pos.x());
  const double ym = m_chart->yAxis->pixelToCoord(pos.y());
  const std::optional<std::string> text = regionLabelText(*m_grid, xm, ym);
  if (text) addLabel(QString::fromStdString(*text), pos);
}

QLabel* TfmDiagram2::addLabel(const QString& text, const QPoint& topLeft) {
  auto* label = new QLabel(text, m_chart);
  label->setObjectName(kLabelName);
  label->setFont(labelFont());
  label->adjustSize();
  label->move(topLeft);
  label->setCursor(Qt::OpenHandCursor);
  label->installEventFilter(this);
  label->show();
  return label;
}

bool TfmDiagram2::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label && label->parent() == m_chart && label->objectName() == kLabelName)
    return labelEvent(label, event);
  return QWidget::eventFilter(watched, event);
}

bool TfmDiagram2::labelEvent(QLabel* label, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) {
        m_dragged = label;
        label->raise();
      } else if (mouse->button() == Qt::RightButton) {
        const std::optional<std::string> typed =
            m_modal.inputQuery(diagrammsg::kEditTextCaption, diagrammsg::kEditTextPrompt,
                               label->text().toStdString());
        if (typed) {
          label->setText(QString::fromStdString(*typed));
          label->adjustSize();
        }
      }
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (m_dragged == label) dropLabel(label, label->mapTo(m_chart, mouse->position().toPoint()));
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (m_dragged == label && mouse->button() == Qt::LeftButton) {
        dropLabel(label, label->mapTo(m_chart, mouse->position().toPoint()));
        m_dragged = nullptr;
      }
      return true;
    }
    case QEvent::MouseButtonDblClick:
      return true;
    default:
      return false;
  }
}

// Wherever the label is dropped, on another label or on the bare chart, its top-left goes to
// the drop point; it stays on the chart.
void TfmDiagram2::dropLabel(QLabel* label, const QPoint& chartPos) {
  const QPoint limited(std::clamp(chartPos.x(), 0, std::max(0, m_chart->width() - 1)),
                       std::clamp(chartPos.y(), 0, std::max(0, m_chart->height() - 1)));
  label->move(limited);
}
