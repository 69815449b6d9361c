// The main menu: twenty-one buttons that open every exercise, the tables and "Esci", the
// sound switch and the "Informazioni" menu.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <functional>

#include "platform/form.h"

class FormMenu : public platform::Form {
  Q_OBJECT

 public:
  static constexpr int kPulsanti = 21;
  std::array<QPushButton*, kPulsanti> Command1{};
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

  // The window each of buttons 0 to 19 opens; a button whose window is not there is disabled.
  using Apri = std::function<platform::Form*()>;
  static void RegistraFinestra(int Index, Apri apri);

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_Unloaded() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};
