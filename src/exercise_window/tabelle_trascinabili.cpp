#include "exercise_window/tabelle_trascinabili.h"

#include <QStringList>
#include <algorithm>
#include <limits>

#include "conjugation/verb_lists.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "services/fontfit.h"

std::vector<QRectF> DisposizioneTabelle::Caselle(int n, int colonne, bool lungoLeColonne, double top, double passo,
                                                 double larghezza, double altezza) {
  constexpr double kMargine = 120;
  const int righe = (n + colonne - 1) / colonne;
  std::vector<QRectF> caselle;
  for (int i = 0; i < n; ++i) {
    const int colonna = lungoLeColonne ? i / righe : i % colonne;
    const int riga = lungoLeColonne ? i % righe : i / colonne;
    caselle.emplace_back(kMargine + colonna * (larghezza + kMargine), top + riga * passo, larghezza, altezza);
  }
  return caselle;
}

namespace {

constexpr const char* kOccupata = "occupata";
// Pixels between a label's edge and its text (border and indent on either side).
constexpr int kMarginePx = 6;

// The room for text in the smallest of some labels, in twips: the smallest width less border and
// indent on either side, the smallest height less the border.
QSizeF SpazioMinimo(const std::vector<QWidget*>& controlli) {
  if (controlli.empty()) return {};
  double w = std::numeric_limits<double>::max(), h = std::numeric_limits<double>::max();
  for (QWidget* c : controlli) {
    const QRectF r = platform::TwipsRect(c);
    w = std::min(w, r.width());
    h = std::min(h, r.height());
  }
  return {w - 2 * kMarginePx * platform::TwipsPerPixelX(), h - 2 * platform::TwipsPerPixelY()};
}

}  // namespace

TabelleTrascinabili::TabelleTrascinabili(Finestra finestra, ConfigTabelle config)
    : ExerciseWindow(finestra), tab_(std::move(config)) {}

void TabelleTrascinabili::Form_Load() {
  const DisposizioneTabelle& d = tab_.disposizione;
  CostruisciScheletro(d.larghezza, d.altezza, d.avanti);

  const int n = NumeroCelle();
  for (int k = 0; k < n; ++k) {
    const QRectF& r = d.posti.at(static_cast<size_t>(k));
    auto* s = AddControl(new QFrame(Surface()), r.left(), r.top(), r.width(), r.height());
    s->setObjectName(QStringLiteral("Shape1"));
    s->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 1px dashed gray; }"));
    Shape1.push_back(s);
  }
  for (int i = 0; i < n; ++i) {
    const QRectF& r = d.celle.at(static_cast<size_t>(i));
    auto* c = AddControl(new EtichettaBersaglio(i, Surface()), r.left(), r.top(), r.width(), r.height());
    c->setFrameStyle(QFrame::Box | QFrame::Plain);
    c->setAlignment(tab_.allineamentoCelle);
    c->setIndent(kMarginePx - 1);
    platform::SetBackColor(c, platform::colours::GialloChiaro);
    connect(c, &EtichettaBersaglio::Rilasciata, this, [this](int cella, int forma) { Label1_DragDrop(cella, forma); });
    Label1.push_back(c);
  }
  // The forms are not the resizer's: they are laid on their places after every resize.
  for (int i = 0; i < n; ++i) {
    auto* f = new EtichettaTrascinabile(i, Surface());
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setAlignment(Qt::AlignCenter);
    platform::SetBackColor(f, platform::colours::Bianco);
    platform::SetTwipsRect(f, platform::TwipsRect(Shape1[static_cast<size_t>(i)]));
    f->hide();
    Label3.push_back(f);
  }
  posto_.assign(static_cast<size_t>(n), -1);
  testiCelle_.clear();
  CreaControlli();
  LegaRidimensiona();

  // Every cell and form takes the group's font.
  dimensione_ = DimensioneFontGruppo();
  const QFont f(NomeFontGruppo(), dimensione_);
  for (QLabel* c : Label1) c->setFont(f);
  for (QLabel* l : Label3) l->setFont(f);

  LeggiFosku();
  AzzeraContatori();
}

void TabelleTrascinabili::LeggiFosku() { CostruisciFosku::LeggiFosku(); }

void TabelleTrascinabili::Form_Activate() {
  OccupaSchermo();
  ImpostaGriglia();
  StatoIniziale();
  GeneraEsercizio();
}

void TabelleTrascinabili::Form_Unloaded() {
  ExerciseWindow::Form_Unloaded();
  Label1.clear();
  Label3.clear();
  Shape1.clear();
  posto_.clear();
  testiCelle_.clear();
}

void TabelleTrascinabili::ImpostaGriglia() {
  ImpostaColonne(tab_.fattoriGriglia, {tab_.titoloGriglia, QString(), QStringLiteral("Errori"), QStringLiteral("Completato")},
                 {4});
}

int TabelleTrascinabili::PostoDellaForma(int i) const {
  if (i < 0 || i >= static_cast<int>(posto_.size())) return -1;
  return posto_[static_cast<size_t>(i)];
}

