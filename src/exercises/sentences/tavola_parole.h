// The sentence exercises that lay a sentence out as a row of word labels ("Riconosci il verbo",
// "Trova la persona del verbo"): the sentence files of "\testifosku\3\", the draw, the parse into
// word labels and their flow, the group-4 font, and the "Avanti" panel that draws the next one.
#pragma once

#include <QLabel>
#include <string>
#include <vector>

#include "exercise_window/exercisewindow.h"

// A chunk of a sentence line ("chunk#tag#chunk#tag#..."), trimmed.
struct PezzoFrase {
  QString testo;
  QString etichetta;  // the tag
  bool nascosto() const { return testo.startsWith(QLatin1Char('[')); }
  // True when the tag, read as a leading decimal number, is 1.
  bool predicato() const;
};
// The chunks of a line: trimmed, its first character in upper case; a text left after the last
// "#" is dropped, and a chunk closed by the line's last "#" has an empty tag.
std::vector<PezzoFrase> AnalizzaPezzi(const std::string& riga);
// A tag read as a leading decimal number, as the teachers' files write it ("1", "01", "1.0").
double ValoreEtichetta(const QString& etichetta);

// A word label: reports clicks while it is enabled.
class EtichettaParola : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
};

class TavolaParole : public ExerciseWindow {
  Q_OBJECT

 public:
  static constexpr int kCapacita = 1000;
  TavolaParole(Finestra finestra, double designWidth, double designHeight, double topParole, QString istruzione);

  QLabel* Label1 = nullptr;                 // the instruction above the sentence
  std::vector<EtichettaParola*> Label3;     // the word labels; Label3[0] is placed at design time
  // The current file's lines in rows 1 .. count (a blank line gives an empty row); row 0 unused.
  std::vector<std::string> Frasi;
  int NumeroFrasi = 0;

  // Reads a sentence file of the program's folder ("\\testifosku\\3\\liv1.txt"). A line the
  // window cannot use keeps its row, empty, and is never drawn.
  void LeggiFrasi(const std::string& file);
  void GeneraFrase();
  void ImpostaFont();
  void StatusBar1_PanelClick(int Panel);
  void GeneraEsercizio() override { GeneraFrase(); }
  // The labels from Label3[1] on placed again after the one before them, wrapping at the
  // window's right edge. When the sentence would run past the window's right edge or below the
  // room it has, every label takes the largest smaller size at which it fits (not below
  // kPuntiMinimi). False when it does not fit even so.
  bool DisponiParole();
  // The smallest size the words of a long sentence are made to fit with.
  static constexpr int kPuntiMinimi = 8;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unloaded() override;
  // The dialog starts from the group's font, not from a size made smaller to fit.
  QWidget* EtichettaFont() override;
  void DopoFont() override { ImpostaFont(); }
  void Ridisponi() override { DisponiParole(); }

  // What a window adds to its load step: its own controls and its file.
  virtual void CaricaFinestra() = 0;
  // True for a line the window can ask: one its answers can solve.
  virtual bool RigaUsabile(const std::vector<PezzoFrase>& pezzi) const { return !pezzi.empty(); }
  // The lowest point, on the window's surface, that the words may reach.
  virtual int FondoParole() const;
  virtual void ImpostaGriglia() = 0;
  // Before the draw: the window's answer controls back to waiting.
  virtual void PreparaFrase() {}
  // No sentence can be drawn: the window's answer controls stop.
  virtual void NessunaFrase() {}
  // Fills a word label for a chunk: its text and visibility.
  virtual void PreparaParola(EtichettaParola* l, const PezzoFrase& p);
  // A click on word label `Index`.
  virtual void Label3_Click(int) {}
  // Shows or hides the "Avanti" panel.
  void MostraAvanti(bool si);
  // Adds a grid row with its number and the given cells from column 1 on.
  void AggiungiRisultato(const std::vector<QString>& celle);
  // What the window tells the pupil when no sentence can be drawn.
  virtual std::vector<std::string> FileFrasi() const = 0;

 private:
  EtichettaParola* NuovaParola();
  // Removes every word label but the first.
  void TogliParole();
  // The group's font, bold, at its own size.
  QFont FontGruppo() const;
  // The flow rule at the labels' present font; true when every shown label lies inside the
  // window's width and above FondoParole().
  bool FluisciParole();
  double designWidth_, designHeight_, topParole_;
  QString istruzione_;
};
