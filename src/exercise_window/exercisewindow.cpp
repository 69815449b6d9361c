#include "exercise_window/exercisewindow.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <cmath>

#include "conjugation/verb_lists.h"
#include "exercise_window/contatori.h"
#include "exercise_window/messaggi_file.h"
#include "exercise_window/stampa.h"
#include "platform/commandbutton.h"
#include "platform/cover.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "services/clsresize.h"
#include "services/commdlgs.h"
#include "services/modulocolorisuoni.h"
#include "settings/moduloperini.h"

namespace {

// The next-item button's picture: a green arrow pointing right, drawn once for the whole run.
const QIcon& FrecciaAvanti() {
  static const QIcon* const icona = [] {
    QPixmap pm(64, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF arrow;
    arrow << QPointF(4, 13) << QPointF(36, 13) << QPointF(36, 3) << QPointF(60, 20) << QPointF(36, 37)
          << QPointF(36, 27) << QPointF(4, 27);
    p.setPen(QPen(QColor(0, 90, 0), 2));
    p.setBrush(QColor(0, 180, 0));
    p.drawPolygon(arrow);
    p.end();
    return new QIcon(pm);  // kept until the program ends, past the application object
  }();
  return *icona;
}

}  // namespace

ExerciseWindow::ExerciseWindow(Finestra finestra) : config_(Configurazione(finestra)) {}

QString ExerciseWindow::NomeFontGruppo() const {
  return QString::fromStdString(ModuloPerIni::Impostazioni.NomeFont[static_cast<size_t>(config_.gruppoFont)]);
}

int ExerciseWindow::DimensioneFontGruppo() const {
  return ModuloPerIni::Impostazioni.DimensioneFont[static_cast<size_t>(config_.gruppoFont)];
}

void ExerciseWindow::CostruisciScheletro(double designWidth, double designHeight, QRectF rettangoloAvanti) {
  setWindowTitle(config_.titolo);
  StatusBar1 = new platform::StatusBar(config_.pannelli, this);
  setStatusBar(StatusBar1);

  mnuUtil = menuBar()->addMenu(config_.didascaliaUtil);
  QMenu* griglia = config_.sottomenuGriglia.isEmpty() ? mnuUtil : mnuUtil->addMenu(config_.sottomenuGriglia);
  mnuVisual = griglia->addAction(config_.didascaliaVisual);
  mnuVisual->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
  mnuStamp = griglia->addAction(config_.didascaliaStamp);
  mnuStamp->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  mnuChiudi = griglia->addAction(config_.didascaliaChiudi);
  mnuChiudi->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
  mnuChiudi->setVisible(false);
  if (config_.tipoFont != TipoFont::Nessuno) {
    mnuFont = mnuUtil->addAction(QStringLiteral("Font"));
    if (config_.scorciatoiaFont) mnuFont->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    connect(mnuFont, &QAction::triggered, this, [this] { mnuFont_Click(); });
  }
  mnuAzzera = menuBar()->addAction(config_.didascaliaAzzera);
  mnuEsci = menuBar()->addAction(config_.didascaliaEsci);
  connect(mnuVisual, &QAction::triggered, this, [this] { mnuVisual_Click(); });
  connect(mnuStamp, &QAction::triggered, this, [this] { mnuStamp_Click(); });
  connect(mnuChiudi, &QAction::triggered, this, [this] { mnuChiudi_Click(); });
  connect(mnuAzzera, &QAction::triggered, this, [this] { mnuAzzera_Click(); });
  connect(mnuEsci, &QAction::triggered, this, [this] { mnuEsci_Click(); });

  SetDesignSize(designWidth, designHeight);

  BottoneAvanti = AddControl(new platform::CommandButton(QString(), Surface()), rettangoloAvanti.left(),
                             rettangoloAvanti.top(), rettangoloAvanti.width(), rettangoloAvanti.height());
  BottoneAvanti->setIcon(FrecciaAvanti());
  BottoneAvanti->setIconSize(QSize(64, 40));
  BottoneAvanti->setEnabled(false);
  connect(BottoneAvanti, &QPushButton::clicked, this, [this] { BottoneAvanti_Click(); });

  // The grid is laid over the whole window by the window itself, not by the resizer.
  Griglia = new platform::FlexGrid(Surface());
  QFont gf(QStringLiteral("Arial"));
  gf.setPointSize(10);
  Griglia->setFont(gf);
  Griglia->hide();
  // Shown, the grid takes the keys from the exercise under it.
  platform::CoverWhenShown(Griglia);
}

void ExerciseWindow::LegaRidimensiona() { Module1::NuovoRidimensiona(this); }

void ExerciseWindow::OccupaSchermo() {
  CopriSchermo();
  StatusBar1->SetHeightTwips(500);
  CheckResize();
}

void ExerciseWindow::PosizionaGriglia() {
  Griglia->hide();
  Griglia->setGeometry(0, 0, Surface()->width(), Surface()->height());
}

void ExerciseWindow::ImpostaColonne(const std::vector<int>& fattori, const std::vector<QString>& intestazioni,
                                    const std::vector<int>& centrate, int colonnaTesto) {
  PosizionaGriglia();
  const int colonne = static_cast<int>(fattori.size());
  Griglia->SetCols(colonne);
  const long u = platform::RoundHalfEven(Width()) / 36;
  for (int k = 0; k < colonne; ++k) {
    Griglia->SetColWidth(k, static_cast<int>(fattori[static_cast<size_t>(k)] * u));
    if (k != colonnaTesto) Griglia->SetColAlignment(k, platform::flexAlignCenterCenter);
  }
  Griglia->SetRows(1);
  Griglia->SetRow(0);
  rigaItem_ = 0;
  for (size_t i = 0; i < intestazioni.size() && static_cast<int>(i) + 1 < colonne; ++i) {
    Griglia->SetTextMatrix(0, static_cast<int>(i) + 1, intestazioni[i]);
  }
  for (int k : centrate) {
    if (k < 0 || k >= colonne) continue;
    Griglia->SetCol(k);
    Griglia->SetCellAlignment(platform::flexAlignCenterCenter);
  }
}

int ExerciseWindow::AggiungiRiga(const QString& testo) {
  Griglia->SetRows(Griglia->Rows() + 1);
  const int riga = Griglia->Rows() - 1;
  Griglia->SetRow(riga);
  Griglia->SetTextMatrix(riga, 0, QString::number(riga));
  Griglia->SetCol(1);
  Griglia->SetTextMatrix(riga, 1, testo);
  rigaItem_ = riga;
  return riga;
}

QMenu* ExerciseWindow::AggiungiMenuEsercizio(const QString& titolo, QAction* prima) {
  auto* menu = new QMenu(titolo, menuBar());  // goes with the menu bar at unload
  menuBar()->insertMenu(prima != nullptr ? prima : mnuAzzera, menu);
  menuEsercizio_.push_back(menu->menuAction());
  return menu;
}

ExerciseWindow::MenuScelte ExerciseWindow::AggiungiMenuScelte(const QString& titolo,
                                                             const std::vector<QString>& didascalie, int primo,
                                                             int spuntata, std::function<void(int)> scelta,
                                                             bool tasti, Qt::KeyboardModifiers modificatori) {
  MenuScelte m;
  m.menu = AggiungiMenuEsercizio(titolo);
  m.voci.assign(static_cast<size_t>(primo), nullptr);
  for (size_t k = 0; k < didascalie.size(); ++k) {
    const int indice = primo + static_cast<int>(k);
    QAction* a = m.menu->addAction(didascalie[k]);
    a->setCheckable(true);
    a->setChecked(indice == spuntata);
    if (tasti) a->setShortcut(QKeyCombination(modificatori, static_cast<Qt::Key>(Qt::Key_F1 + static_cast<int>(k))));
    m.voci.push_back(a);
  }
  const std::vector<QAction*> voci = m.voci;
  for (int indice = primo; indice < static_cast<int>(voci.size()); ++indice) {
    connect(voci[static_cast<size_t>(indice)], &QAction::triggered, this, [voci, indice, scelta] {
      Spunta(voci, indice);
      if (scelta) scelta(indice);
    });
  }
  return m;
}

bool ExerciseWindow::ClasseDaMenu(const std::vector<QAction*>& voci, int Index, int spuntata, bool usabile) {
  if (usabile) return true;
  Spunta(voci, spuntata);
  voci[static_cast<size_t>(Index)]->setEnabled(false);
  SegnalaFileMancanti(CostruisciFosku::ListFilesOf(Index), QStringLiteral("Non posso mostrare i verbi di questa coniugazione"));
  return false;
}

void ExerciseWindow::Spunta(const std::vector<QAction*>& voci, int indice) {
  for (size_t k = 0; k < voci.size(); ++k) {
    if (voci[k] != nullptr) voci[k]->setChecked(static_cast<int>(k) == indice);
  }
}

void ExerciseWindow::CentraEtichetta(QLabel* etichetta, QWidget* riquadro) {
  if (etichetta == nullptr || riquadro == nullptr) return;
  etichetta->setWordWrap(false);
  etichetta->adjustSize();
  const int margine = 2 * riquadro->fontMetrics().averageCharWidth();
  if (etichetta->width() > riquadro->width() - margine && riquadro->width() > margine) {
    // Longer than the box: the text wraps at word boundaries inside it.
    const int larghezza = riquadro->width() - margine;
    etichetta->setWordWrap(true);
    etichetta->setAlignment(Qt::AlignCenter);
    etichetta->resize(larghezza, etichetta->heightForWidth(larghezza));
  }
  etichetta->move((riquadro->width() - etichetta->width()) / 2, (riquadro->height() - etichetta->height()) / 2);
}

void ExerciseWindow::ScriviPannelli() {
  StatusBar1->SetPanelText(1, config_.etichettaEsatti + QString::number(Module1::Esatti));
  StatusBar1->SetPanelText(2, config_.etichettaErrati + QString::number(Module1::Errati));
}

std::vector<QAction*> ExerciseWindow::VociEsercizio() const {
  std::vector<QAction*> voci;
  if (config_.visualNascostoInGriglia) voci.push_back(mnuVisual);
  voci.push_back(mnuEsci);
  voci.push_back(mnuAzzera);
  if (mnuFont != nullptr) voci.push_back(mnuFont);
  voci.insert(voci.end(), menuEsercizio_.begin(), menuEsercizio_.end());
  return voci;
}

void ExerciseWindow::mnuVisual_Click() {
  Griglia->raise();
  Griglia->show();
  mnuChiudi->setVisible(true);
  for (QAction* a : VociEsercizio()) a->setVisible(false);
}

void ExerciseWindow::mnuChiudi_Click() {
  Griglia->hide();
  mnuChiudi->setVisible(false);
  for (QAction* a : VociEsercizio()) a->setVisible(true);
  RiportaFuoco();
}

QWidget* ExerciseWindow::ControlloAvanti() const {
  if (BottoneAvanti != nullptr && BottoneAvanti->isEnabled() && !BottoneAvanti->isHidden()) return BottoneAvanti;
  return nullptr;
}

void ExerciseWindow::FuocoDoveSiRisponde() {
  if (Griglia == nullptr || Griglia->isVisible()) return;
  QWidget* posto = DoveSiRisponde();
  if (posto == nullptr) posto = ControlloAvanti();
  if (posto != nullptr) posto->setFocus(Qt::OtherFocusReason);
}

void ExerciseWindow::RiportaFuoco() {
  const QWidget* f = focusWidget();
  if (f != nullptr && f->isEnabled() && f->isVisible() && Surface()->isAncestorOf(f)) return;
  FuocoDoveSiRisponde();
}

void ExerciseWindow::ContaRisposta(bool giusta, bool suono) {
  Module1::Aggiungi(giusta ? Module1::Esatti : Module1::Errati);
  if (suono) {
    if (giusta) {
      ModuloColoriSuoni::SuonoGiusto();
    } else {
      ModuloColoriSuoni::SuonoSbagliato();
    }
  }
  ScriviPannelli();
}

void ExerciseWindow::mnuAzzera_Click() {
  AzzeraContatori();
  RiportaFuoco();
}

void ExerciseWindow::AzzeraContatori() {
  Module1::Esatti = 0;
  Module1::Errati = 0;
  ScriviPannelli();
}

void ExerciseWindow::mnuStamp_Click() { Stampa::ComandoStampa(this, *Griglia, config_.orientamentoStampa); }

namespace {
std::function<platform::Form*()>& FinestraMenu() {
  static std::function<platform::Form*()> menu;
  return menu;
}
}  // namespace

void ExerciseWindow::RegistraFinestraMenu(std::function<platform::Form*()> menu) { FinestraMenu() = std::move(menu); }

void ExerciseWindow::TornaAlMenu(platform::Form* da) {
  if (FinestraMenu()) {
    platform::ChangeWindow(da, FinestraMenu()());
  } else {
    da->Unload();
  }
}

void ExerciseWindow::mnuEsci_Click() { TornaAlMenu(this); }

void ExerciseWindow::BottoneAvanti_Click() {
  BottoneAvanti->setEnabled(false);
  GeneraEsercizio();
}

void ExerciseWindow::mnuFont_Click() {
  QWidget* etichetta = EtichettaFont();
  if (etichetta == nullptr) return;
  CommDlgs::ShowFontDialog(this, etichetta);  // on cancel the label keeps its font
  const QFont f = etichetta->font();
  const long size = platform::RoundHalfEven(f.pointSizeF());
  if (f.family().isEmpty() || size < 1 || size > 32767) {
    platform::MsgBox(this, QStringLiteral("selezionare sia il tipo di font che la dimensione"), platform::vbCritical);
    RiportaFuoco();
    return;
  }
  ModuloPerIni::Impostazioni.NomeFont[static_cast<size_t>(config_.gruppoFont)] = f.family().toStdString();
  ModuloPerIni::Impostazioni.DimensioneFont[static_cast<size_t>(config_.gruppoFont)] = static_cast<std::int16_t>(size);
  DopoFont();
  RiportaFuoco();
}

void ExerciseWindow::SegnalaFileMancanti(const std::vector<std::string>& files, const QString& apertura,
                                         int icona) {
  platform::MsgBox(this, MessaggioFileDati(apertura, files), icona);
}

bool ExerciseWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* tasto = static_cast<QKeyEvent*>(event);
    const QKeySequence sequenza(tasto->keyCombination());
    std::vector<QAction*> azioni = {mnuVisual, mnuStamp, mnuChiudi, mnuFont};
    for (QAction* a : azioni) {
      // Left unaccepted, the override lets the menu's shortcut run instead of the box's own key.
      if (a != nullptr && a->isVisible() && a->isEnabled() && a->shortcut() == sequenza) return true;
    }
  }
  return platform::Form::eventFilter(watched, event);
}

void ExerciseWindow::Form_Resize() {
  if (Module1::Ridimensiona) Module1::Ridimensiona->ResizeControls();
  if (Griglia != nullptr) Griglia->setGeometry(0, 0, Surface()->width(), Surface()->height());
  Ridisponi();
}

void ExerciseWindow::Form_Unloaded() {
  Griglia = nullptr;
  StatusBar1 = nullptr;
  BottoneAvanti = nullptr;
  mnuUtil = nullptr;
  mnuVisual = mnuStamp = mnuChiudi = mnuFont = mnuAzzera = mnuEsci = nullptr;
  rigaItem_ = 0;
  menuEsercizio_.clear();
}
