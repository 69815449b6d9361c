// The about box: what Fosku is, its terms of use, and "Chiudi" back to the menu.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"

class FormInfo : public platform::Form {
  Q_OBJECT

 public:
  QLabel* Label1 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* Command1 = nullptr;

  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_Unloaded() override;
};
