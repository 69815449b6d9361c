// The template of the exercises with a row of answer buttons (three for the verb exercises,
// two for most sentence exercises, five in "Scegli il verbo adatto"): an item in a framed label,
// the buttons, the next-item button, and a results grid (number, item, one column per choice or
// one answer column, errors).
#pragma once

#include <QFrame>
#include <QLabel>
#include <array>
#include <optional>
#include <vector>

#include "exercise_window/exercisewindow.h"

// Where the template's controls stand in the window's design, in twips.
struct DisposizioneBottoni {
  double larghezza = 10800;  // design inner area
  double altezza = 7200;
  QRectF picture{360, 240, 10080, 2880};
  std::vector<QRectF> bottoni{{360, 3600, 3120, 1560}, {3840, 3600, 3120, 1560}, {7320, 3600, 3120, 1560}};
  QRectF avanti{4440, 5640, 1920, 1080};
  bool avantiAzzurro = false;  // the next-item button painted pale cyan like the answer buttons
  int larghezzaErrori = 3;     // width of the errors column, in 36ths of the window's width
  bool erroriCentrato = true;  // the errors column's header centred like the choices' headers
};

struct ConfigBottoniRisposta {
  std::vector<QString> didascalie;  // the buttons' design captions, index 0 at the left
  bool didascaliaConiugazione = false;  // activation captions the buttons "1°", "2°", "3°" over "coniugazione"
  QString titoloGriglia;                // column 1 header
  std::vector<QString> intestazioni;    // one header per choice, from column 2 on
  DisposizioneBottoni disposizione{};
  // The grid has one answer column, which a right answer fills with the button's caption,
  // instead of one "*" column per choice.
  bool unaColonnaRisposta = false;
  // The buttons take this font group's name and size (0: fitted to the probe text); where a
  // caption is wider than its button, all of them the largest smaller size at which every
  // caption fits.
  int gruppoFontBottoni = 0;
};

class BottoniRisposta : public ExerciseWindow {
  Q_OBJECT

 public:
  BottoniRisposta(Finestra finestra, ConfigBottoniRisposta config);

  QFrame* Picture1 = nullptr;
  QLabel* Label2 = nullptr;
  std::vector<QPushButton*> Command1;
  QLabel* LabelDimensionaFont = nullptr;
  int RispostaGiusta = 0;

  int NumeroBottoni() const { return static_cast<int>(bottoni_.didascalie.size()); }
  void Command1_Click(int Index);
  void ImpostaGriglia();
  void GeneraEsercizio() override;
  // Fills the window's lists (its own files or the regular-verb lists).
  virtual void LeggiFosku() = 0;
  // The grid column that counts the wrong answers (after the answer columns).
  int ColonnaErrori() const { return bottoni_.unaColonnaRisposta ? 3 : NumeroBottoni() + 2; }

 protected:
  // The window's own draw: sets RispostaGiusta and returns the item's text, or nothing when
  // no item can be drawn (SegnalaFileMancanti has then told the pupil).
  virtual std::optional<QString> Estrai() = 0;

  // The item's label(s) in Picture1, in the group's font (load step).
  virtual void CreaEtichette();
  // Before the draw: the item label visible and empty.
  virtual void SvuotaEtichette();
  // Shows the drawn item and returns the text of its grid row.
  virtual QString MostraItem(const QString& testo);
  // Called once after the first item a showing draws: tells the pupil about a choice whose
  // list has nothing to draw while the others have (that button could never be right).
  virtual void SegnalaScelteMancanti() {}
  // The message of SegnalaScelteMancanti for the list files of the choices left out, when at
  // least one choice remains.
  void SegnalaScelteSenzaLista(const std::vector<std::string>& files, bool altreUsabili, const QString& apertura);

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unloaded() override;
  QWidget* EtichettaFont() override { return Label2; }
  QWidget* DoveSiRisponde() const override;
  void DopoFont() override;
  void Ridisponi() override;
  // The answer buttons take the size at which the probe text fills the first one.
  void AdattaBottoni();
  // With a group's font on the buttons: one size for all of them, the largest up to the
  // group's at which every caption lies inside its button.
  void AdattaDidascalie();

 private:
  void CentraEtichetta();
  ConfigBottoniRisposta bottoni_;
  bool scelteSegnalate_ = false;  // SegnalaScelteMancanti ran since the window was loaded
};

