// wintalmo: the desktop program for drilled-shaft design.
#include <QApplication>

#include "MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Talmo 2017");
  talmo::TMainForm window;
  window.show();
  window.Startup(QApplication::arguments().mid(1));
  return app.exec();
}
