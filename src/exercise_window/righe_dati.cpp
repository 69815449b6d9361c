#include "exercise_window/righe_dati.h"

#include "platform/paths.h"
#include "platform/textfile.h"

std::vector<std::string> LeggiRighe(const std::string& file, int capacita, Lettura lettura) {
  std::vector<std::string> righe(1);  // row 0 stays empty
  const std::string percorso = platform::ProgramPath(file);
  auto letti = lettura == Lettura::Righe ? platform::ReadLines(percorso) : platform::ReadFields(percorso);
  if (!letti) return righe;
  for (auto& r : *letti) {
    if (static_cast<int>(righe.size()) > capacita) break;
    righe.push_back(std::move(r));
  }
  return righe;
}

bool Vuota(const std::string& riga) { return riga.find_first_not_of(" \t") == std::string::npos; }

bool HaRighePiene(const std::vector<std::string>& righe) {
  for (size_t r = 1; r < righe.size(); ++r) {
    if (!Vuota(righe[r])) return true;
  }
  return false;
}
