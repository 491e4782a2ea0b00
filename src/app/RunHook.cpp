#include "app/RunHook.h"

#include "app/QtUserDialogs.h"
#include "app/TfmAbout.h"
#include "app/TfmImportTdb.h"
#include "app/TfmMain.h"
#include "diagram/TfmDiagram2.h"
#include "diagram/TfmMDiagram.h"
#include "diagram/TfmSpecPoints.h"
#include "tdb/TdbReader.h"

#include <qcustomplot.h>
#include "workbench/Workbench.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

std::optional<RunHook> RunHook::parse(const QStringList& arguments) {
  RunHook hook;
  bool wanted = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == QLatin1String("--run-problem") && hasValue) {
      hook.problem = arguments[++i];
      wanted = true;
    } else if (argument == QLatin1String("--points") && hasValue) {
      hook.points = arguments[++i].toInt();
    } else if (argument == QLatin1String("--show-mosaic")) {
      hook.showMosaic = true;
    } else if (argument == QLatin1String("--exit-after-run")) {
      hook.exitAfterRun = true;
    } else if (argument == QLatin1String("--shot-main") && hasValue) {
      hook.mainShot = arguments[++i];
    } else if (argument == QLatin1String("--shot-about") && hasValue) {
      hook.aboutShot = arguments[++i];
    } else if (argument == QLatin1String("--shot-mosaic") && hasValue) {
      hook.mosaicShot = arguments[++i];
    } else if (argument == QLatin1String("--shot-diagram") && hasValue) {
      hook.diagramShot = arguments[++i];
    } else if (argument == QLatin1String("--shot-special") && hasValue) {
      hook.specialShot = arguments[++i];
    } else if (argument == QLatin1String("--shot-import") && i + 2 < arguments.size()) {
      hook.importShots.append({arguments[i + 1], arguments[i + 2]});
      i += 2;
    } else if (argument == QLatin1String("--label") && hasValue) {
      const QStringList xy = arguments[++i].split(QLatin1Char(','));
      if (xy.size() == 2) hook.labels.append(QPointF(xy[0].toDouble(), xy[1].toDouble()));
    }
  }
  if (!wanted) return std::nullopt;
  return hook;
}

namespace {

// Lets the windows paint what the run left before they are grabbed.
void settle() {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

}  // namespace

void RunHook::schedule(TfmMain& window) const {
  const RunHook hook = *this;
  QTimer::singleShot(500, &window, [&window, hook] {
    Workbench& bench = window.workbench();
    if (!bench.selectProblem(hook.problem.toStdString())) {
      std::fprintf(stderr, "vantle: no problem named %s\n", hook.problem.toLocal8Bit().constData());
      QCoreApplication::exit(2);
      return;
    }
    ProblemTable& table = bench.table();
    if (hook.points > 0) {
      table.edit();
      table.setInteger("XPoints", hook.points);
      table.setInteger("YPoints", hook.points);
      // Posted now: the post refreshes the check boxes bound to the record.
      if (!table.post()) return;
    }
    window.findChild<QCheckBox*>(QStringLiteral("chbShowMosaic"))->setChecked(hook.showMosaic);
    QElapsedTimer timer;
    timer.start();
    window.sbRunClick();
    const qint64 elapsed = timer.elapsed();
    std::fprintf(stderr, "vantle: run of %s took %lld ms\n", hook.problem.toLocal8Bit().constData(),
                 static_cast<long long>(elapsed));
    settle();
    if (!hook.mainShot.isEmpty()) window.grab().save(hook.mainShot);
    if (!hook.mosaicShot.isEmpty()) window.mosaicWindow().grab().save(hook.mosaicShot);
    if (!hook.labels.isEmpty() || !hook.diagramShot.isEmpty()) {
      TfmDiagram2& diagram = window.diagramWindow();
      // The window has its size and the chart its ranges before a point becomes a pixel.
      settle();
      for (const QPointF& at : hook.labels) {
        const QPoint pixel(qRound(diagram.chart1()->xAxis->coordToPixel(at.x())),
                           qRound(diagram.chart1()->yAxis->coordToPixel(at.y())));
        diagram.Chart1MouseUp(pixel, Qt::LeftButton);
      }
      settle();
      if (!hook.diagramShot.isEmpty()) diagram.grab().save(hook.diagramShot);
    }
    if (!hook.specialShot.isEmpty()) {
      window.sbSpecialPointsClick();
      settle();
      window.specPointsWindow().grab().save(hook.specialShot);
    }
    for (const auto& [tdb, shot] : hook.importShots) {
      const TdbDatabase db = readTdbFile(tdb.toStdString());
      QtUserDialogs dialogs(&window);
      TfmImportTdb import(db, dialogs, &window);
      import.show();
      settle();
      import.grab().save(shot);
    }
    if (!hook.aboutShot.isEmpty()) {
      TfmAbout about(&window);
      about.show();
      settle();
      about.grab().save(hook.aboutShot);
    }
    // Unticked only now, so that the pictures show the window as a user sees it.
    window.chbSave().setChecked(false);
    if (hook.exitAfterRun) window.close();
  });
}
