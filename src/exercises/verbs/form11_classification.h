// "Catalogare i fosku": a conjugated form with its subject pronoun, which the pupil classifies
// completely in five steps taken in order: the infinitive (typed), the conjugation, the person,
// the mood and the tense. A right step locks its panel in blue and opens the next one in light
// cyan; a wrong answer is counted and written in the results grid, and the step is answered
// again. The "Modi - Tempi" menu limits the tenses drawn, the "Declinazioni" menu the class.
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <array>

#include "exercise_window/exercisewindow.h"

class Form11 : public ExerciseWindow {
  Q_OBJECT

 public:
  Form11();

  // The item and the menus' choices.
  int Livello = 7;             // 1 .. 7, the "Modi - Tempi" item
  int FiltroConiugazione = 5;  // a class 0 .. 4, or 5 for any class
  int TempoEstratto = 0;       // 0 .. 13
  int ConiugazioneScelta = 0;  // 0 -are, 1 -ere, 2 -ire, 3 essere, 4 avere
  int PersonaEstratta = 0;     // 0 .. 5
  QString InfinitoAtteso;
  // The class the class step expects: that of the verb the pupil named at the infinitive step
  // (stare, 1°, for a compound form of essere named as stare's).
  int ClasseAttesa = 0;

  QLabel* Label2 = nullptr;  // "Voce del verbo"
  QLabel* Label1 = nullptr;  // the form to classify
  QLabel* LabelInfinito = nullptr;
  QLineEdit* Text1 = nullptr;
  QFrame* Picture2 = nullptr;  // class panel
  std::array<QRadioButton*, 5> Option2{};
  QFrame* Picture1 = nullptr;  // person panel
  std::array<QRadioButton*, 6> Option1{};
  QLabel* Label6 = nullptr;    // the person, once answered right
  QFrame* Picture3 = nullptr;  // mood panel
  std::array<QRadioButton*, 3> Option3{};
  std::array<QFrame*, 3> Picture4{};  // one tense panel per mood
  std::array<QRadioButton*, 14> Option4{};
  QButtonGroup* Gruppo2 = nullptr;
  QButtonGroup* Gruppo1 = nullptr;
  QButtonGroup* Gruppo3 = nullptr;
  QButtonGroup* Gruppo4 = nullptr;

  QMenu* mnuliv = nullptr;
  std::vector<QAction*> mnulivello;  // items 1 .. 7
  QMenu* mnuDec = nullptr;
  std::vector<QAction*> mnud;        // items 0 .. 5

  void GeneraEsercizio() override;
  void ImpostaGriglia();
  void LeggiFosku();

  // Key released in the infinitive box: Enter (13) judges the infinitive.
  void Text1_KeyUp(int KeyCode, int Shift);
  void Option2_Click(int Index);  // class
  void Option1_Click(int Index);  // person
  void Option3_Click(int Index);  // mood
  void Option4_Click(int Index);  // tense
  void mnulivello_Click(int Index);
  void mnud_Click(int Index);

  // The mood of a tense: 0 indicativo (0 .. 7), 1 congiuntivo (8 .. 11), 2 condizionale.
  static int ModoDelTempo(int Tempo);

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unloaded() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The infinitive's box, or the first option of the step that is open.
  QWidget* DoveSiRisponde() const override;

 private:
  // A tense of the chosen level.
  int EstraiTempo() const;
  // Every panel locked in blue and the tense panels put away: the item starts at the infinitive.
  void ChiudiPassi();
  // Adds to the item's cell in a column of the grid.
  void Appendi(int colonna, const QString& testo);
  void Sbagliata(int colonna, const QString& scritta);
  void Giusta();

};
