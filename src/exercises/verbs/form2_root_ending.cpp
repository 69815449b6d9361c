#include "exercises/verbs/form2_root_ending.h"

namespace {
QString SenzaBordi(const std::string& s) { return QString::fromStdString(s).trimmed(); }
}  // namespace

// The root box first: a right root is marked but not counted, and opens the ending box; the
// right ending counts the item and sounds.
Form2::Form2()
    : RispostaScritta(Finestra::Form2,
                      {.caselle = {{.colonnaGiusta = 2, .giustaComeScritta = false, .suonoGiusto = false, .finale = false,
                                     .colonnaErrori = 4, .erroreComeScritto = false},
                                    {.colonnaGiusta = 3, .giustaComeScritta = false, .suonoGiusto = true, .finale = true,
                                     .colonnaErrori = 5, .erroreComeScritto = false}},
                       .fattoriColonne = {1, 7, 3, 3, 3, 3},
                       .intestazioni = {QStringLiteral("Radice e desinenza (fosku all'infinito)"),
                                        QStringLiteral("radice"), QStringLiteral("desinenza"),
                                        QStringLiteral("Errori radice"), QStringLiteral("Errori desinenza")},
                       .intestazioniCentrate = {2, 3, 5},
                       .etichettaConsegna = false}) {}

void Form2::LeggiFosku() { RadiciInfinito = ListeInfinito::Leggi(); }

std::optional<QString> Form2::Estrai() {
  const auto estratto = ListeInfinito::Estrai(RadiciInfinito);
  if (!estratto) {
    SegnalaFileMancanti({ListeInfinito::kFile.begin(), ListeInfinito::kFile.end()});
    return std::nullopt;
  }
  ConiugazioneScelta = estratto->classe;
  RigaEstratta = estratto->riga;
  return Attesa(0) + Attesa(1);
}

QString Form2::Attesa(int Index) const {
  const auto c = static_cast<size_t>(ConiugazioneScelta);
  if (Index == 0) return SenzaBordi(RadiciInfinito[c].at(static_cast<size_t>(RigaEstratta)));
  return QString::fromStdString(DesinenzeInfinito[c]);
}
