// "Tabelle mescolate": two conjugation tables whose twelve forms, pronouns included, lie mixed up
// on the window; the pupil drags each form onto its cell. One cell is filled as an example.
// Level 1: different tenses and classes; level 2: one tense, different classes; level 3: one
// class, different tenses.
#pragma once

#include <array>

#include "exercise_window/tabelle_trascinabili.h"

class Form8 : public TabelleTrascinabili {
  Q_OBJECT

 public:
  Form8();

  int Livello = 1;             // 1, 2 or 3
  int ConiugazioneScelta = 0;  // the class of the table built last
  QMenu* mnuliv = nullptr;
  std::vector<QAction*> mnulivello;  // items 1 to 3

  // What the item on show was built from, table by table: tense, class and, for a regular
  // class, the row of the class's list (-1 for essere and avere).
  std::array<int, 2> TempiTabelle{};
  std::array<int, 2> ClassiTabelle{};
  std::array<int, 2> RigheTabelle{};
  int CellaEsempio = -1;  // the cell filled in advance

  void mnulivello_Click(int Index);
  void GeneraEsercizio() override;

 protected:
  void CreaControlli() override;
  void StatoIniziale() override { Livello = 1; }
  void Form_Unloaded() override;
  // A cell is free while its caption is blank; form i belongs to cell i alone.
  bool CellaLibera(int Index) const override;
  bool FormaGiusta(int Index, int Trascinata) const override { return Index == Trascinata; }
  void RiempiCella(int Index, int Trascinata) override;

 private:
  // Builds table k (0 or 1): draws the verb of a regular class and puts the six forms, with
  // their pronouns, into forms 6k to 6k + 5. Returns the "io" form.
  QString CostruisciTabella(int k, int Tempo, int Coniugazione);
};
