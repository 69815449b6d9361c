#include "exercises/sentences/tavola_parole.h"

#include <QMouseEvent>
#include <algorithm>

#include "exercise_window/righe_dati.h"
#include "conjugation/verb_lists.h"
#include "platform/random.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "services/fontfit.h"
#include "settings/moduloperini.h"

namespace {
QString Rifinito(const QString& s) { return s.trimmed(); }
}  // namespace

double ValoreEtichetta(const QString& etichetta) {
  const QString t = etichetta.trimmed();
  qsizetype i = 0;
  if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) ++i;
  while (i < t.size() && (t[i].isDigit() || t[i] == QLatin1Char('.'))) ++i;
  // Only the leading number counts ("1abc" is 1); a second "." ends it.
  QString numero = t.left(i);
  const qsizetype secondo = numero.indexOf(QLatin1Char('.'), numero.indexOf(QLatin1Char('.')) + 1);
  if (numero.indexOf(QLatin1Char('.')) >= 0 && secondo > 0) numero = numero.left(secondo);
  bool ok = false;
  const double v = numero.toDouble(&ok);
  return ok ? v : 0.0;
}

bool PezzoFrase::predicato() const { return ValoreEtichetta(etichetta) == 1.0; }

std::vector<PezzoFrase> AnalizzaPezzi(const std::string& testo) {
  QString riga = Rifinito(QString::fromStdString(testo));
  if (!riga.isEmpty()) riga[0] = riga[0].toUpper();
  std::vector<PezzoFrase> pezzi;
  QString buffer;
  bool attesoTesto = true;
  for (const QChar c : riga) {
    if (c != QLatin1Char('#')) {
      buffer += c;
      continue;
    }
    if (attesoTesto) {
      pezzi.push_back({Rifinito(buffer), QString()});
    } else {
      pezzi.back().etichetta = Rifinito(buffer);
    }
    attesoTesto = !attesoTesto;
    buffer.clear();
  }
  return pezzi;  // what follows the last "#" is dropped
}

void EtichettaParola::mouseReleaseEvent(QMouseEvent* e) {
  QLabel::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton && isEnabled() && rect().contains(e->position().toPoint())) emit clicked();
}

TavolaParole::TavolaParole(Finestra finestra, double designWidth, double designHeight, double topParole,
                           QString istruzione)
    : ExerciseWindow(finestra),
      designWidth_(designWidth),
      designHeight_(designHeight),
      topParole_(topParole),
      istruzione_(std::move(istruzione)) {}

void TavolaParole::Form_Load() {
  CostruisciScheletro(designWidth_, designHeight_, QRectF());
  BottoneAvanti->hide();  // the "Avanti" panel of the status bar draws the next sentence
  platform::StatusBar* barra = StatusBar1;
  barra->SetPanelText(3, QStringLiteral("Avanti"));
  QFont grassetto = barra->Panel(3)->font();
  grassetto.setBold(true);
  barra->Panel(3)->setFont(grassetto);
  barra->Panel(3)->setAlignment(Qt::AlignCenter);
  barra->Panel(3)->hide();
  connect(barra, &platform::StatusBar::PanelClick, this, [this](int p) { StatusBar1_PanelClick(p); });

  Label1 = AddControl(new QLabel(istruzione_, Surface()), 240, 240, 7335, 495);
  QFont f1(QStringLiteral("Arial"));
  f1.setPointSizeF(14.25);
  Label1->setFont(f1);

  // The first word label stands where the window's design puts it; the others follow it.
  auto* prima = AddControl(new EtichettaParola(Surface()), 240, topParole_, 1000, 375);
  prima->setAutoFillBackground(true);
  connect(prima, &EtichettaParola::clicked, this, [this] { Label3_Click(0); });
  Label3.assign(1, prima);
  CaricaFinestra();

  LegaRidimensiona();
  AzzeraContatori();
}

void TavolaParole::Form_Activate() {
  OccupaSchermo();
  ImpostaFont();
  ImpostaGriglia();
  GeneraFrase();
}

void TavolaParole::LeggiFrasi(const std::string& file) {
  Frasi = LeggiRighe(file, kCapacita);
  NumeroFrasi = static_cast<int>(Frasi.size()) - 1;
  // A line of blanks, or one that no answer could solve, takes its row but holds no sentence.
  for (size_t r = 1; r < Frasi.size(); ++r) {
    if (!RigaUsabile(AnalizzaPezzi(Frasi[r]))) Frasi[r].clear();
  }
}

EtichettaParola* TavolaParole::NuovaParola() {
  auto* l = new EtichettaParola(Surface());
  const auto k = static_cast<int>(Label3.size());
  l->setFont(Label3[0]->font());
  l->setAutoFillBackground(true);
  l->setPalette(Label3[0]->palette());
  l->setEnabled(Label3[0]->isEnabled());
  platform::SetTag(l, platform::Tag(Label3[0]));
  l->hide();
  connect(l, &EtichettaParola::clicked, this, [this, k] { Label3_Click(k); });
  Label3.push_back(l);
  return l;
}

void TavolaParole::TogliParole() {
  for (size_t k = 1; k < Label3.size(); ++k) {
    Label3[k]->hide();
    Label3[k]->deleteLater();
  }
  Label3.resize(1);
}

