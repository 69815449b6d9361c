// The start window: the program's name on blue, the date line and the "Avvio" button.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"

class FormAvvio : public platform::Form {
  Q_OBJECT

 public:
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* Command1 = nullptr;

  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_Unloaded() override;
};
