#include "platform/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

bool LoadItalianQtTranslation() {
  static QTranslator* installed = nullptr;
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  if (installed != nullptr) return true;
  auto* t = new QTranslator(QCoreApplication::instance());
  if (!t->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete t;
    return false;
  }
  QCoreApplication::installTranslator(t);
  installed = t;
  return true;
}

}  // namespace platform
