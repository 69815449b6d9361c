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

 protected:
  void CaricaFinestra() override;
  void PreparaFrase() override;
  void NessunaFrase() override;
  void PreparaParola(EtichettaParola* l, const PezzoFrase& p) override;
  std::vector<std::string> FileFrasi() const override { return {kFile}; }
  void Form_Unloaded() override;
};
