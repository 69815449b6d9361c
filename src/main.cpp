#include <QApplication>
#include <cstdlib>
#include <string>

#include "app/module1.h"
#include "platform/instance.h"
#include "platform/translation.h"
#include "platform/paths.h"

int main(int argc, char** argv) {
#ifndef _WIN32
  // Started without HOME: the toolkit (the documents folder of printed grids) takes the same
  // home as the settings, never the root folder.
  if (const char* home = std::getenv("HOME"); home == nullptr || *home == '\0') {
    if (const std::string own = platform::HomeFolder(); !own.empty()) setenv("HOME", own.c_str(), 1);
  }
#endif
  // A second start while the program runs ends at once, showing and touching nothing.
  if (!platform::TakeInstanceLock("fosku")) return 0;
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // the windows end the program themselves
  platform::LoadItalianQtTranslation();  // Qt's own buttons and dialogs speak Italian too
  platform::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  Module1::Main();
  return QApplication::exec();
}
