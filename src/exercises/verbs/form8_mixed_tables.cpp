#include "exercises/verbs/form8_mixed_tables.h"

#include "conjugation/forms.h"
#include "conjugation/verb_lists.h"
#include "exercises/verbs/estrazione_verbi.h"
#include "platform/random.h"

namespace {

constexpr int kTempiTabelle = 14;  // presente indicativo to passato condizionale
constexpr int kClassi = 5;

// Two tables side by side, cells 0 to 5 on the left, 6 to 11 on the right, one row per person;
// below them the twelve places, two per row.
DisposizioneTabelle Disposizione() {
  DisposizioneTabelle d;
  d.larghezza = 15360;
  d.altezza = 10560;
  d.celle = DisposizioneTabelle::Caselle(12, 2, true, 120, 660, 7500, 600);
  d.posti = DisposizioneTabelle::Caselle(12, 2, false, 4320, 840, 7500, 600);
  d.avanti = QRectF(6720, 9480, 1920, 900);
  return d;
}

}  // namespace

Form8::Form8()
    : TabelleTrascinabili(Finestra::Form8, {.disposizione = Disposizione(),
                                             .titoloGriglia = QStringLiteral("Tabelle mescolate"),
                                             .fattoriGriglia = {1, 8, 8, 3, 3},
                                             .formeDaCollocare = 11,
                                             .allineamentoCelle = Qt::AlignLeft | Qt::AlignVCenter}) {}

void Form8::CreaControlli() {
  const MenuScelte m = AggiungiMenuScelte(
      QStringLiteral("&Livello"), {QStringLiteral("livello 1"), QStringLiteral("livello 2"), QStringLiteral("livello 3")},
      1, 1, [this](int Index) { mnulivello_Click(Index); }, true);
  mnuliv = m.menu;
  mnulivello = m.voci;
}

void Form8::Form_Unloaded() {
  TabelleTrascinabili::Form_Unloaded();
  mnuliv = nullptr;
  mnulivello.clear();
}

void Form8::mnulivello_Click(int Index) {
  if (Index < 1 || Index > 3) return;
  Livello = Index;
  Spunta(mnulivello, Index);
  GeneraEsercizio();
}

bool Form8::CellaLibera(int Index) const { return Label1[static_cast<size_t>(Index)]->text().trimmed().isEmpty(); }

void Form8::RiempiCella(int Index, int Trascinata) {
  Label1[static_cast<size_t>(Index)]->setText(Label3[static_cast<size_t>(Trascinata)]->text());
}

QString Form8::CostruisciTabella(int k, int Tempo, int Coniugazione) {
  ConiugazioneScelta = Coniugazione;
  RigheTabelle[static_cast<size_t>(k)] = -1;
  // A regular class draws a verb of its list (the class was chosen among those that have one);
  // essere and avere draw nothing and leave the current verb as it was.
  if (Coniugazione <= 2 && CostruisciFosku::DrawRegularVerb(Coniugazione)) {
    RigheTabelle[static_cast<size_t>(k)] = CostruisciFosku::IndiceEstratto;
  }
  CostruisciFosku::CostruisciForme(Tempo, Coniugazione);
  for (size_t p = 0; p < 6; ++p) {
    Label3[static_cast<size_t>(6 * k) + p]->setText(QString::fromStdString(CostruisciFosku::Forme[p]));
  }
  return QString::fromStdString(CostruisciFosku::Forme[0]);
}

void Form8::GeneraEsercizio() {
  for (QLabel* c : Label1) c->setText(QString());
  SvuotaForme();
  CellaEsempio = -1;

  // Two tenses: one at level 2, different otherwise.
  const int t1 = platform::RandomBelow(kTempiTabelle);
  const int t2 = Livello == 2 ? t1
                              : platform::DrawUsable(0, kTempiTabelle - 1, [t1](int t) { return t != t1; })
                                    .value_or(t1);
  // Two classes: one at level 3, different otherwise. A regular class whose list holds no root
  // is never chosen; essere and avere are always there.
  const int c1 = EstrazioneVerbi::ScegliClasse(kClassi);
  if (c1 < 0) return;
  const int c2 = Livello == 3 ? c1
                              : platform::DrawUsable(0, kClassi - 1, [c1](int c) {
                                  return c != c1 && EstrazioneVerbi::ClasseUsabile(c);
                                }).value_or(c1);
  TempiTabelle = {t1, t2};
  ClassiTabelle = {c1, c2};

  AggiungiRiga(CostruisciTabella(0, t1, c1));
  Griglia->SetTextMatrix(RigaItem(), 2, CostruisciTabella(1, t2, c2));

  std::vector<QString> testi;
  for (QLabel* l : Label3) testi.push_back(l->text());
  ImpostaTestiCelle(std::move(testi));
  ScombinaForme();

  // The example: one of cells 0 to 10 comes filled.
  CellaEsempio = platform::RandomBelow(11);
  Label3[static_cast<size_t>(CellaEsempio)]->hide();
  Label1[static_cast<size_t>(CellaEsempio)]->setText(Label3[static_cast<size_t>(CellaEsempio)]->text());
}
