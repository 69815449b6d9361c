// What every exercise window shares: its menu bar (show, print and close the results grid,
// font, reset, return to the menu), the results grid and its two views, the counters in the
// status bar, the next-item button and the resize step.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <functional>
#include <vector>

#include "exercise_window/tabella_finestre.h"
#include "platform/flexgrid.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/statusbar.h"

class ExerciseWindow : public platform::Form {
  Q_OBJECT

 public:
  explicit ExerciseWindow(Finestra finestra);

  platform::FlexGrid* Griglia = nullptr;
  platform::StatusBar* StatusBar1 = nullptr;
  QPushButton* BottoneAvanti = nullptr;
  QMenu* mnuUtil = nullptr;
  QAction* mnuVisual = nullptr;
  QAction* mnuStamp = nullptr;
  QAction* mnuChiudi = nullptr;
  QAction* mnuFont = nullptr;
  QAction* mnuAzzera = nullptr;
  QAction* mnuEsci = nullptr;

  void mnuVisual_Click();
  void mnuChiudi_Click();
  void mnuAzzera_Click();
  void mnuStamp_Click();
  void mnuEsci_Click();
  void mnuFont_Click();
  void BottoneAvanti_Click();

  // Draws and shows the next item.
  virtual void GeneraEsercizio() = 0;
  // The grid row of the item on show (0 when none): every mark of an answer goes there.
  int RigaItem() const { return rigaItem_; }
  // Rewrites status panels 1 and 2 from the counters.
  void ScriviPannelli();
  // What every answer does: one more right or wrong answer in the counters (which stop at
  // 32,767), its sound when `suono` (and the sound switch is on), and the counters' panels.
  void ContaRisposta(bool giusta, bool suono = true);
  // Both counters to zero, and the panels rewritten (the load step and the reset command).
  void AzzeraContatori();
  // Gives the focus to where the pupil answers (DoveSiRisponde), or to the control that draws the
  // next item once the item is answered (ControlloAvanti), so that the keyboard alone goes on.
  // Nothing changes while the results grid is on show (it holds the focus then).
  void FuocoDoveSiRisponde();
  const ConfigFinestra& Config() const { return config_; }

  // The window the return command leads to (the main menu). The program registers it at
  // start-up: the skeleton knows no window above it.
  static void RegistraFinestraMenu(std::function<platform::Form*()> menu);
  // Shows the registered menu in place of `da` (which is unloaded); with none registered, only
  // unloads `da`.
  static void TornaAlMenu(platform::Form* da);
  // The font setting of the window's group.
  QString NomeFontGruppo() const;
  int DimensioneFontGruppo() const;

 protected:
  // Builds the parts every exercise window has; called first in the load step, after which the
  // window adds its own controls and then binds the resizer (LegaRidimensiona).
  void CostruisciScheletro(double designWidth, double designHeight, QRectF rettangoloAvanti);
  void LegaRidimensiona();
  // Activation: top-left corner, the screen's size, a status bar 500 twips high.
  void OccupaSchermo();
  // Hides the grid and lays it over the whole window.
  void PosizionaGriglia();
  // Lays the results grid out afresh: hidden over the window, one width factor per column in
  // 36ths of the window's width, every column but the item's (`colonnaTesto`) centred, the header row alone with
  // its texts from column 1 on (the header cells listed in `centrate` centred too).
  void ImpostaColonne(const std::vector<int>& fattori, const std::vector<QString>& intestazioni,
                      const std::vector<int>& centrate = {}, int colonnaTesto = 1);
  // Adds the grid row of a new item (its number and text), makes it the current row and the
  // item's row.
  int AggiungiRiga(const QString& testo);
  // No item on show: answers are not judged.
  void NessunItem() { rigaItem_ = 0; }
  // Adds a menu of the window's own (levels, classes) to the menu bar before the reset command
  // (or before `prima`). It acts on the item, so while the results grid is on show it is hidden
  // with the other commands that do, and its keys do nothing.
  QMenu* AggiungiMenuEsercizio(const QString& titolo, QAction* prima = nullptr);
  // A menu of choices of the window's own (levels, classes), placed before the reset item. Its
  // items carry the indexes primo, primo + 1, ...; item `spuntata` carries the check mark. A
  // click moves the check mark to the item and calls `scelta` with the item's index. Like every
  // menu of the window's own, it leaves the menu bar while the grid is on show.
  struct MenuScelte {
    QMenu* menu = nullptr;
    std::vector<QAction*> voci;  // by index; nullptr below primo
  };
  // With `tasti`, the items answer F1, F2, ... (with `modificatori` held).
  MenuScelte AggiungiMenuScelte(const QString& titolo, const std::vector<QString>& didascalie, int primo,
                                int spuntata, std::function<void(int)> scelta, bool tasti = false,
                                Qt::KeyboardModifiers modificatori = Qt::NoModifier);
  // Puts the check mark of a menu of choices on item `indice` alone.
  static void Spunta(const std::vector<QAction*>& voci, int indice);
  // A class picked from a class menu (`voci`) when its lists hold no verb (`usabile` false): the
  // check mark stays on `spuntata`, the item goes out of reach, so the pupil is told which files
  // once, and the item on show stays. Returns `usabile`.
  bool ClasseDaMenu(const std::vector<QAction*>& voci, int Index, int spuntata, bool usabile);
  // Puts a label, sized to its text, in the middle of the box that holds it.
  static void CentraEtichetta(QLabel* etichetta, QWidget* riquadro);

  // The control where the pupil answers the item on show: the first enabled answer button, or
  // the answer box. Null when the item is answered or the window answers by the mouse alone.
  virtual QWidget* DoveSiRisponde() const { return nullptr; }
  // The control that draws the next item, once the item is answered: the next-item button while
  // it is enabled and shown. Null while there is none.
  virtual QWidget* ControlloAvanti() const;
  // After the results grid or a dialog closes: unless the focus is on a control that can take
  // it, it goes to where the pupil answers.
  void RiportaFuoco();
  // The first of these controls that is enabled and not hidden, or null.
  template <class Controlli>
  static QWidget* PrimoAbilitato(const Controlli& controlli) {
    for (QWidget* c : controlli) {
      if (c != nullptr && c->isEnabled() && c->isVisibleTo(c->window())) return c;
    }
    return nullptr;
  }

  // The label the font dialog edits, and what follows the choice.
  virtual QWidget* EtichettaFont() { return nullptr; }
  virtual void DopoFont() {}
  // What the window placed at run time, laid out again after a resize.
  virtual void Ridisponi() {}

  // Tells the pupil that an item cannot be drawn from these data files, and what is wrong with
  // each (missing, empty, no usable line), naming it by its full path. `apertura` is what the
  // message says first; the box has the critical icon unless `icona` says otherwise.
  void SegnalaFileMancanti(const std::vector<std::string>& files,
                           const QString& apertura = QStringLiteral("Non posso preparare l'esercizio"),
                           int icona = platform::vbCritical);

  void Form_Resize() override;
  void Form_Unloaded() override;
  // The menu's shortcuts (Ctrl+V, Ctrl+S, Ctrl+C ...) work while an answer box has the focus,
  // as the menus come first on the original platform; the window filters its boxes' events.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QAction*> VociEsercizio() const;
  ConfigFinestra config_;
  int rigaItem_ = 0;
  std::vector<QAction*> menuEsercizio_;  // the window's own menus (AggiungiMenuEsercizio)
};