void TavolaParole::GeneraFrase() {
  EtichettaParola* prima = Label3[0];
  platform::SetBackColor(prima, platform::colours::Bianco);
  prima->setEnabled(true);
  TogliParole();

  // A sentence too long for the window even at the smallest size is left for this draw.
  std::vector<bool> troppoLunga(Frasi.size(), false);
  for (;;) {
    PreparaFrase();
    const auto riga = platform::DrawUsable(1, NumeroFrasi, [&](int r) {
      return !Frasi[static_cast<size_t>(r)].empty() && !troppoLunga[static_cast<size_t>(r)];
    });
    if (!riga) {
      // Nothing to show: not even an empty word label stays on the window.
      prima->setText(QString());
      prima->setEnabled(false);
      prima->hide();
      NessunaFrase();
      SegnalaFileMancanti(FileFrasi());
      return;
    }
    // The sentence row drawn is kept in the engine's current-item index, as the verb windows keep theirs.
    CostruisciFosku::IndiceEstratto = *riga;
    const auto pezzi = AnalizzaPezzi(Frasi[static_cast<size_t>(*riga)]);
    for (size_t k = 0; k < pezzi.size(); ++k) {
      EtichettaParola* l = k == 0 ? prima : NuovaParola();
      PreparaParola(l, pezzi[k]);
      platform::SetTag(l, pezzi[k].etichetta);
    }
    if (DisponiParole()) {
      FuocoDoveSiRisponde();
      return;
    }
    troppoLunga[static_cast<size_t>(*riga)] = true;
    TogliParole();
  }
}

void TavolaParole::PreparaParola(EtichettaParola* l, const PezzoFrase& p) {
  if (p.nascosto()) {
    // A bracketed chunk takes a label but shows nothing and takes no room.
    l->setText(QString());
    l->hide();
  } else {
    // The first word shown begins the sentence with a capital, also after a hidden chunk.
    QString testo = p.testo;
    const bool prima = std::all_of(Label3.begin(), std::find(Label3.begin(), Label3.end(), l),
                                   [](const EtichettaParola* e) { return e->text().trimmed().isEmpty(); });
    if (prima && !testo.isEmpty()) testo[0] = testo[0].toUpper();
    l->setText(testo + QStringLiteral(" "));
    l->show();
  }
}

int TavolaParole::FondoParole() const { return Surface()->height(); }

bool TavolaParole::FluisciParole() {
  // Shown labels take the size of their text; hidden ones no room.
  for (EtichettaParola* l : Label3) {
    if (l->isHidden()) {
      l->resize(0, l->height());
    } else {
      l->adjustSize();
    }
  }
  const int limite = Surface()->width();
  for (size_t k = 1; k < Label3.size(); ++k) {
    const QWidget* prima = Label3[k - 1];
    EtichettaParola* l = Label3[k];
    int left = prima->x() + prima->width();
    int top = prima->y();
    if (left + l->width() >= limite) {
      // The line is full: on to a new line, two label heights lower.
      left = Label3[0]->x();
      top = prima->y() + 2 * l->height();
    }
    l->move(left, top);
  }
  const int fondo = FondoParole();
  for (const EtichettaParola* l : Label3) {
    if (l->isHidden()) continue;
    if (l->x() + l->width() > limite || l->y() + l->height() > fondo) return false;
  }
  return true;
}

QFont TavolaParole::FontGruppo() const {
  QFont f(NomeFontGruppo());
  f.setPointSize(std::max(1, DimensioneFontGruppo()));
  f.setBold(true);
  return f;
}

bool TavolaParole::DisponiParole() {
  if (Label3.empty()) return true;
  const QFont gruppo = FontGruppo();
  auto allaMisura = [&](int punti) {
    QFont f = gruppo;
    f.setPointSize(punti);
    for (EtichettaParola* l : Label3) l->setFont(f);
    return FluisciParole();
  };
  if (allaMisura(gruppo.pointSize())) return true;
  // Too long for the room at the chosen size: the whole sentence a little smaller.
  const int punti = FontFit::LargestSize(kPuntiMinimi, gruppo.pointSize(), allaMisura);
  return allaMisura(punti);
}

QWidget* TavolaParole::EtichettaFont() {
  if (Label3.empty()) return nullptr;
  Label3[0]->setFont(FontGruppo());
  return Label3[0];
}

void TavolaParole::ImpostaFont() {
  // The group's font, bold, on every word label; a sentence too long for it is made smaller.
  DisponiParole();
}

void TavolaParole::MostraAvanti(bool si) {
  if (QLabel* p = StatusBar1->Panel(3)) p->setVisible(si);
}

void TavolaParole::StatusBar1_PanelClick(int Panel) {
  QLabel* avanti = StatusBar1->Panel(3);
  // Only the "Avanti" panel, and only while it is shown, draws the next sentence.
  if (Panel != 3 || avanti == nullptr || avanti->isHidden()) return;
  avanti->hide();
  GeneraFrase();
}

void TavolaParole::AggiungiRisultato(const std::vector<QString>& celle) {
  const int riga = AggiungiRiga(celle.empty() ? QString() : celle[0]);
  for (size_t k = 1; k < celle.size(); ++k) Griglia->SetTextMatrix(riga, static_cast<int>(k) + 1, celle[k]);
}

void TavolaParole::Form_Unloaded() {
  ExerciseWindow::Form_Unloaded();
  Label1 = nullptr;
  Label3.clear();
}
