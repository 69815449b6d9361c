// The sentence-pair boards: two boxes side by side, each with its caption, and under them the
// two sentences of a pair, one for each box. The pupil drags each sentence onto its box; a drop
// on the other box is an error; when both boxes hold their sentences the pair is one right
// answer, gets its row in the results grid, and the next-item button draws the next pair.
// The correct/incorrect board and the active/passive board differ only in the data below.
#pragma once

#include <QFont>
#include <QLabel>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exercise_window/exercisewindow.h"
#include "exercise_window/trascinamento.h"

// A line of a pair file taken apart at its first "#": the sentence for box 0 before it, the
// sentence for box 1 after it (a further "#" belongs to that sentence). Nothing is trimmed.
struct CoppiaFrasi {
  QString frase0;
  QString frase1;
};
// Nothing when the line has no "#", or when either sentence is empty or only blanks: such a
// pair could never be completed.
std::optional<CoppiaFrasi> DividiCoppia(const std::string& riga);

// What sets one board apart from the other.
struct ConfigTavola {
  std::string file;      // the pair file under the program's folder
  QString didascalia0;   // caption over box 0 and header of grid column 1
  QString didascalia1;   // caption over box 1 and header of grid column 2
  std::uint32_t sfondo;  // window background (&H00BBGGRR)
  std::uint32_t sfondoBox0;
  std::uint32_t sfondoBox1;
  std::uint32_t sfondoAvanti;  // next-item button
};

class TavolaCoppie : public ExerciseWindow {
  Q_OBJECT

 public:
  static constexpr int kCapacita = 1000;

  TavolaCoppie(Finestra finestra, ConfigTavola config);

  // The pair file's lines in rows 1 .. NumeroFrasi (row 0 stays empty); a line that cannot be
  // used is kept as an empty row, which is never drawn.
  std::vector<std::string> Frasi;
  int NumeroFrasi = 0;

  std::array<QLabel*, 2> Label3{};  // the two sentences; Label3[i] belongs in box i
  std::array<QLabel*, 2> Label4{};  // the two boxes
  std::array<QLabel*, 2> Label6{};  // the captions over the boxes

  // Places the two sentences under the boxes, in an order drawn at random.
  void ScombiccheraPosti();
  // The sentences and the boxes take the window's font group, bold.
  void ImpostaFont();
  void ImpostaGriglia();
  // Adds the completed pair's grid row.
  void RiempiGriglia();
  // Sentence `Frase` (0 or 1) dropped on box `Index` (0 or 1).
  void Label4_DragDrop(int Index, int Frase);

  void GeneraEsercizio() override { EstraiFrasi(); }

  // True when the sentences stand each under the other's box.
  bool PostiScambiati() const { return scambiati_; }
  // The grid row of the last completed pair (0 before the first).
  int RigaCoppia() const { return rigaCoppia_; }

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unloaded() override;
  // The dialog starts from the sentences' font as chosen, not from a size made smaller to fit.
  QWidget* EtichettaFont() override;
  void DopoFont() override { ImpostaFont(); }
  void Ridisponi() override;

 private:
  void EstraiFrasi();
  void LeggiLista();
  // Puts the sentences and the captions at the left of the boxes they stand under.
  void AllineaPosti();
  // A label's text in the sentences' font, made smaller only when the text would not fit.
  void MostraTesto(QLabel* etichetta, const QString& testo);
  void AdattaTesto(QLabel* etichetta);

  ConfigTavola tavola_;
  QFont fontFrasi_;
  bool scambiati_ = false;
  bool inCaricamento_ = false;
  bool messaggioRinviato_ = false;
  QString erroriCoppia_;  // one "*" per wrong drop on the pair on show
  int rigaCoppia_ = 0;
};

// "Corretto scorretto 1°": a correct sentence and its incorrect twin.
class Form14 : public TavolaCoppie {
  Q_OBJECT

 public:
  Form14();
};

// "Attivo passivo 1°": an active sentence and its passive counterpart.
class Form16 : public TavolaCoppie {
  Q_OBJECT

 public:
  Form16();
};
