// "Completa le tabelle": four conjugation tables of one verb, each under its tense's name, with
// the pronoun of every person already in its row; the pupil drags the forms, scattered below,
// onto the rows. A drop is right when the form is the text the row expects, so forms that read
// alike are interchangeable. The level menu chooses the tenses, the class menu the conjugation.
#pragma once

#include <QLabel>
#include <array>

#include "exercise_window/tabelle_trascinabili.h"

class Form10 : public TabelleTrascinabili {
  Q_OBJECT

 public:
  Form10();

  int Livello = 1;             // 1 to 5
  int ConiugazioneScelta = 3;  // 0 -are, 1 -ere, 2 -ire, 3 essere, 4 avere
  std::array<QLabel*, 4> Label2{};  // the tables' titles
  QMenu* mnuliv = nullptr;          // "Modi - &Tempi"
  std::vector<QAction*> mnulivello;  // items 1 to 5
  QMenu* mnuDec = nullptr;          // "Declinazioni"
  std::vector<QAction*> mnud;       // items 0 to 4
  std::array<int, 4> TempiTabelle{};  // the tenses of the item on show, table by table

  void mnulivello_Click(int Index);
  void mnud_Click(int Index);
  void GeneraEsercizio() override;

 protected:
  void CreaControlli() override;
  void StatoIniziale() override;
  void Form_Unloaded() override;
  // A row waits for a form while its tag holds the form it expects.
  bool CellaLibera(int Index) const override;
  bool FormaGiusta(int Index, int Trascinata) const override;
  void RiempiCella(int Index, int Trascinata) override;

 private:
  void ScegliTempi();
};
