// "Coniugazione (fosku all'infinito)": an infinitive from the lists of "\testiFosku\1\"; the
// pupil tells its conjugation.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "exercise_window/bottoni_risposta.h"
#include "exercises/verbs/radici_infinito.h"

class Form1 : public BottoniRisposta {
  Q_OBJECT

 public:
  Form1();
  // Rows 1 .. count of each class (row 0 empty): 0 -are, 1 -ere, 2 -ire.
  ListeInfinito::Liste RadiciInfinito;
  std::array<std::string, 3> DesinenzeInfinito = ListeInfinito::kDesinenze;

  void LeggiFosku() override;

 protected:
  std::optional<QString> Estrai() override;
  void SegnalaScelteMancanti() override;
};
