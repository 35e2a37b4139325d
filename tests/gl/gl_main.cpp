// GoogleTest main for the tests that draw with OpenGL: one application on a real (virtual)
// display, since the offscreen platform has no OpenGL. ctest runs it under xvfb-run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  QTemporaryDir settingsHome;
  qputenv("XDG_CONFIG_HOME", settingsHome.path().toUtf8());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
