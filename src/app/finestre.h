// The table of the menu's windows: one row for each window a menu button opens, in the order of
// the buttons. The menu's buttons, their count and the place of "Esci" follow from it, and so do
// the tests that go through every window.
#pragma once

#include <QString>
#include <vector>

#include "app/formmenu.h"
#include "exercise_window/tabella_finestre.h"

struct FinestraMenu {
  Finestra finestra;     // the window's row in tabella_finestre.cpp, where its title and font group are written
  const char* classe;    // its class ("Form1")
  bool esercizio;        // an exercise window (all but the conjugation tables)
  FormMenu::Apri apri;   // the window, made the first time it is asked for
  QString titolo;        // its title bar
  int gruppoFont;        // the font setting it takes
  QString didascalia;    // its button's caption, two lines joined by CR LF
  int riga, colonna;     // its button's place in the menu (from 0)
};

namespace Module1 {

const std::vector<FinestraMenu>& FinestreMenu();

// Gives the menu its buttons and every window its way back to the menu.
void RegistraFinestre();

}  // namespace Module1
