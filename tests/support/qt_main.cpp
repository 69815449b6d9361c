// The main of every window test: one QApplication for the whole test program.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/paths.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // No test reaches the machine's print service: a test that prints through one starts its own.
  qputenv("CUPS_SERVER", "/nonexistent/fosku-test/cups.sock");
  QApplication app(argc, argv);
  platform::SetProgramFolder(FOSKU_RUNTIME_DIR);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
