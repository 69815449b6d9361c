#include "app/formavvio.h"

#include <QPainter>
#include <QPainterPath>

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

// The button's picture: an open book with a green arrow across it.
QPixmap PictureAvvio() {
  QPixmap pm(64, 48);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 120), 2));
  p.setBrush(QColor(255, 250, 230));
  QPainterPath left;
  left.moveTo(32, 12);
  left.cubicTo(24, 6, 12, 6, 4, 10);
  left.lineTo(4, 42);
  left.cubicTo(12, 38, 24, 38, 32, 44);
  left.closeSubpath();
  p.drawPath(left);
  QPainterPath right;
  right.moveTo(32, 12);
  right.cubicTo(40, 6, 52, 6, 60, 10);
  right.lineTo(60, 42);
  right.cubicTo(52, 38, 40, 38, 32, 44);
  right.closeSubpath();
  p.drawPath(right);
  p.setPen(QPen(QColor(150, 150, 170), 1));
  for (int y = 18; y <= 34; y += 6) {
    p.drawLine(9, y, 27, y + 1);
    p.drawLine(37, y + 1, 55, y);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 170, 0));
  QPolygonF arrow;
  arrow << QPointF(20, 22) << QPointF(40, 22) << QPointF(40, 15) << QPointF(54, 27)
        << QPointF(40, 39) << QPointF(40, 32) << QPointF(20, 32);
  p.drawPolygon(arrow);
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
  Command1->setIcon(QIcon(PictureAvvio()));
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
