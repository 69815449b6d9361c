// "Coniugazione (fosku all'infinito)": an infinitive from the lists of "\testiFosku\1\"; the
// pupil tells its conjugation.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "exercise_window/trebottoni.h"

class Form1 : public TreBottoni {
  Q_OBJECT

 public:
  Form1();
  static constexpr int kCapacita = 1000;
  // Rows 1 .. count of each class (row 0 empty): 0 -are, 1 -ere, 2 -ire.
  std::array<std::vector<std::string>, 3> RadiciInfinito;
  std::array<std::string, 3> DesinenzeInfinito{"are", "ere", "ire"};

  void LeggiFosku() override;

 protected:
  std::optional<QString> Estrai() override;
};
