#include "exercise_window/tabella_finestre.h"

#include <map>
#include <tuple>

namespace {

ConfigFinestra Riga(const char* titolo, int gruppo) {
  ConfigFinestra c;
  c.titolo = QString::fromUtf8(titolo);
  c.gruppoFont = gruppo;
  return c;
}

std::map<Finestra, ConfigFinestra> Tabella() {
  std::map<Finestra, ConfigFinestra> t;
  t[Finestra::Form1] = Riga("Coniugazione (fosku all'infinito)", 1);
  t[Finestra::Form3] = Riga("Coniuga i fosku", 3);
  t[Finestra::Form3].tipoFont = TipoFont::Nessuno;
  t[Finestra::Form5] = Riga("Coniugazione (fosku coniugati)", 2);
  t[Finestra::Form5].didascaliaChiudi = QStringLiteral("Chiudi griglia");
  t[Finestra::Form7] = Riga("Il modo dei fosku", 1);
  t[Finestra::Form7].didascaliaAzzera = QStringLiteral("&Azzera conteggio ");
  t[Finestra::Form4] = Riga("Passato presente futuro", 2);
  t[Finestra::Form20] = Riga("Frasi corrette e scorrette", 2);
  t[Finestra::Form12] = Riga("Verbi transitivi e intransitivi", 1);
  t[Finestra::Form17] = Riga("Frasi attive e passive", 2);
  t[Finestra::Form19] = Riga("Scegli il verbo adatto", 2);
  t[Finestra::Form11] = Riga("Catalogare i fosku", 4);
  t[Finestra::Form11].tipoFont = TipoFont::Nessuno;
  t[Finestra::Form11].didascaliaAzzera = QStringLiteral("&Azzera conteggio ");
  t[Finestra::Form11].orientamentoStampa = 2;  // seven columns: landscape
  t[Finestra::Form13] = Riga("Predicato verbale e predicato nominale", 3);
  t[Finestra::Form8] = Riga("Tabelle mescolate", 3);
  t[Finestra::Form8].tipoFont = TipoFont::Tabelle;
  t[Finestra::Form10] = Riga("Completa le tabelle", 5);
  t[Finestra::Form10].tipoFont = TipoFont::Tabelle;
  t[Finestra::Form8].didascaliaAzzera = t[Finestra::Form10].didascaliaAzzera = QStringLiteral("&Azzera conteggio ");
  for (auto [f, titolo, gruppo] : {std::tuple{Finestra::Form2, "Radice e desinenza (fosku all'infinito)", 2},
                                   std::tuple{Finestra::Form6, "Risalire all'infinito dei fosku", 2},
                                   std::tuple{Finestra::Form18, "Completa la frase", 3}}) {
    t[f] = Riga(titolo, gruppo);
    t[f].tipoFont = TipoFont::CaselleRisposta;
    t[f].pannelli = 3;  // "Esatti", "Errati", "Avanti"
  }
  // The word-label windows: the grid's items in a submenu, counters with one blank.
  for (auto [f, titolo, util] : {std::tuple{Finestra::Form9, "Riconosci il verbo", "Utilità     "},
                                 std::tuple{Finestra::Form15, "Trova la persona del verbo", "&Utilità"}}) {
    ConfigFinestra& c = t[f] = Riga(titolo, 4);
    c.tipoFont = TipoFont::EtichetteParole;
    c.didascaliaUtil = QString::fromUtf8(util);
    c.sottomenuGriglia = QStringLiteral("Esercizi eseguiti");
    c.didascaliaVisual = QStringLiteral("visualizza");
    c.didascaliaStamp = QStringLiteral("stampa");
    c.didascaliaChiudi = QStringLiteral("chiudi griglia");
    c.etichettaEsatti = QStringLiteral("Esatti ");
    c.etichettaErrati = QStringLiteral("Errati ");
    c.pannelli = 3;  // "Avanti" is the third
  }
  t[Finestra::Form9].didascaliaAzzera = QStringLiteral("&Azzera conteggio     ");
  t[Finestra::Form9].scorciatoiaFont = false;
  // The two sentence-pair boards.
  for (auto [f, titolo, gruppo] : {std::tuple{Finestra::Form14, "Corretto scorretto 1°", 3},
                                   std::tuple{Finestra::Form16, "Attivo passivo 1°", 4}}) {
    t[f] = Riga(titolo, gruppo);
    t[f].tipoFont = TipoFont::EtichetteParole;
    t[f].didascaliaUtil = QStringLiteral("&Utilità     ");
    t[f].didascaliaVisual = QStringLiteral("visualizza esercizi eseguiti");
    t[f].didascaliaStamp = QStringLiteral("stampa esercizi eseguiti");
    t[f].didascaliaChiudi = QStringLiteral("Chiudi griglia");
    t[f].didascaliaAzzera = QStringLiteral("&Azzera conteggio     ");
    t[f].didascaliaEsci = QStringLiteral("&Esci");
    t[f].etichettaEsatti = QStringLiteral("Esatti ");
    t[f].etichettaErrati = QStringLiteral("Errati ");
    t[f].visualNascostoInGriglia = false;
  }
  return t;
}

}  // namespace

const std::map<Finestra, ConfigFinestra>& TabellaFinestre() {
  static const std::map<Finestra, ConfigFinestra> tabella = Tabella();
  return tabella;
}

const ConfigFinestra& Configurazione(Finestra f) { return TabellaFinestre().at(f); }
