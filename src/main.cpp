#include <QApplication>

#include "app/module1.h"
#include "platform/instance.h"
#include "platform/translation.h"
#include "platform/paths.h"

int main(int argc, char** argv) {
  // Started without HOME: the toolkit takes the same home as the settings, never the root folder.
  platform::AdoptSystemHome();
  // A second start while the program runs ends at once, showing and touching nothing.
  if (!platform::TakeInstanceLock("fosku")) return 0;
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // the windows end the program themselves
  platform::LoadItalianQtTranslation();  // Qt's own buttons and dialogs speak Italian too
  platform::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  Module1::Main();
  return QApplication::exec();
}
