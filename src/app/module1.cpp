#include "app/module1.h"

#include "app/formavvio.h"
#include "app/finestre.h"
#include "conjugation/modulo_fosku.h"
#include "platform/random.h"
#include "settings/moduloperini.h"

namespace Module1 {

void Main() {
  ModuloPerIni::FileIni = ModuloPerIni::kFileIni;
  ModuloPerIni::PreparaCartelle();
  ModuloPerIni::LeggiImpostazioni();
  ModuloFosku::RiempiTabelle();
  RegistraFinestre();
  platform::SeedRandomFromClock();
  platform::Instance<FormAvvio>().Show();
}

}  // namespace Module1
