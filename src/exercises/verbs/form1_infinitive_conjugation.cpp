#include "exercises/verbs/form1_infinitive_conjugation.h"


Form1::Form1()
    : BottoniRisposta(Finestra::Form1,
                      {.didascalie = {QStringLiteral("&1° Coniugazione"), QStringLiteral("&2° Coniugazione"),
                                       QStringLiteral("&3° Coniugazione")},
                       .didascaliaConiugazione = true,
                       .titoloGriglia = QStringLiteral("Coniugazione (fosku all'infinito)"),
                       .intestazioni = {QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°")}}) {}

void Form1::LeggiFosku() { RadiciInfinito = ListeInfinito::Leggi(); }

std::optional<QString> Form1::Estrai() {
  const auto estratto = ListeInfinito::Estrai(RadiciInfinito);
  if (!estratto) {
    SegnalaFileMancanti({ListeInfinito::kFile.begin(), ListeInfinito::kFile.end()});
    return std::nullopt;
  }
  RispostaGiusta = estratto->classe;
  return QString::fromStdString(RadiciInfinito[static_cast<size_t>(estratto->classe)][static_cast<size_t>(estratto->riga)] +
                                DesinenzeInfinito[static_cast<size_t>(estratto->classe)]);
}

void Form1::SegnalaScelteMancanti() {
  // A conjugation whose list has no root is never drawn: its button could never be right.
  std::vector<std::string> mancanti;
  bool altre = false;
  for (int c = 0; c < 3; ++c) {
    if (ListeInfinito::ClasseUsabile(RadiciInfinito, c)) {
      altre = true;
    } else {
      mancanti.push_back(ListeInfinito::kFile[static_cast<size_t>(c)]);
    }
  }
  SegnalaScelteSenzaLista(mancanti, altre, QStringLiteral("L'esercizio continua solo con le altre coniugazioni"));
}
