#include "exercises/verbs/form18_complete_sentence.h"

#include "exercise_window/righe_dati.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/textfile.h"

std::optional<FraseDaCompletare> AnalizzaFrase(const std::string& testo) {
  const QString riga = QString::fromStdString(testo);
  const qsizetype p = riga.indexOf(QLatin1Char('['));
  if (p < 0) return std::nullopt;
  FraseDaCompletare f;
  f.verbo = riga.mid(p + 1);
  if (f.verbo.endsWith(QLatin1Char(']'))) f.verbo.chop(1);
  const QString frase = riga.left(p);
  const qsizetype q = frase.indexOf(QLatin1Char('#'));
  if (q < 0) return std::nullopt;
  // After the first "#": the form, "#", the text after it and the separator, which is dropped.
  QString resto = frase.mid(q + 1);
  if (!resto.isEmpty()) resto.chop(1);
  const qsizetype r = resto.indexOf(QLatin1Char('#'));
  if (r < 0) return std::nullopt;
  f.forma = resto.left(r).trimmed();
  // A blank answer is never judged, so a line without a form could never be answered.
  if (f.forma.isEmpty()) return std::nullopt;
  f.testo = frase.left(q) + QStringLiteral(" _____ ") + resto.mid(r + 1);
  return f;
}

Form18::Form18()
    : RispostaScritta(Finestra::Form18,
                      {.caselle = {{.colonnaGiusta = 2, .giustaComeScritta = true, .suonoGiusto = false, .finale = true,
                                     .colonnaErrori = 3, .erroreComeScritto = true}},
                       .fattoriColonne = {1, 7, 2, 8},
                       .intestazioni = {QStringLiteral("Completa la frase"), QStringLiteral("verbo"),
                                        QStringLiteral("errori")},
                       .intestazioniCentrate = {2, 3},
                       .etichettaConsegna = true}) {}

std::string Form18::FileDelTempo(int Tempo) { return "\\testiFosku\\8\\" + std::to_string(Tempo) + ".txt"; }

void Form18::LeggiFosku() {
  for (int t = 0; t < kTempi; ++t) FrasiTempo[static_cast<size_t>(t)] = LeggiRighe(FileDelTempo(t), kCapacita);
}

std::optional<QString> Form18::Estrai() {
  // Only lines that can be asked are drawn: an empty line or one that breaks the layout is not.
  auto usabile = [this](int t, int r) {
    return AnalizzaFrase(FrasiTempo[static_cast<size_t>(t)][static_cast<size_t>(r)]).has_value();
  };
  auto ultima = [this](int t) { return static_cast<int>(FrasiTempo[static_cast<size_t>(t)].size()) - 1; };
  TempoEstratto = platform::DrawChoice(kTempi, [&](int t) {
    for (int r = 1; r <= ultima(t); ++r) {
      if (usabile(t, r)) return true;
    }
    return false;
  });
  if (TempoEstratto < 0) {
    std::vector<std::string> files;
    for (int t = 0; t < kTempi; ++t) files.push_back(FileDelTempo(t));
    SegnalaFileMancanti(files);
    return std::nullopt;
  }
  const auto riga =
      platform::DrawUsable(1, ultima(TempoEstratto), [&](int r) { return usabile(TempoEstratto, r); });
  if (!riga) return std::nullopt;
  // The sentence row drawn is kept in the engine's current-item index, as the verb windows keep theirs.
  CostruisciFosku::IndiceEstratto = *riga;
  const auto frase = AnalizzaFrase(FrasiTempo[static_cast<size_t>(TempoEstratto)][static_cast<size_t>(*riga)]);
  Label1->setText(frase->verbo + QStringLiteral(" - ") +
                  QString::fromStdString(ModuloFosku::Tempi[static_cast<size_t>(TempoEstratto)]));
  RispostaAttesa = frase->forma;
  return frase->testo;
}
