// " Risalire all'infinito dei fosku ": a form of a regular verb in a tense of the indicativo,
// congiuntivo or condizionale; the pupil types the verb's infinitive.
#pragma once

#include "exercise_window/rispostascritta.h"

class Form6 : public RispostaScritta {
  Q_OBJECT

 public:
  Form6();
  int ConiugazioneScelta = 0;
  int PersonaEstratta = 0;  // the person of the form on show
  QString RispostaAttesa;  // the infinitive of the verb on show

  void LeggiFosku() override;

 protected:
  std::optional<QString> Estrai() override;
  QString Attesa(int) const override { return RispostaAttesa; }
};
