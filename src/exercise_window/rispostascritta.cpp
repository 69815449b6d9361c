#include "exercise_window/rispostascritta.h"

#include <QKeyEvent>

#include "exercise_window/contatori.h"
#include "platform/twips.h"

bool InvioRilasciato(const QEvent* event) {
  if (event == nullptr || event->type() != QEvent::KeyRelease) return false;
  const auto* k = static_cast<const QKeyEvent*>(event);
  return !k->isAutoRepeat() && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter);
}

std::optional<bool> GiudicaScritta(const QString& scritta, const QString& attesa) {
  const QString risposta = scritta.trimmed();
  if (risposta.isEmpty()) return std::nullopt;
  return risposta.toUpper() == attesa.toUpper();
}

namespace {
constexpr double kLarghezza = 10800;  // design inner area, twips
constexpr double kAltezza = 7200;
}  // namespace

RispostaScritta::RispostaScritta(Finestra finestra, ConfigRispostaScritta config)
    : ExerciseWindow(finestra), cfg_(std::move(config)) {}

void RispostaScritta::Form_Load() {
  CostruisciScheletro(kLarghezza, kAltezza, QRectF(4440, 5640, 1920, 1080));
  StatusBar1->SetPanelText(1, QStringLiteral("Esatti"));
  StatusBar1->SetPanelText(2, QStringLiteral("Errati"));
  StatusBar1->SetPanelText(3, QStringLiteral("Avanti"));

  if (cfg_.etichettaConsegna) {
    Label1 = AddControl(new QLabel(Surface()), 360, 240, 10080, 600);
    Label1->setAlignment(Qt::AlignCenter);
    Picture1 = AddControl(new QFrame(Surface()), 360, 960, 10080, 2400);
  } else {
    Picture1 = AddControl(new QFrame(Surface()), 360, 240, 10080, 2880);
  }
  Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  platform::SetBackColor(Picture1, platform::colours::Bianco);
  Label2 = new QLabel(Picture1);
  Label2->setAttribute(Qt::WA_TranslucentBackground);

  // One box across the window, or two side by side.
  const int n = static_cast<int>(cfg_.caselle.size());
  const double spazio = 240;
  const double larghezza = (7920 - spazio * (n - 1)) / n;
  Text1.assign(static_cast<size_t>(n), nullptr);
  for (int i = 0; i < n; ++i) {
    auto* t = AddControl(new QLineEdit(Surface()), 1440 + i * (larghezza + spazio), 3600, larghezza, 900);
    t->setAlignment(Qt::AlignCenter);
    platform::LegibleWhenDisabled(t);  // the answer stays legible once the box is disabled
    t->installEventFilter(this);
    t->setEnabled(i == 0);
    Text1[static_cast<size_t>(i)] = t;
  }

  LegaRidimensiona();

  QFont f(NomeFontGruppo());
  f.setPointSize(DimensioneFontGruppo());
  Label2->setFont(f);
  for (QLineEdit* t : Text1) t->setFont(f);
  if (Label1 != nullptr) {
    QFont l1 = Label1->font();  // keeps its own face, takes the group's size
    l1.setPointSize(DimensioneFontGruppo());
    Label1->setFont(l1);
  }

  LeggiFosku();
  // The counters start again; the panels keep their captions until the first answer.
  Module1::Esatti = 0;
  Module1::Errati = 0;
}

void RispostaScritta::Form_Activate() {
  OccupaSchermo();
  ImpostaGriglia();
  GeneraEsercizio();
}

void RispostaScritta::ImpostaGriglia() {
  ImpostaColonne(cfg_.fattoriColonne, cfg_.intestazioni, cfg_.intestazioniCentrate);
}

void RispostaScritta::GeneraEsercizio() {
  for (size_t i = 0; i < Text1.size(); ++i) {
    Text1[i]->clear();
    Text1[i]->setEnabled(i == 0);
  }
  Label2->setText(QString());
  const auto testo = Estrai();
  if (!testo) {
    // Nothing to draw: there is nothing to answer.
    for (QLineEdit* t : Text1) t->setEnabled(false);
    return;
  }
  Label2->setText(*testo);
  CentraEtichetta(Label2, Picture1);
  AggiungiRiga(Label2->text());
  FuocoDoveSiRisponde();
}

QWidget* RispostaScritta::DoveSiRisponde() const { return PrimoAbilitato(Text1); }

bool RispostaScritta::eventFilter(QObject* watched, QEvent* event) {
  if (InvioRilasciato(event)) {
    for (size_t i = 0; i < Text1.size(); ++i) {
      if (watched == Text1[i]) Text1_KeyUp(static_cast<int>(i), kTastoInvio);
    }
  }
  return ExerciseWindow::eventFilter(watched, event);
}

void RispostaScritta::Text1_KeyUp(int Index, int KeyCode) {
  if (KeyCode != kTastoInvio || Index < 0 || Index >= static_cast<int>(Text1.size())) return;
  QLineEdit* casella = Text1[static_cast<size_t>(Index)];
  // A box that is disabled takes no keys; an item already answered right is not judged again.
  if (!casella->isEnabled() || RigaItem() == 0) return;
  const QString scritta = casella->text();
  const auto giusta = GiudicaScritta(scritta, Attesa(Index));
  if (!giusta) return;
  if (*giusta) {
    Giusta(Index, scritta);
  } else {
    Sbagliata(Index, scritta);
  }
}

void RispostaScritta::Giusta(int Index, const QString& scritta) {
  const CasellaRisposta& c = cfg_.caselle[static_cast<size_t>(Index)];
  QLineEdit* casella = Text1[static_cast<size_t>(Index)];
  casella->setEnabled(false);
  Griglia->SetTextMatrix(RigaItem(), c.colonnaGiusta, c.giustaComeScritta ? scritta : QStringLiteral("*"));
  if (!c.finale) {
    // The next box takes over; nothing is counted yet.
    QLineEdit* prossima = Text1[static_cast<size_t>(Index) + 1];
    prossima->setEnabled(true);
    prossima->setFocus();
    return;
  }
  ContaRisposta(true, c.suonoGiusto);
  BottoneAvanti->setEnabled(true);
  BottoneAvanti->setFocus();
}

void RispostaScritta::Sbagliata(int Index, const QString& scritta) {
  const CasellaRisposta& c = cfg_.caselle[static_cast<size_t>(Index)];
  ContaRisposta(false);
  const QString segno = c.erroreComeScritto ? scritta + QStringLiteral(" ") : QStringLiteral("*");
  Griglia->SetTextMatrix(RigaItem(), c.colonnaErrori, Griglia->TextMatrix(RigaItem(), c.colonnaErrori) + segno);
}

void RispostaScritta::DopoFont() {
  CentraEtichetta(Label2, Picture1);
  QFont f(NomeFontGruppo());
  f.setPointSize(DimensioneFontGruppo());
  for (QLineEdit* t : Text1) t->setFont(f);
}

void RispostaScritta::Form_Unloaded() {
  ExerciseWindow::Form_Unloaded();
  Picture1 = nullptr;
  Label2 = nullptr;
  Label1 = nullptr;
  Text1.clear();
}
