#include "DiagramFixture.h"

#include "diagram/ChartDecor.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <qcustomplot.h>

namespace {

void send(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                    type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
  QCoreApplication::sendEvent(widget, &event);
}

// A diagram over a grid whose regions the tests know: X 0 .. 1 by 0.25, levels 1000 .. 400.
class TfmDiagram2MouseTest : public DiagramFixture {
 protected:
  void SetUp() override {
    DiagramFixture::SetUp();
    load("GL=-T*Sid", 400, 1000, 4, 3);
    fillGrid(grid, {"0", "0.25", "0.5", "0.75", "1"},
             {{"1000", "L L L L L"},
              {"800", "a E L E b"},
              {"600", "E E Cx E b"},
              {"400", "a E E E E"}});
    open().sbDiagramClick(results());
    plot = window->chart1();
    plot->xAxis->setRange(-0.1, 1.1);
    plot->yAxis->setRange(300, 1100);
    window->undoZoomButton().hide();
    plot->replot();
  }

  QPoint at(double x, double y) const {
    return QPoint(qRound(plot->xAxis->coordToPixel(x)), qRound(plot->yAxis->coordToPixel(y)));
  }
  void click(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton) {
    send(plot, QEvent::MouseButtonPress, pos, button);
    send(plot, QEvent::MouseButtonRelease, pos, button);
  }
  QStringList labelTexts() const {
    QStringList texts;
    for (const QLabel* label : window->regionLabels()) texts << label->text();
    return texts;
  }

  RunResults results() { return resultsWithGrid(grid, analysis); }

  PhaseGrid grid;
  AnalysisResults analysis;
  QCustomPlot* plot = nullptr;
};

}  // namespace

TEST_F(TfmDiagram2MouseTest, LeftClickPlacesTheRegionNameAtTheMouse) {
  click(at(0.2, 900));
  click(at(0.5, 610));
  click(at(1.05, 900));  // right of the last X: nothing
  click(at(0.5, 900), Qt::RightButton);
  EXPECT_EQ(labelTexts(), (QStringList{QStringLiteral("a+L"), QStringLiteral("Cx")}));
  EXPECT_EQ(window->regionLabels().front()->pos(), at(0.2, 900));
}

TEST_F(TfmDiagram2MouseTest, RubberBandZoomsAndCtrlDragScrollsWithoutPlacingLabels) {
  struct Case {
    Qt::KeyboardModifiers modifiers;
    bool zooms;
  } cases[] = {{Qt::NoModifier, true}, {Qt::ControlModifier, false}};
  for (const Case& c : cases) {
    window->undoZoomButton().click();
    click(at(0.6, 700));
    const QCPRange before = plot->xAxis->range();
    const QPoint from = at(0.2, 900);
    send(plot, QEvent::MouseButtonPress, from, Qt::LeftButton, c.modifiers);
    send(plot, QEvent::MouseMove, from + QPoint(40, 30), Qt::LeftButton, c.modifiers);
    send(plot, QEvent::MouseButtonRelease, from + QPoint(80, 60), Qt::LeftButton, c.modifiers);
    if (c.zooms) {
      EXPECT_LT(plot->xAxis->range().size(), before.size() / 2);
    } else {
      EXPECT_DOUBLE_EQ(plot->xAxis->range().size(), before.size());
      EXPECT_LT(plot->xAxis->range().lower, before.lower);
    }
    EXPECT_TRUE(window->regionLabels().isEmpty());
    EXPECT_FALSE(window->undoZoomButton().isHidden());
  }
}

