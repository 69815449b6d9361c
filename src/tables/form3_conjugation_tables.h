// The conjugation-tables window: the pupil picks a verb kind (essere, avere or one of the three
// regular conjugations) and a tense, and the window shows that tense person by person, the root
// in blue and the ending in red; from its menu the full table of every tense of the verb on
// display is shown in a grid, printed and hidden again.
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <array>
#include <set>

#include "platform/flexgrid.h"
#include "platform/form.h"

class Form3 : public platform::Form {
  Q_OBJECT

 public:
  Form3();

  QFrame* Picture1 = nullptr;
  QFrame* Picture2 = nullptr;
  std::array<QGroupBox*, 6> Frame2{};
  std::array<QRadioButton*, 5> Option1{};
  std::array<QRadioButton*, 16> Option2{};
  QButtonGroup* GruppoTipi = nullptr;   // Option1: the verb kinds
  QButtonGroup* GruppoTempi = nullptr;  // Option2: the sixteen tenses, across the five frames
  QLabel* Label1 = nullptr;
  std::array<QLabel*, 6> Label2{};
  std::array<QLabel*, 6> LabelRadice{};
  std::array<QLabel*, 6> LabelDesinenza{};
  QLabel* LabelDimensionaFont = nullptr;
  platform::FlexGrid* Griglia = nullptr;

  QMenu* mnut = nullptr;
  QAction* mnuVis = nullptr;
  QAction* mnuSt = nullptr;
  QAction* mnuChiudi = nullptr;
  QAction* mnuEsci = nullptr;

  // The verb kind on display: 0 -are, 1 -ere, 2 -ire, 3 essere, 4 avere.
  int ConiugazioneScelta = 3;

  void Option1_Click(int Index);
  void Option2_Click(int Index);
  void mnuVis_Click();
  void mnuChiudi_Click();
  void mnuSt_Click();
  void mnuEsci_Click();

  // Shows the tense TempoScelto of the chosen kind; a regular kind draws a new verb first.
  void GeneraVerbo();
  void GeneraEssere();
  void GeneraAvere();
  void GeneraAre();
  void GeneraEre();
  void GeneraIre();
  // Fills Griglia with every tense of the verb on display.
  void ImpostaGriglia();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_Unloaded() override;

 private:
  // Draws a verb of a regular class and shows it; with no root to draw, says which list files
  // are missing or empty and shows the tense with empty rows.
  void GeneraRegolare(int Coniugazione);
  // Writes the caption and the six rows of the tense TempoScelto for the class.
  void MostraTempo(int Coniugazione);
  void MostraRigheVuote();
  // A root label takes the width of its text; its ending label stands right behind it.
  void DimensionaEtichetta(QLabel* l);
  void PosizionaDesinenza(int i);
  void Ridisponi();
  // Options, frames and rows take one size: the one at which the probe fills the first tense
  // option, and smaller where an option's caption would not fit its option at that size.
  void AdattaCaratteri();
  void ScriviCella(int riga, int colonna, const QString& testo, bool grassetto);

  // The regular class whose verb was drawn last by this window (-1: none), so that the full
  // table of a class whose draw failed never conjugates another class's row.
  int classeEstratta_ = -1;
  // The regular classes whose missing lists this showing has already told the pupil about.
  std::set<int> classiSegnalate_;
};
