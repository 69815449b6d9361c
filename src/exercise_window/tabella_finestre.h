// What sets the windows the menu opens apart from one another in the parts they share: title,
// font group, menu captions, counter labels, grid printing. One row per window. The conjugation
// tables (Form3) are no exercise window: they take only their title and font group from here.
#pragma once

#include <QString>
#include <map>

enum class Finestra { Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form11, Form12, Form13,
                      Form14, Form15, Form16, Form17, Form18, Form19, Form20 };

// How the font command follows up the dialog.
enum class TipoFont {
  BottoniRisposta,  // a row of answer buttons fitted to a probe text
  CaselleRisposta,  // answer boxes that take the item's font
  EtichetteParole,  // word or sentence labels that the window's ImpostaFont sets
  Tabelle,          // every cell and form of the drag-and-drop tables takes the font
  Nessuno,          // the window has no font command
};

struct ConfigFinestra {
  QString titolo;             // the window's title bar
  int gruppoFont = 1;         // 1 to 5: the font setting the window uses and its font command writes
  TipoFont tipoFont = TipoFont::BottoniRisposta;
  QString didascaliaUtil = QStringLiteral("&Utilità");
  QString sottomenuGriglia;  // the grid's three items in a submenu of this caption (empty: none)
  QString didascaliaVisual = QStringLiteral("Visualizza esercizi eseguiti");
  QString didascaliaStamp = QStringLiteral("Stampa esercizi eseguiti");
  QString didascaliaChiudi = QStringLiteral("&Chiudi griglia");
  QString didascaliaAzzera = QStringLiteral("&Azzera conteggio");
  QString didascaliaEsci = QStringLiteral("Torna al &menù");
  QString etichettaEsatti = QStringLiteral("Esatti  ");
  QString etichettaErrati = QStringLiteral("Errati  ");
  int orientamentoStampa = 1;  // 1 portrait, 2 landscape
  int pannelli = 2;            // status-bar panels
  bool scorciatoiaFont = true;  // the font item answers Ctrl+F
  bool visualNascostoInGriglia = true;  // the show-grid item leaves the menu while the grid is shown
};

const ConfigFinestra& Configurazione(Finestra f);
// The whole table: every window has its row.
const std::map<Finestra, ConfigFinestra>& TabellaFinestre();
