#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

class TfmMain;

// A hidden option of the program for measurements and screenshots, not for users:
//   --run-problem NAME [--points N] [--show-mosaic] [--exit-after-run]
//   [--shot-main FILE] [--shot-mosaic FILE] [--shot-about FILE]
//   [--label X,Y]... [--shot-diagram FILE] [--shot-special FILE] [--shot-import TDB FILE]...
// selects the problem, optionally sets its X and Y points to N, runs it once the window is on
// screen, prints the run's wall time to stderr, clicks a region label at each (X, Y) of the
// diagram, saves pictures of the windows (--shot-import: the import dialog on a TDB file) and
// quits. The
// database and the settings are left as they were ("Save" is unticked before the window closes).
struct RunHook {
  QString problem;
  int points = 0;
  bool showMosaic = false;
  bool exitAfterRun = false;
  QString mainShot;
  QString mosaicShot;
  QString aboutShot;
  QString diagramShot;
  QString specialShot;
  QList<QPair<QString, QString>> importShots;  // TDB file, picture
  QList<QPointF> labels;

  static std::optional<RunHook> parse(const QStringList& arguments);
  void schedule(TfmMain& window) const;
};
