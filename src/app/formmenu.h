// The main menu: a button for each exercise window and the tables, then "Esci", the sound
// switch and the "Informazioni" menu. Which windows there are is told at start-up (the table of
// the menu's windows, app/finestre.cpp): the menu itself knows none of them.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <vector>

#include "platform/form.h"

class FormMenu : public platform::Form {
  Q_OBJECT

 public:
  // The window buttons in their order, "Esci" last (at IndiceEsci()).
  std::vector<QPushButton*> Command1;
  QCheckBox* Check1 = nullptr;
  QLabel* LabelDimensionaFont = nullptr;
  QAction* mnuDocum = nullptr;
  QAction* mnuAbout = nullptr;

  void Command1_Click(int Index);
  void Command1_MouseMove(int Index);
  void Form_MouseMove();
  void Check1_Click();
  void mnuDocum_Click();
  void mnuAbout_Click();

  // A button that opens a window: its caption (two lines joined by CR LF), its row and column in
  // the menu's grid of six rows and four columns (from 0), and the window it opens; a button with
  // no window is disabled.
  using Apri = std::function<platform::Form*()>;
  struct Pulsante {
    QString didascalia;
    int riga = 0;
    int colonna = 0;
    Apri apri;
  };
  // The window buttons, in their order; the next load builds them.
  static void RegistraPulsanti(std::vector<Pulsante> pulsanti);
  // "Esci" follows the window buttons.
  static int IndiceEsci();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_Unloaded() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};
