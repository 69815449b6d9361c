#include "settings/moduloperini.h"

#include <charconv>
#include <vector>

#include "platform/paths.h"
#include "platform/textfile.h"

namespace ModuloPerIni {

Impostazioni_t Impostazioni;
std::string FileIni;

namespace {

constexpr std::array<std::int16_t, 6> kDimensioni = {0, 48, 36, 24, 20, 16};

// A size field: a decimal whole number (sign allowed) that is a usable point size.
bool LeggiDimensione(const std::string& field, std::int16_t& out) {
  int value = 0;
  const char* first = field.data();
  const char* last = field.data() + field.size();
  if (first != last && *first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last || first == last) return false;
  if (value < 1 || value > 32767) return false;
  out = static_cast<std::int16_t>(value);
  return true;
}

// A number line: one blank before (the minus sign takes its place) and one after.
std::string RigaNumero(std::int16_t n) {
  return (n < 0 ? std::to_string(n) : " " + std::to_string(n)) + " ";
}

std::string Percorso(const std::string& windowsPath) { return platform::WindowsPath(windowsPath); }

}  // namespace

void ImpostazioniPredefinite() {
  Impostazioni.SuoniAttivati = true;
  for (int i = 1; i <= 5; ++i) {
    Impostazioni.NomeFont[i] = "Arial";
    Impostazioni.DimensioneFont[i] = kDimensioni[i];
  }
}

void LeggiImpostazioni() {
  const std::string path = Percorso(FileIni.empty() ? kFileIni : FileIni);
  if (!platform::EsisteFile(path)) ImpostazioniPredefinite();
  const auto fields = platform::ReadFields(path);
  if (!fields || fields->size() < 11) {
    ImpostazioniPredefinite();
    return;
  }
  Impostazioni_t letto;
  letto.SuoniAttivati = !(*fields)[0].empty() && (*fields)[0][0] == 'T';
  for (int i = 1; i <= 5; ++i) {
    letto.NomeFont[i] = (*fields)[2 * i - 1];
    if (!LeggiDimensione((*fields)[2 * i], letto.DimensioneFont[i])) {
      ImpostazioniPredefinite();
      return;
    }
  }
  Impostazioni = letto;
}

std::array<std::string, 11> RigheImpostazioni() {
  std::array<std::string, 11> righe;
  righe[0] = Impostazioni.SuoniAttivati ? "True" : "False";
  for (int i = 1; i <= 5; ++i) {
    righe[2 * i - 1] = Impostazioni.NomeFont[i];
    righe[2 * i] = RigaNumero(Impostazioni.DimensioneFont[i]);
  }
  return righe;
}

bool SalvaImpostazioni() {
  const auto righe = RigheImpostazioni();
  const std::string path = Percorso(FileIni.empty() ? kFileIni : FileIni);
  return platform::WriteLinesAtomically(path, std::vector<std::string>(righe.begin(), righe.end()));
}

bool EsisteCartella(const std::string& path) {
  if (path.empty()) return false;
  return platform::FolderExists(Percorso(path));
}

bool CreaCartella(const std::string& path) {
  if (!platform::CreateFolder(Percorso(path))) return false;
  return platform::WriteLines(
      Percorso(kLeggimi),
      {"Questa cartella contiene i files di impostazione dei programmi presenti nel sito "
       "fosku.example.org.",
       " ",
       "Se qualche programma presenta problemi di funzionamento può essere utile cancellare il file "
       "*.ini relativo al programma in quata cartella.",
       " ", "Non cancellare questo file."});
}

void PreparaCartelle() {
  if (!EsisteCartella(kCartellaEsterna)) CreaCartella(kCartellaEsterna);
  if (!EsisteCartella(kCartellaFosku)) CreaCartella(kCartellaFosku);
}

}  // namespace ModuloPerIni
