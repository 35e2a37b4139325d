// wintalmo: the desktop program for drilled-shaft design.
#include <QApplication>

#include "ActionIcons.h"
#include "MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Talmo 2017");
  // The desktop matches the windows with the installed entry talmo.desktop and its icon.
  QApplication::setDesktopFileName("talmo");
  QApplication::setWindowIcon(talmo::ApplicationIcon());
  talmo::TMainForm window;
  window.show();
  window.Startup(QApplication::arguments().mid(1));
  return app.exec();
}
