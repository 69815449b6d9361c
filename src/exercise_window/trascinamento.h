// Dragging a label onto another label of the same window: the pupil presses on a draggable
// label and releases it over a target; the target reports which label was dropped on it.
// The drop itself is judged by the window in a plain method (target index, dragged index), so
// that it can be called without a real drag.
#pragma once

#include <QLabel>

class QMimeData;

namespace Trascinamento {

// The data a drag carries: the index of the dragged label.
QMimeData* DatiTrascinamento(int indice);
// The index a drag carries, or -1 when the data do not come from a draggable label.
int IndiceTrascinato(const QMimeData* dati);

}  // namespace Trascinamento

// A label that is dragged as soon as it is pressed on (not while disabled or empty).
class EtichettaTrascinabile : public QLabel {
  Q_OBJECT

 public:
  EtichettaTrascinabile(int indice, QWidget* parent);
  int Indice() const { return indice_; }

 protected:
  void mousePressEvent(QMouseEvent* e) override;

 private:
  int indice_;
};

// A label that takes the drop of a draggable label.
class EtichettaBersaglio : public QLabel {
  Q_OBJECT

 public:
  EtichettaBersaglio(int indice, QWidget* parent);
  int Indice() const { return indice_; }

 signals:
  // A label with index `trascinata` was dropped on this one.
  void Rilasciata(int bersaglio, int trascinata);

 protected:
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  int indice_;
};
