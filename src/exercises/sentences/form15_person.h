// "Trova la persona del verbo": a sentence whose subject is implied; the pupil tells the person of
// the verb with six buttons, and a right answer shows the subject in the sentence.
#pragma once

#include <QFrame>
#include <QPushButton>
#include <array>

#include "exercises/sentences/tavola_parole.h"

class Form15 : public TavolaParole {
  Q_OBJECT

 public:
  Form15();
  QFrame* Frame1 = nullptr;
  std::array<QPushButton*, 6> Command1{};
  bool SottintesoPresente = false;
  QString SoggettoSottinteso;
  QString TestoVisibile;

  void Command1_Click(int Index);
  // Judges button `Bottone` against the implied subject.
  void ControllaSoggetto(int Bottone);
  // Shows the implied subject on light green and lays the sentence out again.
  void SistemaLabel();
  void RiempiGriglia(const QString& Stringa);
  void ImpostaGriglia() override;
  static constexpr const char* kFile = "\\testifosku\\3\\sottinteso.txt";
  // The button that accepts a subject (in any letter case), or -1 when none does.
  static int BottoneDelSoggetto(const QString& soggetto);

 protected:
  void CaricaFinestra() override;
  // A line can be asked when it shows some words and hides a subject that one button accepts.
  bool RigaUsabile(const std::vector<PezzoFrase>& pezzi) const override;
  // The words stay above the person buttons.
  int FondoParole() const override;
  void PreparaFrase() override;
  void NessunaFrase() override;
  void PreparaParola(EtichettaParola* l, const PezzoFrase& p) override;
  std::vector<std::string> FileFrasi() const override { return {kFile}; }
  QWidget* DoveSiRisponde() const override;
  // Once the person is found, the "Avanti" panel: Return or Space on it draws the next sentence.
  QWidget* ControlloAvanti() const override;
  void Form_Unloaded() override;

 private:
  // The first shown word when the hidden subject comes before it: shown with a capital until the
  // subject is revealed, then as written.
  EtichettaParola* primaParola_ = nullptr;
  QString primaParolaScritta_;
};
