#include "exercises/sentences/form9_recognise_verb.h"

#include <QMenuBar>
#include <algorithm>

#include "platform/paths.h"
#include "platform/twips.h"

Form9::Form9()
    : TavolaParole(Finestra::Form9, 7815, 5640, 1440, QStringLiteral("clicca sul predicato")) {}

std::string Form9::FileDelLivello(int livello) { return "\\testifosku\\3\\liv" + std::to_string(livello) + ".txt"; }

void Form9::CaricaFinestra() {
  mnuLivelli = AggiungiMenuEsercizio(QStringLiteral("&Esercizio     "), mnuEsci);
  auto* gruppo = new QActionGroup(mnuLivelli);  // goes with the menu when the window unloads
  for (int i = 1; i <= 5; ++i) {
    QAction* a = mnuLivelli->addAction(QStringLiteral("livello %1").arg(i));
    a->setCheckable(true);
    a->setShortcut(QKeySequence(Qt::Key_F1 + (i - 1)));
    gruppo->addAction(a);
    connect(a, &QAction::triggered, this, [this, i] { mnuliv_Click(i); });
    mnuliv[static_cast<size_t>(i)] = a;
  }
  mnuliv[1]->setChecked(true);

  Livello = 1;
  PercorsoFrasi = platform::ProgramPath(FileDelLivello(1));
  LeggiFrasi(FileDelLivello(1));
}

void Form9::ImpostaGriglia() {
  // The level is centred, the sentence left.
  ImpostaColonne({1, 1, 12, 5}, {QStringLiteral("liv."), QStringLiteral("frase"), QStringLiteral("errori")}, {2, 3}, 2);
}

bool Form9::RigaUsabile(const std::vector<PezzoFrase>& pezzi) const {
  return std::any_of(pezzi.begin(), pezzi.end(),
                     [](const PezzoFrase& p) { return !p.nascosto() && !p.testo.isEmpty() && p.predicato(); });
}

void Form9::PreparaFrase() {
  // The level can change only between a right answer and the next sentence.
  mnuLivelli->menuAction()->setEnabled(false);
}

void Form9::NessunaFrase() { mnuLivelli->menuAction()->setEnabled(true); }

void Form9::Label3_Click(int Index) {
  if (Index < 0 || Index >= static_cast<int>(Label3.size())) return;
  EtichettaParola* l = Label3[static_cast<size_t>(Index)];
  if (ValoreEtichetta(platform::Tag(l)) == 1.0) {
    platform::SetBackColor(l, platform::colours::Verde);
    RiempiGriglia(QString());
    ContaRisposta(true);
    mnuLivelli->menuAction()->setEnabled(true);
    MostraAvanti(true);
    for (EtichettaParola* p : Label3) p->setEnabled(false);
  } else {
    ContaRisposta(false);
    platform::SetBackColor(l, platform::colours::Rosso);
    RiempiGriglia(l->text());
  }
}

void Form9::RiempiGriglia(const QString& Stringa) {
  QString frase;
  for (const EtichettaParola* l : Label3) frase += l->text();
  AggiungiRisultato({QString::number(Livello), frase, Stringa});
}

void Form9::mnuliv_Click(int Index) {
  if (Index < 1 || Index > 5) return;
  std::vector<std::string> frasi = Frasi;
  const int numero = NumeroFrasi;
  LeggiFrasi(FileDelLivello(Index));
  if (std::all_of(Frasi.begin(), Frasi.end(), [](const std::string& r) { return r.empty(); })) {
    // A level with no sentence to show is not taken: the level in use, its check mark and the
    // sentence on show stay.
    Frasi = std::move(frasi);
    NumeroFrasi = numero;
    mnuliv[static_cast<size_t>(Livello)]->setChecked(true);
    SegnalaFileMancanti({FileDelLivello(Index)}, QStringLiteral("Non posso mostrare le frasi di questo livello"));
    return;
  }
  mnuliv[static_cast<size_t>(Index)]->setChecked(true);
  Livello = Index;
  PercorsoFrasi = platform::ProgramPath(FileDelLivello(Index));
  MostraAvanti(false);
  GeneraFrase();
}

void Form9::Form_Unloaded() {
  TavolaParole::Form_Unloaded();
  mnuLivelli = nullptr;
  mnuliv.fill(nullptr);
}
