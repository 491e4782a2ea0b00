#include "app/AppLocale.h"
#include "app/QtFileDialogs.h"
#include "app/QtModalDialogs.h"
#include "app/QtUserDialogs.h"
#include "app/RunHook.h"
#include "app/SettingsFile.h"
#include "app/TfmMain.h"
#include "app/VantleApplication.h"
#include "base/Version.h"

#include <QLocale>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

const char* const kUsage =
    "usage: vantle [--help | --version]\n"
    "\n"
    "Vantle computes phase diagrams of binary systems. It opens the working problem\n"
    "database named in its settings, Vantlesol.cfg (Problems.d when none is named)\n"
    "and asks for one when that file does not exist.\n";

// Answered before the application object exists, so they need no display.
bool handledInfoOption(int argc, char** argv, int& status) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("vantle %s\n", vantleVersion());
      status = 0;
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      status = 0;
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  int status = 0;
  if (handledInfoOption(argc, argv, status)) return status;

  VantleApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vantle"));
  QApplication::setOrganizationName(QStringLiteral("Vantle"));
  QApplication::setApplicationVersion(QString::fromLatin1(vantleVersion()));
  QApplication::setDesktopFileName(QStringLiteral("vantle"));
  applyLocaleSeparators(QLocale::system());

  try {
    QtUserDialogs dialogs;
    QtFileDialogs fileDialogs;
    QtModalDialogs modalDialogs;
    SettingsFile settingsFile(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    TfmMain window(dialogs, fileDialogs, modalDialogs, settingsFile);
    dialogs.setParent(&window);
    fileDialogs.setParent(&window);
    modalDialogs.setParent(&window);
    window.show();
    if (const auto hook = RunHook::parse(QCoreApplication::arguments())) hook->schedule(window);
    return QApplication::exec();
  } catch (const std::exception& e) {
    app.showException(QString::fromStdString(e.what()));
    return 1;
  }
}
