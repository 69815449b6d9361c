// The template of the drag-and-drop table exercises: cells (Label1) that make up conjugation
// tables and forms (Label3) scattered over fixed places (Shape1). The pupil drags each form onto
// a cell; a right drop fills the cell, a wrong one is counted and marked in the results grid;
// when every cell is filled the item is complete and the next-item button is enabled.
// The window's own file draws the item and says when a cell is free, which form is right for it
// and how a right drop fills it.
#pragma once

#include <QFrame>
#include <QRectF>
#include <vector>

#include "exercise_window/exercisewindow.h"
#include "exercise_window/trascinamento.h"

// Where the template's controls stand in the window's design, in twips.
struct DisposizioneTabelle {
  double larghezza = 15360;  // design inner area
  double altezza = 10560;
  std::vector<QRectF> celle;  // Label1, one per cell
  std::vector<QRectF> posti;  // Shape1, as many as the cells
  QRectF avanti;

  // `n` boxes of one size in `colonne` columns 120 twips apart, rows `passo` apart from `top`;
  // numbered down each column (the tables' cells, one row a person) or across each row.
  static std::vector<QRectF> Caselle(int n, int colonne, bool lungoLeColonne, double top, double passo,
                                     double larghezza, double altezza);
};

struct ConfigTabelle {
  DisposizioneTabelle disposizione;
  QString titoloGriglia;             // header of column 1 of the results grid
  std::vector<int> fattoriGriglia;   // the five column widths, in 36ths of the window's width
  int formeDaCollocare = 0;          // right drops that complete an item
  Qt::Alignment allineamentoCelle = Qt::AlignLeft | Qt::AlignVCenter;
};

class TabelleTrascinabili : public ExerciseWindow {
  Q_OBJECT

 public:
  TabelleTrascinabili(Finestra finestra, ConfigTabelle config);

  std::vector<EtichettaBersaglio*> Label1;    // the cells
  std::vector<EtichettaTrascinabile*> Label3;  // the forms; form i belongs to cell i
  std::vector<QFrame*> Shape1;                 // the places the forms are laid on
  int FormeCollocate = 0;                      // right drops on the item on show

  int NumeroCelle() const { return static_cast<int>(tab_.disposizione.celle.size()); }
  // Form `Trascinata` dropped on cell `Index` (what the drop on a cell calls).
  void Label1_DragDrop(int Index, int Trascinata);
  void ImpostaGriglia();
  // The place form i lies on (-1 before the first item).
  int PostoDellaForma(int i) const;
  // The size the cells and forms are shown in: the group's size, or less where a text of the
  // item would not fit its cell or place.
  int DimensioneMostrata() const { return dimensione_; }
  // Reads the regular-verb lists.
  void LeggiFosku();

 protected:
  // The window's own part of a drop: a free cell, the right form for it, a right drop's text.
  virtual bool CellaLibera(int Index) const = 0;
  virtual bool FormaGiusta(int Index, int Trascinata) const = 0;
  virtual void RiempiCella(int Index, int Trascinata) = 0;
  // The window's other controls and menus, made in the load step.
  virtual void CreaControlli() {}
  // What each visit starts with (level, class), set in the activation step.
  virtual void StatoIniziale() {}

  // The first steps of a new item: no form shows a text or can be dragged, nothing is placed,
  // the next-item button waits for the item to be complete, no grid row is the item's.
  void SvuotaForme();
  // The texts the cells show once filled (the font is fitted to them too).
  void ImpostaTestiCelle(std::vector<QString> testi);
  // Lays every form on a place of its own drawn at random and makes them all visible.
  void ScombinaForme();
  // Gives every cell and form the group's font, at the largest size up to the group's size at
  // which every text of the item fits its cell or place.
  void AdattaCaratteri();

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unloaded() override;
  // The dialog edits the first cell's font, starting from the group's font.
  QWidget* EtichettaFont() override;
  void DopoFont() override;
  void Ridisponi() override;

 private:
  QFont ConStile(QFont f) const;
  ConfigTabelle tab_;
  bool grassetto_ = false, corsivo_ = false, sottolineato_ = false;  // the first cell's styles
  std::vector<int> posto_;
  std::vector<QString> testiCelle_;
  int dimensione_ = 0;
};
