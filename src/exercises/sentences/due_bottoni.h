// The sentence exercises with two answer buttons: each window holds two lists read from two
// files; the list an item comes from is its class, and the button with that list's number is
// the right answer.
#pragma once

#include <string>
#include <vector>

#include "exercise_window/righe_dati.h"
#include "exercise_window/bottoni_risposta.h"

struct ConfigDueBottoni {
  std::string primoFile;    // list 0, e.g. "\\testiFosku\\6\\corrette.txt"
  std::string secondoFile;  // list 1
  QString didascalia0;      // Command1(0)
  QString didascalia1;      // Command1(1)
  QString titoloGriglia;    // grid column 1
  QString intestazione0;    // grid column 2
  QString intestazione1;    // grid column 3
};

class DueBottoni : public BottoniRisposta {
  Q_OBJECT

 public:
  static constexpr int kCapacita = 500;

  DueBottoni(Finestra finestra, ConfigDueBottoni config);

  // Rows 1 .. count hold the items in file order; row 0 stays empty.
  std::vector<std::string> PrimaLista;
  std::vector<std::string> SecondaLista;
  int NumeroPrimaLista = 0;
  int NumeroSecondaLista = 0;
  // The list the item on show was drawn from (0 or 1): the index of the right button.
  int ListaEstratta = 0;

  // Reads both files into the two lists, one item per field. An item found in both lists keeps
  // its rows, empty, in both.
  void LeggiFosku() override;

 protected:
  // How this window reads its files: by field here, whole lines in Form13.
  virtual Lettura ModoLettura() const { return Lettura::Campi; }
  // False for an item the window cannot show: it keeps its row, empty, and is never drawn.
  virtual bool ItemValido(const std::string&) const { return true; }
  std::optional<QString> Estrai() override;
  // A list with nothing to draw: the window goes on with the other (or, with neither, says so).
  void SegnalaScelteMancanti() override;

 private:
  void Riempi(const std::string& file, std::vector<std::string>& lista, int& numero) const;
  // True when list 0 or 1 holds an item that can be shown.
  bool ListaUsabile(int lista) const;
  ConfigDueBottoni due_;
};
