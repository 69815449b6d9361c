#include "exercises/verbs/form10_complete_tables.h"

#include <QStringList>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "exercises/verbs/estrazione_verbi.h"
#include "platform/random.h"
#include "platform/twips.h"

namespace {

constexpr int kTempiTabelle = 14;  // presente indicativo to passato condizionale
constexpr std::uint32_t kRigaPiena = platform::colours::AzzurroChiaro;

// The tenses of levels 1 to 4; level 5 draws four different ones.
constexpr std::array<std::array<int, 4>, 4> kTempiLivello = {{
    {0, 1, 2, 3},     // indicativo, simple tenses
    {4, 5, 6, 7},     // indicativo, compound tenses
    {8, 9, 10, 11},   // congiuntivo
    {8, 9, 12, 13},   // congiuntivo and condizionale
}};

// Four tables side by side, each a title and six rows; below them the twenty-four places, four
// per row.
DisposizioneTabelle Disposizione() {
  DisposizioneTabelle d;
  d.larghezza = 15360;
  d.altezza = 10560;
  d.celle = DisposizioneTabelle::Caselle(24, 4, true, 960, 600, 3690, 540);
  d.posti = DisposizioneTabelle::Caselle(24, 4, false, 4920, 600, 3690, 540);
  d.avanti = QRectF(6720, 8880, 1920, 900);
  return d;
}

QString Testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Form10::Form10()
    : TabelleTrascinabili(Finestra::Form10, {.disposizione = Disposizione(),
                                             .titoloGriglia = QStringLiteral("Tabelle dei fosku"),
                                             .fattoriGriglia = {1, 15, 4, 2, 2},
                                             .formeDaCollocare = 24,
                                             .allineamentoCelle = Qt::AlignLeft | Qt::AlignVCenter}) {}

void Form10::CreaControlli() {
  QFont titolo(NomeFontGruppo(), 12);
  titolo.setBold(true);
  for (size_t k = 0; k < Label2.size(); ++k) {
    const QRectF cella = platform::TwipsRect(Label1[6 * k]);
    auto* l = AddControl(new QLabel(Surface()), cella.left(), 120, cella.width(), 780);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setFont(titolo);
    Label2[k] = l;
  }
  const MenuScelte livelli = AggiungiMenuScelte(
      QStringLiteral("Modi - &Tempi"),
      {QStringLiteral("Indicativo - tempi semplici"), QStringLiteral("Indicativo - tempi composti"),
       QStringLiteral("Congiuntivo"), QStringLiteral("Congiuntivo - condizionale"), QStringLiteral("Casuale")},
      1, 1, [this](int Index) { mnulivello_Click(Index); }, true);
  mnuliv = livelli.menu;
  mnulivello = livelli.voci;
  const MenuScelte classi = AggiungiMenuScelte(
      QStringLiteral("Declinazioni"),
      {QStringLiteral("prima"), QStringLiteral("seconda"), QStringLiteral("terza"), QStringLiteral("essere"),
       QStringLiteral("avere")},
      0, 3, [this](int Index) { mnud_Click(Index); }, true, Qt::ControlModifier);
  mnuDec = classi.menu;
  mnud = classi.voci;
}

void Form10::StatoIniziale() {
  Livello = 1;
  ConiugazioneScelta = 3;
}

void Form10::Form_Unloaded() {
  TabelleTrascinabili::Form_Unloaded();
  Label2.fill(nullptr);
  mnuliv = mnuDec = nullptr;
  mnulivello.clear();
  mnud.clear();
}

void Form10::mnulivello_Click(int Index) {
  if (Index < 1 || Index > 5) return;
  Livello = Index;
  Spunta(mnulivello, Index);
  GeneraEsercizio();
}

void Form10::mnud_Click(int Index) {
  if (Index < 0 || Index > 4) return;
  if (!ClasseDaMenu(mnud, Index, ConiugazioneScelta, EstrazioneVerbi::ClasseUsabile(Index))) return;
  ConiugazioneScelta = Index;
  Spunta(mnud, Index);
  GeneraEsercizio();
}

bool Form10::CellaLibera(int Index) const { return !platform::Tag(Label1[static_cast<size_t>(Index)]).isEmpty(); }

bool Form10::FormaGiusta(int Index, int Trascinata) const {
  return platform::Tag(Label1[static_cast<size_t>(Index)]) == Label3[static_cast<size_t>(Trascinata)]->text();
}

void Form10::RiempiCella(int Index, int Trascinata) {
  QLabel* riga = Label1[static_cast<size_t>(Index)];
  riga->setText(riga->text() + Label3[static_cast<size_t>(Trascinata)]->text());
  platform::SetBackColor(riga, kRigaPiena);
  platform::SetTag(riga, QString());
}

void Form10::ScegliTempi() {
  if (Livello >= 1 && Livello <= 4) {
    TempiTabelle = kTempiLivello[static_cast<size_t>(Livello - 1)];
    return;
  }
  // Four different tenses, in the order drawn.
  for (size_t k = 0; k < TempiTabelle.size(); ++k) {
    const auto t = platform::DrawUsable(0, kTempiTabelle - 1, [this, k](int t) {
      for (size_t j = 0; j < k; ++j) {
        if (TempiTabelle[j] == t) return false;
      }
      return true;
    });
    TempiTabelle[k] = t.value_or(0);
  }
}

void Form10::GeneraEsercizio() {
  SvuotaForme();
  for (QLabel* riga : Label1) {
    platform::SetBackColor(riga, platform::colours::GialloChiaro);
    platform::SetTag(riga, QString());  // no row takes a form until the item's forms are there
  }
  for (size_t p = 0; p < 6; ++p) {
    for (size_t k = 0; k < 4; ++k) Label1[6 * k + p]->setText(Testo(ModuloFosku::Persone[p]) + QLatin1Char(' '));
  }
  ScegliTempi();
  QStringList titoli;
  for (size_t k = 0; k < 4; ++k) {
    Label2[k]->setText(Testo(ModuloFosku::Tempi[static_cast<size_t>(TempiTabelle[k])]));
    titoli << Label2[k]->text();
  }

  const int c = ConiugazioneScelta;
  if (!EstrazioneVerbi::ClasseUsabile(c)) {
    // The chosen conjugation has no verb to show: the rows stay empty and nothing can be dragged.
    SegnalaFileMancanti(CostruisciFosku::ListFilesOf(c));
    return;
  }
  AggiungiRiga(titoli.join(QStringLiteral(" - ")));
  if (c <= 2) CostruisciFosku::DrawRegularVerb(c);

  std::vector<QString> testi(Label1.size());
  for (size_t k = 0; k < 4; ++k) {
    CostruisciFoskuSenzaPersona::CostruisciForme(TempiTabelle[k], c);
    for (size_t p = 0; p < 6; ++p) Label3[6 * k + p]->setText(Testo(CostruisciFosku::Forme[p]));
  }
  for (size_t i = 0; i < Label1.size(); ++i) {
    platform::SetTag(Label1[i], Label3[i]->text());
    testi[i] = Label1[i]->text() + Label3[i]->text();
  }
  ImpostaTestiCelle(std::move(testi));

  // The verb's infinitive in the grid.
  CostruisciFoskuSenzaPersona::CostruisciForme(ModuloFosku::TempoModiNonFiniti, c);
  Griglia->SetTextMatrix(RigaItem(), 2, Testo(CostruisciFosku::Forme[0]));

  ScombinaForme();
}
