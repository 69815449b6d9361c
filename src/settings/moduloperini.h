// The settings record: the sound switch and five font settings, read once at start-up from
// fosku.INI and written only when the pupil leaves through "Esci".
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ModuloPerIni {

struct Impostazioni_t {
  bool SuoniAttivati = false;
  // Font settings 1 to 5 (index 0 is unused).
  std::array<std::string, 6> NomeFont{};
  std::array<std::int16_t, 6> DimensioneFont{};
};

extern Impostazioni_t Impostazioni;
// The settings file's path, as the program names it.
extern std::string FileIni;

constexpr const char* kFileIni = "C:\\ImpostazioniProgrammiOlmea\\Fosku\\fosku.INI";
constexpr const char* kCartellaEsterna = "C:\\ImpostazioniProgrammiOlmea\\";
constexpr const char* kCartellaFosku = "C:\\ImpostazioniProgrammiOlmea\\Fosku\\";
constexpr const char* kLeggimi = "C:\\ImpostazioniProgrammiOlmea\\leggimi.txt";

void ImpostazioniPredefinite();
// Fills the record from FileIni; any failure (missing file, fewer than eleven fields, a size
// that is not a whole number from 1 to 32,767) gives all defaults.
void LeggiImpostazioni();
// Writes the eleven lines through a temporary file renamed over the old one. Returns false
// when the file could not be written; the old file is then left whole.
bool SalvaImpostazioni();
// Creates the outer and the program settings folder where missing, rewriting the read-me at
// each creation. Failures are ignored: the program goes on with its defaults.
void PreparaCartelle();
bool EsisteCartella(const std::string& path);
bool CreaCartella(const std::string& path);

// The eleven lines a save writes, in file order.
std::array<std::string, 11> RigheImpostazioni();

}  // namespace ModuloPerIni
