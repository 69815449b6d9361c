// "Radice e desinenza (fosku all'infinito)": an infinitive from the lists of "\testiFosku\1\";
// the pupil types its root, then its ending.
#pragma once

#include <array>
#include <string>

#include "exercise_window/rispostascritta.h"
#include "exercises/verbs/radici_infinito.h"

class Form2 : public RispostaScritta {
  Q_OBJECT

 public:
  Form2();
  // Rows 1 .. count of each class (row 0 empty): 0 -are, 1 -ere, 2 -ire.
  ListeInfinito::Liste RadiciInfinito;
  std::array<std::string, 3> DesinenzeInfinito = ListeInfinito::kDesinenze;
  int ConiugazioneScelta = 0;
  int RigaEstratta = 0;

  void LeggiFosku() override;

 protected:
  std::optional<QString> Estrai() override;
  QString Attesa(int Index) const override;
};
