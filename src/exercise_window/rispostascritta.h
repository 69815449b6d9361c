// The template of the exercises answered by typing: an item in a framed label, one answer box
// (two in the root-and-ending exercise, which opens the second when the first is right), the
// next-item button, and a results grid (number, item, the right answers, the errors). An answer
// is judged when Enter is released in its box.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <optional>
#include <vector>

#include "exercise_window/exercisewindow.h"

class QEvent;

// How every answer typed into a box is judged: Enter, released in the box, hands the text over;
// a box holding only blanks is not judged; otherwise the text, without the blanks around it, is
// right when it is the expected answer regardless of letter case (accents must match).
constexpr int kTastoInvio = 13;
// True when the event is the release of Enter (main keyboard or keypad), not an auto-repeat.
bool InvioRilasciato(const QEvent* event);
// Nothing when `scritta` holds only blanks; otherwise whether it is the answer `attesa`.
std::optional<bool> GiudicaScritta(const QString& scritta, const QString& attesa);

// What a right or a wrong answer in one box writes, and what a right one leads to.
struct CasellaRisposta {
  int colonnaGiusta = 2;           // the column a right answer marks
  bool giustaComeScritta = false;  // the right answer as typed instead of "*"
  bool suonoGiusto = true;         // a right answer plays the right sound
  bool finale = true;              // a right answer counts and ends the item; otherwise the next box opens
  int colonnaErrori = 3;           // the column a wrong answer adds to
  bool erroreComeScritto = true;   // the wrong answer as typed and a blank instead of "*"
};

struct ConfigRispostaScritta {
  std::vector<CasellaRisposta> caselle;  // one per answer box, in the order they are answered
  std::vector<int> fattoriColonne;       // grid column widths, in 36ths of the window's width
  std::vector<QString> intestazioni;     // grid headers from column 1 on
  std::vector<int> intestazioniCentrate; // header cells centred
  bool etichettaConsegna = false;        // a line above the item that says what to type (Label1)
};

class RispostaScritta : public ExerciseWindow {
  Q_OBJECT

 public:
  RispostaScritta(Finestra finestra, ConfigRispostaScritta config);

  QFrame* Picture1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;  // only where the window says what to type above the item
  std::vector<QLineEdit*> Text1;

  // Key released in answer box `Index`: Enter (13) judges what the box holds.
  void Text1_KeyUp(int Index, int KeyCode);
  void ImpostaGriglia();
  void GeneraEsercizio() override;
  // Fills the window's lists.
  virtual void LeggiFosku() = 0;

 protected:
  // The window's own draw: keeps what each box expects and returns the item's
  // text, or nothing when no item can be drawn (SegnalaFileMancanti has then told the pupil).
  virtual std::optional<QString> Estrai() = 0;
  // What box `Index` expects for the item on show.
  virtual QString Attesa(int Index) const = 0;

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unloaded() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  QWidget* EtichettaFont() override { return Label2; }
  QWidget* DoveSiRisponde() const override;
  void DopoFont() override;
  void Ridisponi() override { CentraEtichetta(Label2, Picture1); }

 private:
  void Giusta(int Index, const QString& scritta);
  void Sbagliata(int Index, const QString& scritta);
  ConfigRispostaScritta cfg_;
};
