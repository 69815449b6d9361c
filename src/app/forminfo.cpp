#include "app/forminfo.h"

#include "app/formmenu.h"
#include "platform/commandbutton.h"
#include "platform/twips.h"
#include "services/clsresize.h"

namespace {

QLabel* Etichetta(QWidget* parent) {
  auto* l = new QLabel(parent);
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(14.25);
  l->setFont(f);
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  platform::SetBackColor(l, platform::colours::GialloChiaro);
  return l;
}

}  // namespace

void FormInfo::Form_Load() {
  SetDesignSize(8205, 5625);
  setWindowTitle(QStringLiteral("Fosku"));
  platform::SetBackColor(Surface(), platform::colours::GialloChiaro);
  Label1 = AddControl(Etichetta(Surface()), 240, 360, 4215, 2895);
  Label4 = AddControl(Etichetta(Surface()), 4800, 240, 3375, 2535);
  Label3 = AddControl(Etichetta(Surface()), 240, 3600, 4335, 1575);
  Command1 = AddControl(new platform::CommandButton(QStringLiteral("Chiudi"), Surface()), 5040, 4320, 2655, 975);
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(14.25);
  Command1->setFont(f);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  Module1::NuovoRidimensiona(this);
}

void FormInfo::Form_Activate() {
  CopriSchermo();
  Label1->setText(QStringLiteral(
      "Fosku: esercizi sui verbi italiani.\r\n"
      "Coniugazioni, modi, tempi, frasi e tabelle da completare.\r\n"
      "Scritto per gli alunni della scuola primaria e media."));
  Label3->setText(QStringLiteral(
      "Fosku è gratuito per l'uso nelle scuole e a casa.\r\n"
      "Si può copiare e distribuire liberamente.\r\n"
      "Viene fornito così com'è, senza alcuna garanzia."));
  Label4->setText(QString());
}

void FormInfo::Form_Resize() {
  if (Module1::Ridimensiona) Module1::Ridimensiona->ResizeControls();
}

void FormInfo::Form_Unloaded() {
  Label1 = Label3 = Label4 = nullptr;
  Command1 = nullptr;
}

void FormInfo::Command1_Click() { platform::ChangeWindow(this, &platform::Instance<FormMenu>()); }
