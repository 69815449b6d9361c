#include "app/formavvio.h"

#include <QPainter>

#include "app/picture_avvio.h"
#include "platform/commandbutton.h"
#include "platform/twips.h"
#include "services/clsresize.h"
#include "services/cursors.h"
#include "app/formmenu.h"

namespace {

QFont ComicBold(double points) {
  QFont f(QStringLiteral("Comic Sans MS"));
  f.setPointSizeF(points);
  f.setBold(true);
  return f;
}

// The button's picture.
QPixmap PictureBottone() {
  QPixmap pm(static_cast<int>(PictureAvvio::kLarghezza), static_cast<int>(PictureAvvio::kAltezza));
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  PictureAvvio::Disegna(p);
  return pm;
}

}  // namespace

void FormAvvio::Form_Load() {
  SetDesignSize(9030, 6750);
  setWindowTitle(QStringLiteral("Fosku"));
  platform::SetBackColor(Surface(), platform::colours::Blu);

  Label1 = AddControl(new QLabel(QStringLiteral("Fosku"), Surface()), 360, 360, 8295, 4215);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setFont(ComicBold(150));
  platform::SetForeColor(Label1, platform::colours::AzzurroChiaro);

  Command1 = AddControl(new platform::CommandButton(QStringLiteral("Avvio"), Surface()), 2520, 5040, 3255, 1455);
  Command1->setFont(ComicBold(24));
  Command1->setIcon(QIcon(PictureBottone()));
  Command1->setIconSize(QSize(64, 48));
  Command1->setCursor(Cursori::Puntatore());
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  Label2 = AddControl(new QLabel(QStringLiteral("16 dicembre 2005"), Surface()), 6000, 5520, 2655, 855);
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setFont(ComicBold(15.75));
  platform::SetForeColor(Label2, platform::colours::AzzurroChiaro);

  Module1::NuovoRidimensiona(this);
}

void FormAvvio::Form_Activate() {
  // The start window covers the whole screen.
  CopriSchermo();
}

void FormAvvio::Form_Resize() {
  if (Module1::Ridimensiona) Module1::Ridimensiona->ResizeControls();
}

void FormAvvio::Form_Unloaded() {
  Label1 = nullptr;
  Label2 = nullptr;
  Command1 = nullptr;
}

void FormAvvio::Command1_Click() { platform::ChangeWindow(this, &platform::Instance<FormMenu>()); }
