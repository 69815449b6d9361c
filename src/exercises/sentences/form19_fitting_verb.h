// "Scegli il verbo adatto": a sentence with a gap from "\testiFosku\9\fosku.txt" and five
// buttons, each with a verb; the pupil clicks the one that fits.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exercise_window/bottoni_risposta.h"

// A line of the file taken apart: the sentence with its gap, then "[", the right verb and four
// wrong ones separated by commas, and "]".
struct FraseConVerbi {
  QString frase;                 // the text before "[" with its first "#" shown as " _____ "
  QString giusto;                // the verb that fits, without the blanks around it
  std::array<QString, 4> errati;  // the four that do not, likewise
};
// Nothing when the line has no "[", no "#" before it, fewer than four commas after it, or no "]"
// at its end, when its right verb is blank, or when a wrong verb reads as the right one.
std::optional<FraseConVerbi> AnalizzaFraseConVerbi(const std::string& riga);

class Form19 : public BottoniRisposta {
  Q_OBJECT

 public:
  Form19();
  static constexpr int kCapacita = 1000;
  // The file's lines in rows 1 .. count; row 0 stays empty.
  std::vector<std::string> Frasi;
  int NumeroFrasi = 0;

  void LeggiFosku() override;

 protected:
  std::optional<QString> Estrai() override;
  // The window's font item does nothing.
  QWidget* EtichettaFont() override { return nullptr; }
};
