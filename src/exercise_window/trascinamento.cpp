#include "exercise_window/trascinamento.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace Trascinamento {

namespace {
const QString kFormato = QStringLiteral("application/x-fosku-etichetta");
}

QMimeData* DatiTrascinamento(int indice) {
  auto* dati = new QMimeData;
  dati->setData(kFormato, QByteArray::number(indice));
  return dati;
}

int IndiceTrascinato(const QMimeData* dati) {
  if (dati == nullptr || !dati->hasFormat(kFormato)) return -1;
  bool ok = false;
  const int indice = dati->data(kFormato).toInt(&ok);
  return ok && indice >= 0 ? indice : -1;
}

}  // namespace Trascinamento

EtichettaTrascinabile::EtichettaTrascinabile(int indice, QWidget* parent) : QLabel(parent), indice_(indice) {
  setCursor(Qt::OpenHandCursor);
}

void EtichettaTrascinabile::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled() || text().isEmpty()) {
    QLabel::mousePressEvent(e);
    return;
  }
  // The drag starts at once, as the label is pressed; the label itself travels under the pointer.
  auto* drag = new QDrag(this);
  drag->setMimeData(Trascinamento::DatiTrascinamento(indice_));
  drag->setPixmap(grab());
  drag->setHotSpot(e->position().toPoint());
  drag->exec(Qt::MoveAction);
}

EtichettaBersaglio::EtichettaBersaglio(int indice, QWidget* parent) : QLabel(parent), indice_(indice) {
  setAcceptDrops(true);
}

void EtichettaBersaglio::dragEnterEvent(QDragEnterEvent* e) {
  if (Trascinamento::IndiceTrascinato(e->mimeData()) >= 0) e->acceptProposedAction();
}

void EtichettaBersaglio::dragMoveEvent(QDragMoveEvent* e) {
  if (Trascinamento::IndiceTrascinato(e->mimeData()) >= 0) e->acceptProposedAction();
}

void EtichettaBersaglio::dropEvent(QDropEvent* e) {
  const int trascinata = Trascinamento::IndiceTrascinato(e->mimeData());
  if (trascinata < 0) return;
  e->acceptProposedAction();
  emit Rilasciata(indice_, trascinata);
}
