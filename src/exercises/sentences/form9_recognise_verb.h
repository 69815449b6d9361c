// "Riconosci il verbo": a sentence of the chosen level laid out as word labels; the pupil clicks
// the predicate.
#pragma once

#include <QActionGroup>
#include <array>

#include "exercises/sentences/tavola_parole.h"

class Form9 : public TavolaParole {
  Q_OBJECT

 public:
  Form9();
  int Livello = 1;
  std::string PercorsoFrasi;
  QMenu* mnuLivelli = nullptr;
  std::array<QAction*, 6> mnuliv{};  // 1 .. 5

  void mnuliv_Click(int Index);
  void Label3_Click(int Index) override;
  // Adds a grid row: the level, the sentence, and what the pupil clicked wrongly (or nothing).
  void RiempiGriglia(const QString& Stringa);
  void ImpostaGriglia() override;
  static std::string FileDelLivello(int livello);

 protected:
  void CaricaFinestra() override;
  // A line can be asked when one of its shown chunks, with some text, is the predicate.
  bool RigaUsabile(const std::vector<PezzoFrase>& pezzi) const override;
  void PreparaFrase() override;
  void NessunaFrase() override;
  std::vector<std::string> FileFrasi() const override { return {FileDelLivello(Livello)}; }
  void Form_Unloaded() override;
};