void TabelleTrascinabili::SvuotaForme() {
  for (QLabel* l : Label3) {
    l->setText(QString());
    l->hide();
  }
  FormeCollocate = 0;
  NessunItem();
  testiCelle_.clear();
  // A new item is not complete: the next item waits for it.
  BottoneAvanti->setEnabled(false);
}

void TabelleTrascinabili::ImpostaTestiCelle(std::vector<QString> testi) { testiCelle_ = std::move(testi); }

void TabelleTrascinabili::ScombinaForme() {
  const int n = NumeroCelle();
  for (QFrame* s : Shape1) platform::SetTag(s, QString());
  for (int i = 0; i < n; ++i) {
    // A place drawn among those still free: there is always one, as there are as many as forms.
    const auto k = platform::DrawUsable(
        0, n - 1, [this](int p) { return platform::Tag(Shape1[static_cast<size_t>(p)]).isEmpty(); });
    if (!k) break;
    posto_[static_cast<size_t>(i)] = *k;
    platform::SetTwipsRect(Label3[static_cast<size_t>(i)], platform::TwipsRect(Shape1[static_cast<size_t>(*k)]));
    platform::SetTag(Shape1[static_cast<size_t>(*k)], QString::fromLatin1(kOccupata));
  }
  for (QLabel* l : Label3) {
    l->show();
    l->raise();
  }
  AdattaCaratteri();
}

void TabelleTrascinabili::AdattaCaratteri() {
  if (Label1.empty()) return;
  const QString nome = NomeFontGruppo();
  int dimensione = DimensioneFontGruppo();
  QStringList forme;
  for (QLabel* l : Label3) forme << l->text();
  QStringList celle;
  for (const QString& t : testiCelle_) celle << t;
  const QSizeF posto = SpazioMinimo(std::vector<QWidget*>(Label3.begin(), Label3.end()));
  const QSizeF cella = SpazioMinimo(std::vector<QWidget*>(Label1.begin(), Label1.end()));
  dimensione = FontFit::LargestFittingSize(nome, forme, posto.width(), posto.height(), dimensione);
  dimensione = FontFit::LargestFittingSize(nome, celle, cella.width(), cella.height(), dimensione);
  dimensione_ = dimensione;
  const QFont f(nome, dimensione);
  for (QLabel* c : Label1) c->setFont(f);
  for (QLabel* l : Label3) l->setFont(f);
  Label1[0]->setFont(ConStile(f));  // the styles chosen in the dialog stay on the first cell alone
}

QFont TabelleTrascinabili::ConStile(QFont f) const {
  f.setBold(grassetto_);
  f.setItalic(corsivo_);
  f.setUnderline(sottolineato_);
  return f;
}

void TabelleTrascinabili::DopoFont() {
  const QFont scelto = Label1[0]->font();
  grassetto_ = scelto.bold();
  corsivo_ = scelto.italic();
  sottolineato_ = scelto.underline();
  AdattaCaratteri();
}

QWidget* TabelleTrascinabili::EtichettaFont() {
  if (Label1.empty()) return nullptr;
  // The dialog starts from the group's font as set, not from a size shrunk to fit the cells.
  Label1[0]->setFont(ConStile(QFont(NomeFontGruppo(), DimensioneFontGruppo())));
  return Label1[0];
}

void TabelleTrascinabili::Ridisponi() {
  if (Label3.empty()) return;
  // The resizer scaled the places: every form lies on its place again.
  for (size_t i = 0; i < Label3.size(); ++i) {
    const int k = posto_[i] >= 0 ? posto_[i] : static_cast<int>(i);
    platform::SetTwipsRect(Label3[i], platform::TwipsRect(Shape1[static_cast<size_t>(k)]));
  }
  AdattaCaratteri();
}

void TabelleTrascinabili::Label1_DragDrop(int Index, int Trascinata) {
  const int n = NumeroCelle();
  if (Index < 0 || Index >= n || Trascinata < 0 || Trascinata >= static_cast<int>(Label3.size())) return;
  // No item on show, or a form that is no longer there to be dragged.
  if (RigaItem() == 0 || Label3[static_cast<size_t>(Trascinata)]->isHidden()) return;
  // A filled cell takes nothing.
  if (!CellaLibera(Index)) return;
  if (FormaGiusta(Index, Trascinata)) {
    ++FormeCollocate;
    Label3[static_cast<size_t>(Trascinata)]->hide();
    RiempiCella(Index, Trascinata);
    ContaRisposta(true);
    if (FormeCollocate >= tab_.formeDaCollocare) {
      Griglia->SetTextMatrix(RigaItem(), 4, QStringLiteral("*"));
      BottoneAvanti->setEnabled(true);
      BottoneAvanti->setFocus();
    }
  } else {
    ContaRisposta(false);
    Griglia->SetTextMatrix(RigaItem(), 3, Griglia->TextMatrix(RigaItem(), 3) + QStringLiteral("*"));
  }
}
