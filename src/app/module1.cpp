#include "app/module1.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include "app/formavvio.h"
#include "app/finestre.h"
#include "conjugation/modulo_fosku.h"
#include "platform/random.h"
#include "platform/textfile.h"
#include "settings/moduloperini.h"

namespace Module1 {

std::string WritableFontName(const std::string& name) {
  auto fits = [](const QString& family) { return !family.isEmpty() && platform::FitsCp1252(family.toStdString()); };
  const QString shown = QFontInfo(QFont(QString::fromStdString(name))).family();
  if (fits(shown)) return shown.toStdString();
  for (const QString& family : QFontDatabase::families()) {
    if (fits(family) && QFontInfo(QFont(family)).family() == shown) return family.toStdString();
  }
  const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  return fits(general) ? general.toStdString() : std::string();
}

void Main() {
  ModuloPerIni::FileIni = ModuloPerIni::kFileIni;
  ModuloPerIni::SetFontNameFallback(WritableFontName);
  ModuloPerIni::PreparaCartelle();
  ModuloPerIni::LeggiImpostazioni();
  ModuloFosku::RiempiTabelle();
  RegistraFinestre();
  platform::SeedRandomFromClock();
  platform::Instance<FormAvvio>().Show();
}

}  // namespace Module1