TEST_F(TfmDiagram2MouseTest, ZoomAndScrollClearLabelsAndOfferTheUndo) {
  const QCPRange home = plot->xAxis->range();
  click(at(0.2, 900));
  ASSERT_EQ(window->regionLabels().size(), 1);
  QWheelEvent wheel(QPointF(at(0.5, 700)), plot->mapToGlobal(QPointF(at(0.5, 700))), QPoint(),
                    QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(plot, &wheel);
  EXPECT_LT(plot->xAxis->range().size(), home.size());
  EXPECT_TRUE(window->regionLabels().isEmpty());
  EXPECT_FALSE(window->undoZoomButton().isHidden());

  click(at(0.2, 900));
  window->undoZoomButton().click();
  EXPECT_TRUE(window->regionLabels().isEmpty());
  EXPECT_TRUE(window->undoZoomButton().isHidden());
  // The button goes back to the ranges of the diagram command.
  window->sbDiagramClick(results());
  const QCPRange drawn = plot->xAxis->range();
  plot->xAxis->setRange(0.2, 0.4);
  window->undoZoomButton().click();
  EXPECT_DOUBLE_EQ(plot->xAxis->range().lower, drawn.lower);
  EXPECT_DOUBLE_EQ(plot->xAxis->range().upper, drawn.upper);
}

TEST_F(TfmDiagram2MouseTest, TheUndoEventAloneOnlyHidesTheButton) {
  plot->yAxis->setRange(500, 900);
  click(at(0.2, 800));
  ASSERT_FALSE(window->undoZoomButton().isHidden());
  window->Chart1UndoZoom();
  EXPECT_TRUE(window->undoZoomButton().isHidden());
  EXPECT_EQ(window->regionLabels().size(), 1);
}

TEST_F(TfmDiagram2MouseTest, ANewDiagramClearsTheLabels) {
  click(at(0.2, 900));
  window->sbDiagramClick(results());
  EXPECT_TRUE(window->regionLabels().isEmpty());
}

TEST_F(TfmDiagram2MouseTest, LabelsAreDraggedAndEdited) {
  click(at(0.2, 900));
  click(at(0.6, 700));
  QLabel* first = window->regionLabels().at(0);
  QLabel* second = window->regionLabels().at(1);
  // Dropped on the other label: its top-left plus the offset within it, the drop point.
  const QPoint drop = second->pos() + QPoint(3, 2);
  send(first, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton);
  send(first, QEvent::MouseButtonRelease, first->mapFrom(plot, drop), Qt::LeftButton);
  EXPECT_EQ(first->pos(), drop);
  EXPECT_EQ(window->regionLabels().size(), 2);

  modal.inputs = {std::string("alpha+liquid"), std::nullopt, std::string()};
  for (int i = 0; i < 3; ++i) {
    send(second, QEvent::MouseButtonPress, QPoint(2, 2), Qt::RightButton);
    send(second, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::RightButton);
  }
  ASSERT_EQ(modal.queries.size(), 3u);
  EXPECT_EQ(modal.queries[0].caption, "Edit text");
  EXPECT_EQ(modal.queries[0].prompt, "New text");
  EXPECT_EQ(modal.queries[0].initial, "Cx+b");
  EXPECT_EQ(modal.queries[1].initial, "alpha+liquid");  // the cancel changed nothing
  EXPECT_EQ(second->text(), QString());
}

TEST_F(TfmDiagram2MouseTest, ReadoutShowsBothNotationsAndHidesOutsideThePlot) {
  chartTitle(plot)->setText(QStringLiteral("T\nsecond line"));
  plot->xAxis->setRange(1, 2);
  plot->yAxis->setRange(0.012345, 0.012345 + 1e-12);
  plot->replot();
  const QRect area = plot->axisRect()->rect();
  window->Chart1MouseMove(QPoint(area.left(), area.center().y()));
  EXPECT_FALSE(window->readout().isHidden());
  EXPECT_EQ(window->readout().text(), QStringLiteral("X = 1.000           T = 1.2345E-002 "));
  window->Chart1MouseMove(QPoint(area.left() - 1, area.center().y()));
  EXPECT_TRUE(window->readout().isHidden());
  window->Chart1MouseMove(area.center());
  EXPECT_FALSE(window->readout().isHidden());
  window->FormActivate();
  EXPECT_EQ(window->readout().text(), QString());
}

TEST_F(TfmDiagram2MouseTest, CopyPutsSvgAndABitmapWithTheLabelsOnTheClipboard) {
  click(at(0.2, 900));
  window->sbCopyClick();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasFormat(QStringLiteral("image/svg+xml")));
  EXPECT_TRUE(data->hasFormat(QStringLiteral("image/png")));
  EXPECT_TRUE(data->hasImage());
  const QByteArray svg = data->data(QStringLiteral("image/svg+xml"));
  EXPECT_TRUE(svg.contains("a+L"));
  EXPECT_TRUE(svg.contains("Ordinary") || svg.contains("<circle") || svg.contains("<path"));
  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_EQ(image.width(), plot->width() - 1);
  EXPECT_EQ(image.height(), plot->height() - 1);
}

TEST_F(TfmDiagram2MouseTest, SavePictureWritesTheKindTheExtensionNames) {
  click(at(0.2, 900));
  struct Case {
    const char* name;
    QByteArray start;
  } cases[] = {{"d.svg", "<?xml"}, {"d.PNG", "\x89PNG"}, {"d.pdf", "%PDF"}};
  for (const Case& c : cases) {
    modal.pictureName = c.name;
    window->sbSavePictureClick();
    QFile file(QString::fromLatin1(c.name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith(c.start)) << c.name;
    if (c.start == "<?xml") {
      EXPECT_TRUE(bytes.contains("a+L"));
    }
  }
  EXPECT_TRUE(dialogs.calls.empty());

  EXPECT_FALSE(window->savePicture(QStringLiteral("d.bmp")));
  EXPECT_FALSE(window->savePicture(QStringLiteral("no-such-folder/d.svg")));
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].text, "A picture is saved as .svg, .png or .pdf, not as d.bmp");
  EXPECT_EQ(dialogs.calls[1].text.rfind("Cannot write no-such-folder/d.svg: ", 0), 0u)
      << dialogs.calls[1].text;
  EXPECT_FALSE(QFile::exists(QStringLiteral("d.bmp")));
}
