#include "settings/moduloperini.h"

#include <charconv>
#include <filesystem>
#include <vector>

#include "platform/paths.h"
#include "platform/savefile.h"
#include "platform/textfile.h"

namespace ModuloPerIni {

Impostazioni_t Impostazioni;
std::string FileIni;

namespace {

constexpr std::array<std::int16_t, 6> kDimensioni = {0, 48, 36, 24, 20, 16};

// What a size field gives: a usable point size, a whole number of the signed 16-bit range that
// is no usable size (zero or below), or nothing a size can be read from.
enum class Dimensione { Usabile, Inusabile, Illeggibile };

Dimensione LeggiDimensione(const std::string& field, std::int16_t& out) {
  long long value = 0;
  const char* first = field.data();
  const char* last = field.data() + field.size();
  if (first != last && *first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last || first == last) return Dimensione::Illeggibile;
  if (value < -32768 || value > 32767) return Dimensione::Illeggibile;
  if (value < 1) return Dimensione::Inusabile;
  out = static_cast<std::int16_t>(value);
  return Dimensione::Usabile;
}

// A number line: one blank before (the minus sign takes its place) and one after.
std::string RigaNumero(std::int16_t n) {
  return (n < 0 ? std::to_string(n) : " " + std::to_string(n)) + " ";
}

std::string Percorso(const std::string& windowsPath) { return platform::WindowsPath(windowsPath); }

// Why a settings folder could not be made at start-up, when one could not: a save that then
// finds no folder says this, the true cause, rather than that the folder is missing.
std::string& CartellaNonCreata() {
  static std::string motivo;
  return motivo;
}

FontNameFallback& Fallback() {
  static FontNameFallback fallback;
  return fallback;
}

// A name the code page can spell: the name itself, or what the font database offers for it.
std::string NomeScrivibile(const std::string& nome) {
  if (platform::FitsCp1252(nome)) return nome;
  if (Fallback()) {
    std::string altro = Fallback()(nome);
    if (!altro.empty() && platform::FitsCp1252(altro)) return altro;
  }
  return "Arial";
}

bool Blank(char c) { return c == ' ' || c == '\t'; }

// A font name as a text line that the field reader gives back unchanged.
std::string RigaNome(const std::string& nomeFont) {
  const std::string nome = NomeScrivibile(nomeFont);
  const bool virgolette = !nome.empty() && (nome.front() == '"' || Blank(nome.front()) || Blank(nome.back()) ||
                                             nome.find_first_of(",\r\n") != std::string::npos);
  if (!virgolette) return nome;
  std::string riga = "\"";
  for (char c : nome) {
    riga += c;
    if (c == '"') riga += '"';
  }
  return riga + "\"";
}

const std::vector<std::string>& RigheLeggimi() {
  static const std::vector<std::string> righe = {
      "Questa cartella contiene i files di impostazione dei programmi presenti nel sito "
      "fosku.example.org.",
      " ",
      "Se qualche programma presenta problemi di funzionamento può essere utile cancellare il file "
      "*.ini relativo al programma in quata cartella.",
      " ", "Non cancellare questo file."};
  return righe;
}

// The read-me's size as written: each line in Windows-1252 and its CR LF.
std::uintmax_t LunghezzaLeggimi() {
  std::uintmax_t n = 0;
  for (const auto& r : RigheLeggimi()) n += platform::EncodeCp1252(r).size() + 2;
  return n;
}

bool ScriviLeggimi() {
  const std::string path = Percorso(kLeggimi);
  if (platform::WriteLinesAtomically(path, RigheLeggimi())) return true;
  // Nothing could be written (a full disk): an empty read-me stays behind, which the next
  // start writes again, while a read-me the user deleted is not brought back.
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) platform::WriteLines(path, {});
  return false;
}

}  // namespace

void SetFontNameFallback(FontNameFallback fallback) { Fallback() = std::move(fallback); }

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
  const auto bytes = platform::ReadFileBytes(path, platform::kSettingsFile.maxBytes);
  if (!bytes) {
    ImpostazioniPredefinite();
    return;
  }
  const auto fields = platform::SplitFields(platform::DecodeCp1252(*bytes), true);
  if (fields.size() < 11) {
    ImpostazioniPredefinite();
    return;
  }
  Impostazioni_t letto;
  letto.SuoniAttivati = !fields[0].empty() && fields[0][0] == 'T';
  for (int i = 1; i <= 5; ++i) {
    letto.NomeFont[i] = fields[2 * i - 1];
    switch (LeggiDimensione(fields[2 * i], letto.DimensioneFont[i])) {
      case Dimensione::Usabile: break;
      case Dimensione::Inusabile:
        // A size of 0 or below costs that one font its size, not the whole record.
        letto.DimensioneFont[i] = kDimensioni[static_cast<size_t>(i)];
        break;
      case Dimensione::Illeggibile: ImpostazioniPredefinite(); return;
    }
  }
  Impostazioni = letto;
}

std::array<std::string, 11> RigheImpostazioni() {
  std::array<std::string, 11> righe;
  righe[0] = Impostazioni.SuoniAttivati ? "True" : "False";
  for (int i = 1; i <= 5; ++i) {
    righe[2 * i - 1] = RigaNome(Impostazioni.NomeFont[i]);
    righe[2 * i] = RigaNumero(Impostazioni.DimensioneFont[i]);
  }
  return righe;
}

bool SalvaImpostazioni(std::string* motivo) {
  const auto righe = RigheImpostazioni();
  const std::string path = Percorso(FileIni.empty() ? kFileIni : FileIni);
  std::string perche;
  if (platform::WriteLinesAtomically(path, std::vector<std::string>(righe.begin(), righe.end()), &perche)) {
    return true;
  }
  if (!CartellaNonCreata().empty() && !path.empty() && !EsisteCartella(kCartellaFosku)) perche = CartellaNonCreata();
  if (motivo != nullptr) {
    const std::string file = path.empty() ? std::string("fosku.INI") : path;
    *motivo = "Non è stato possibile salvare le impostazioni nel file " + file + ": " + perche + ".";
  }
  return false;
}

bool EsisteCartella(const std::string& path) {
  if (path.empty()) return false;
  return platform::FolderExists(Percorso(path));
}

bool CreaCartella(const std::string& path) {
  const std::string cartella = Percorso(path);
  int errore = 0;
  if (!platform::CreateFolder(cartella, &errore)) {
    // The first failure is the cause: an inner folder cannot be made in an outer one that is not.
    if (CartellaNonCreata().empty() && !cartella.empty()) {
      std::string nome = cartella;
      while (nome.size() > 1 && nome.back() == '/') nome.pop_back();
      CartellaNonCreata() = "la cartella " + nome + " non si è potuta creare (" +
                            platform::WriteFailure(errore, nome) + ")";
    }
    return false;
  }
  return ScriviLeggimi();
}

void PreparaCartelle() {
  CartellaNonCreata().clear();
  if (!EsisteCartella(kCartellaEsterna)) CreaCartella(kCartellaEsterna);
  if (!EsisteCartella(kCartellaFosku)) CreaCartella(kCartellaFosku);
  // A read-me that an earlier start could not finish (empty, or cut short) is written again.
  std::error_code ec;
  const auto size = std::filesystem::file_size(Percorso(kLeggimi), ec);
  if (!ec && size < LunghezzaLeggimi()) ScriviLeggimi();
}

}  // namespace ModuloPerIni
