// The window tests need a QApplication; they run without a display.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Also when the test list is read at build time, outside ctest.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
