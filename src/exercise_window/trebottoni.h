// The template of the exercises with three answer buttons: an item in a framed label, three
// buttons, the next-item button, and a six-column results grid (number, item, the three
// choices, errors).
#pragma once

#include <QFrame>
#include <QLabel>
#include <array>
#include <optional>

#include "exercise_window/exercisewindow.h"

struct ConfigTreBottoni {
  std::array<QString, 3> didascalie;  // the buttons' design captions
  bool didascaliaConiugazione = false;  // activation captions the buttons "1°", "2°", "3°" over "coniugazione"
  QString titoloGriglia;               // column 1 header
  std::array<QString, 3> intestazioni;  // columns 2 to 4 headers
};

class TreBottoni : public ExerciseWindow {
  Q_OBJECT

 public:
  TreBottoni(Finestra finestra, ConfigTreBottoni config);

  QFrame* Picture1 = nullptr;
  QLabel* Label2 = nullptr;
  std::array<QPushButton*, 3> Command1{};
  QLabel* LabelDimensionaFont = nullptr;
  int RispostaGiusta = 0;

  void Command1_Click(int Index);
  void ImpostaGriglia();
  void GeneraEsercizio() override;
  // Fills the window's lists (its own files or the regular-verb lists).
  virtual void LeggiFosku() = 0;
  // The grid row of the item on show (0 when none).
  int RigaItem() const { return rigaItem_; }

 protected:
  // The window's own draw: sets RispostaGiusta and returns the item's text, or nothing when
  // no item can be drawn (SegnalaFileMancanti has then told the pupil).
  virtual std::optional<QString> Estrai() = 0;

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unloaded() override;
  QWidget* EtichettaFont() override { return Label2; }
  void DopoFont() override;
  void Ridisponi() override { CentraEtichetta(); }

 private:
  void CentraEtichetta();
  void AdattaBottoni();
  ConfigTreBottoni tre_;
  int rigaItem_ = 0;
};

// Chooses among n choices: one draw as usual; when that choice cannot be used, a second draw
// among the usable ones. -1 when none can be used.
int ScegliUsabile(int n, const std::function<bool(int)>& usabile);
