// The settings record: the sound switch and five font settings, read once at start-up from
// fosku.INI and written only when the pupil leaves through "Esci".
#pragma once

#include <array>
#include <cstdint>
#include <functional>
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
// Fills the record from FileIni; any failure (missing file, anything but a plain file, a file
// larger than any settings file, fewer than eleven fields, a size that is not a whole number of
// the signed 16-bit range) gives all defaults. A size of 0 or below gives that one font its
// default size; the rest stays as read.
void LeggiImpostazioni();
// Writes the eleven lines through a temporary file renamed over the old one (a symbolic link is
// written through only to a plain file of the user's own; a folder that takes no new file gets
// the file rewritten in place). A file the user cannot read, or has made read-only, is left as
// it is. Returns false when the file could not be written, or when the user has no folder of
// their own to keep it in; `motivo` then names the file and the reason, in Italian (for a
// settings folder that start-up could not make, why it could not).
bool SalvaImpostazioni(std::string* motivo = nullptr);
// Creates the outer and the program settings folder where missing, rewriting the read-me at
// each creation; a read-me left empty or cut short is written again. Failures are ignored:
// the program goes on with its defaults (why a folder could not be made is kept for the save).
void PreparaCartelle();
bool EsisteCartella(const std::string& path);
bool CreaCartella(const std::string& path);

// The eleven lines a save writes, in file order. A font name that the reader would not give
// back as it is (a comma, a leading double quote, blanks at either end) is written in double
// quotes, a quote inside doubled; any other name is written plain, as earlier versions did.
std::array<std::string, 11> RigheImpostazioni();

// The name a font is saved under when the file's code page cannot spell its own name: a name
// of the font database the code page can spell; "" when there is none. Start-up sets it;
// without one such a name is saved as the default font.
using FontNameFallback = std::function<std::string(const std::string& name)>;
void SetFontNameFallback(FontNameFallback fallback);

}  // namespace ModuloPerIni
