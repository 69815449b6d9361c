#include "exercises/verbs/form11_classification.h"

#include <QEvent>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "exercise_window/rispostascritta.h"
#include "exercises/verbs/estrazione_verbi.h"
#include "platform/random.h"
#include "platform/twips.h"

namespace {

// Design inner area, twips.
constexpr double kLarghezza = 10800;
constexpr double kAltezza = 7800;

constexpr int kTutteLeClassi = 5;
constexpr int kTuttiITempi = 7;

// A step answered right, and a step waiting for its answer.
constexpr std::uint32_t kFatto = platform::colours::Blu;
constexpr std::uint32_t kAperto = platform::colours::AzzurroChiaro;

constexpr const char* kLivelli[8] = {"",
                                     "Indicativo - tempi semplici",
                                     "Indicativo - tempi composti",
                                     "Indicativo - tempi semplici e composti",
                                     "Congiuntivo",
                                     "Indicativo e congiuntivo ",
                                     "Condizionale",
                                     "Tutti"};
constexpr const char* kDeclinazioni[6] = {"prima", "seconda", "terza", "essere", "avere", "tutte"};
constexpr const char* kClassi[5] = {"1°", "2°", "3°", "essere", "avere"};
constexpr const char* kPersone[6] = {"1°", "2°", "3°", "1°", "2°", "3°"};
constexpr const char* kModi[3] = {"indicativo", "congiuntivo", "condizionale"};

// Where each tense option stands in its mood's panel: the simple tenses in the left column,
// the compound ones in the right column, in the order of the tense index.
struct PostoTempo {
  int colonna;
  int riga;
};
constexpr PostoTempo kPostiTempi[14] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 1}, {1, 2},
                                        {1, 3}, {0, 0}, {0, 1}, {1, 0}, {1, 1}, {0, 0}, {1, 0}};

// A panel with its options (its titles take the panel's colours, their letters legible on it).
void ColoraPannello(QFrame* pannello, std::uint32_t colore) {
  platform::SetBackColor(pannello, colore);
  for (QRadioButton* o : pannello->findChildren<QRadioButton*>()) platform::SetBackColor(o, colore);
}

// A step answered: its panel turns blue and takes no more answers.
void ChiudiPannello(QFrame* pannello) {
  pannello->setEnabled(false);
  ColoraPannello(pannello, kFatto);
}

// The next step: its panel turns light cyan and takes answers.
void ApriPannello(QFrame* pannello) {
  ColoraPannello(pannello, kAperto);
  pannello->setEnabled(true);
}

void Deseleziona(QButtonGroup* gruppo) {
  gruppo->setExclusive(false);
  for (QAbstractButton* b : gruppo->buttons()) b->setChecked(false);
  gruppo->setExclusive(true);
}

QFont FontOpzioni() { return QFont(QStringLiteral("Arial"), 12); }

QFont FontTitoli() {
  QFont f = FontOpzioni();
  f.setBold(true);
  return f;
}

}  // namespace

Form11::Form11() : ExerciseWindow(Finestra::Form11) {}

int Form11::ModoDelTempo(int Tempo) {
  if (Tempo < 8) return 0;
  if (Tempo < 12) return 1;
  return 2;
}

void Form11::LeggiFosku() { CostruisciFosku::LeggiFosku(); }

void Form11::Form_Load() {
  CostruisciScheletro(kLarghezza, kAltezza, QRectF(8640, 5940, 1800, 1080));

  // The two menus of the window: the tenses drawn and the class drawn. They leave the menu bar
  // while the grid is on show.
  std::vector<QString> livelli, classi;
  for (int i = 1; i <= 7; ++i) livelli.push_back(QString::fromUtf8(kLivelli[i]));
  for (const char* c : kDeclinazioni) classi.push_back(QString::fromUtf8(c));
  const MenuScelte menuLivelli = AggiungiMenuScelte(
      QStringLiteral("Modi - &Tempi"), livelli, 1, kTuttiITempi, [this](int Index) { mnulivello_Click(Index); }, true,
      Qt::NoModifier, true);
  mnuliv = menuLivelli.menu;
  mnulivello = menuLivelli.voci;
  const MenuScelte menuClassi = AggiungiMenuScelte(
      QStringLiteral("Declinazioni"), classi, 0, kTutteLeClassi, [this](int Index) { mnud_Click(Index); }, true,
      Qt::ControlModifier, true);
  mnuDec = menuClassi.menu;
  mnud = menuClassi.voci;

  // The form and the infinitive box.
  Label2 = AddControl(new QLabel(QStringLiteral("Voce del verbo"), Surface()), 360, 120, 10080, 540);
  Label2->setAlignment(Qt::AlignCenter);
  Label1 = AddControl(new QLabel(Surface()), 1440, 720, 7920, 720);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  platform::SetBackColor(Label1, platform::colours::Bianco);
  LabelInfinito = AddControl(new QLabel(QStringLiteral("infinito"), Surface()), 1440, 1590, 1800, 600);
  LabelInfinito->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  LabelInfinito->setFont(FontTitoli());
  Text1 = AddControl(new QLineEdit(Surface()), 3360, 1560, 4080, 660);
  Text1->setAlignment(Qt::AlignCenter);
  platform::LegibleWhenDisabled(Text1);  // the infinitive stays legible once the box is disabled
  Text1->installEventFilter(this);

  auto pannello = [this](double left, double top, double width, double height) {
    auto* p = new QFrame(Surface());
    RegisterControl(p, left, top, width, height);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return p;
  };
  auto titolo = [this](QFrame* p, const QString& testo, double left, double top, double width, const QFont& font) {
    auto* l = new QLabel(testo, p);
    RegisterChildControl(l, left, top, width, 360);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(font);
    return l;
  };
  auto opzione = [this](QFrame* p, const QString& testo, double left, double top, double width, QButtonGroup* g,
                        int id) {
    auto* o = new QRadioButton(testo, p);
    RegisterChildControl(o, left, top, width, 360);
    o->setFont(FontOpzioni());
    g->addButton(o, id);
    return o;
  };

  // Class panel.
  Picture2 = pannello(360, 2400, 2280, 2760);
  titolo(Picture2, QStringLiteral("declinazione"), 120, 60, 2040, FontTitoli());
  Gruppo2 = new QButtonGroup(Surface());
  for (int i = 0; i < 5; ++i) {
    Option2[static_cast<size_t>(i)] =
        opzione(Picture2, QString::fromUtf8(kClassi[i]), 480, 520 + i * 420, 1680, Gruppo2, i);
  }

  // Person panel: the singular persons in the left column, the plural ones in the right.
  Picture1 = pannello(2880, 2400, 4680, 2760);
  titolo(Picture1, QStringLiteral("persona"), 120, 60, 4440, FontTitoli());
  QFont colonne = FontOpzioni();
  colonne.setItalic(true);
  titolo(Picture1, QStringLiteral("singolari"), 360, 480, 1800, colonne);
  titolo(Picture1, QStringLiteral("plurali"), 2520, 480, 1800, colonne);
  Gruppo1 = new QButtonGroup(Surface());
  for (int i = 0; i < 6; ++i) {
    Option1[static_cast<size_t>(i)] =
        opzione(Picture1, QString::fromUtf8(kPersone[i]), i < 3 ? 960 : 3120, 880 + (i % 3) * 400, 1200, Gruppo1, i);
  }
  Label6 = new QLabel(Picture1);
  RegisterChildControl(Label6, 120, 2100, 4440, 600);
  Label6->setAlignment(Qt::AlignCenter);

  // Mood panel.
  Picture3 = pannello(7800, 2400, 2640, 2760);
  titolo(Picture3, QStringLiteral("modo"), 120, 60, 2400, FontTitoli());
  Gruppo3 = new QButtonGroup(Surface());
  for (int i = 0; i < 3; ++i) {
    Option3[static_cast<size_t>(i)] =
        opzione(Picture3, QString::fromUtf8(kModi[i]), 360, 520 + i * 420, 2160, Gruppo3, i);
  }

  // The tense panels, one per mood, in one place: only the answered mood's panel is shown.
  Gruppo4 = new QButtonGroup(Surface());
  for (int m = 0; m < 3; ++m) {
    QFrame* p = pannello(360, 5400, 7800, 2160);
    titolo(p, QStringLiteral("tempo"), 120, 60, 7560, FontTitoli());
    p->hide();
    Picture4[static_cast<size_t>(m)] = p;
  }
  for (int t = 0; t < 14; ++t) {
    const PostoTempo posto = kPostiTempi[t];
    Option4[static_cast<size_t>(t)] =
        opzione(Picture4[static_cast<size_t>(ModoDelTempo(t))], QString::fromStdString(ModuloFosku::TempiBrevi[static_cast<size_t>(t)]),
                600 + posto.colonna * 3600, 520 + posto.riga * 380, 3240, Gruppo4, t);
  }

  // idClicked comes once per click, also on an option already selected.
  connect(Gruppo2, &QButtonGroup::idClicked, this, [this](int id) { Option2_Click(id); });
  connect(Gruppo1, &QButtonGroup::idClicked, this, [this](int id) { Option1_Click(id); });
  connect(Gruppo3, &QButtonGroup::idClicked, this, [this](int id) { Option3_Click(id); });
  connect(Gruppo4, &QButtonGroup::idClicked, this, [this](int id) { Option4_Click(id); });

  LegaRidimensiona();

  QFont f(NomeFontGruppo());
  f.setPointSize(DimensioneFontGruppo());
  for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label6, Text1}) w->setFont(f);

  // Every step is blue and locked until an item opens it.
  for (QFrame* p : {Picture2, Picture1, Picture3}) ChiudiPannello(p);
  for (QFrame* p : Picture4) ColoraPannello(p, kFatto);

  LeggiFosku();
  AzzeraContatori();
}

void Form11::Form_Activate() {
  OccupaSchermo();
  ImpostaGriglia();
  Livello = kTuttiITempi;
  for (size_t t = 0; t < Option4.size(); ++t) Option4[t]->setText(QString::fromStdString(ModuloFosku::TempiBrevi[t]));
  FiltroConiugazione = kTutteLeClassi;
  GeneraEsercizio();
}

void Form11::ImpostaGriglia() {
  ImpostaColonne({1, 8, 5, 3, 5, 5, 5},
                 {QStringLiteral("Cataloga i fosku"), QStringLiteral("Infinito"), QStringLiteral("Coniugazione"),
                  QStringLiteral("Persona"), QStringLiteral("Modo"), QStringLiteral("Tempo")},
                 {6});
}

int Form11::EstraiTempo() const {
  switch (Livello) {
    case 1:
      return platform::RandomBelow(4);  // indicativo, simple tenses
    case 2:
      return platform::RandomBelow(4) + 4;  // indicativo, compound tenses
    case 3:
      return platform::RandomBelow(8);  // indicativo
    case 4:
      return platform::RandomBelow(4) + 8;  // congiuntivo
    case 5:
      return platform::RandomBelow(12);  // indicativo and congiuntivo
    case 6:
      return platform::RandomBelow(2) + 12;  // condizionale
    default:
      return platform::RandomBelow(14);  // every tense but the imperativo
  }
}

void Form11::ChiudiPassi() {
  for (QFrame* p : {Picture2, Picture1, Picture3}) ChiudiPannello(p);
  for (QFrame* p : Picture4) {
    ColoraPannello(p, kFatto);
    p->hide();
    p->setEnabled(true);
  }
  BottoneAvanti->setEnabled(false);
}

void Form11::GeneraEsercizio() {
  // A new item starts at the infinitive, also when a menu replaces an item left half-way.
  ChiudiPassi();
  for (QButtonGroup* g : {Gruppo1, Gruppo2, Gruppo3, Gruppo4}) Deseleziona(g);
  Label6->clear();
  Label1->clear();
  Text1->clear();
  Text1->setEnabled(false);
  NessunItem();
  InfinitoAtteso.clear();

  TempoEstratto = EstraiTempo();
  // Any class: one draw, and a second among the classes that have verbs when the first has none.
  ConiugazioneScelta =
      FiltroConiugazione == kTutteLeClassi ? EstrazioneVerbi::ScegliClasse(5) : FiltroConiugazione;
  const auto forma = EstrazioneVerbi::FormaConPersona(TempoEstratto, ConiugazioneScelta);
  if (!forma) {
    // The chosen class's list holds no verb: nothing to classify until another class is chosen.
    SegnalaFileMancanti(CostruisciFosku::ListFilesOf(ConiugazioneScelta));
    return;
  }
  PersonaEstratta = forma->Persona;
  const QString testo = QString::fromStdString(forma->Forma);
  AggiungiRiga(testo);
  Label1->setText(testo);

  CostruisciFosku::CostruisciForme(ModuloFosku::TempoModiNonFiniti, ConiugazioneScelta);
  InfinitoAtteso = QString::fromStdString(CostruisciFosku::Forme[0]);
  ClasseAttesa = ConiugazioneScelta;

  Text1->setEnabled(true);
  FuocoDoveSiRisponde();
}

QWidget* Form11::DoveSiRisponde() const {
  if (Text1->isEnabled()) return Text1;
  for (QWidget* o : {PrimoAbilitato(Option2), PrimoAbilitato(Option1), PrimoAbilitato(Option3), PrimoAbilitato(Option4)}) {
    if (o != nullptr) return o;
  }
  return nullptr;
}

bool Form11::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Text1 && InvioRilasciato(event)) Text1_KeyUp(kTastoInvio, 0);
  return ExerciseWindow::eventFilter(watched, event);
}

void Form11::Appendi(int colonna, const QString& testo) {
  Griglia->SetTextMatrix(RigaItem(), colonna, Griglia->TextMatrix(RigaItem(), colonna) + testo);
}

void Form11::Sbagliata(int colonna, const QString& scritta) {
  Appendi(colonna, scritta + QStringLiteral(" * "));
  ContaRisposta(false);
}

void Form11::Giusta() {
  Text1->setEnabled(false);
  ContaRisposta(true, false);  // each step but the last is right without a sound
}

void Form11::Text1_KeyUp(int KeyCode, int /*Shift*/) {
  if (KeyCode != kTastoInvio || RigaItem() == 0 || !Text1->isEnabled()) return;
  const QString scritta = Text1->text();
  const auto giusta = GiudicaScritta(scritta, InfinitoAtteso);
  if (!giusta) return;
  QString infinito = InfinitoAtteso;
  int classe = ConiugazioneScelta;
  if (!*giusta) {
    // A form that is also another verb's: naming that verb is right too, and its class is then
    // the one expected.
    const auto altro = CostruisciFosku::AltroVerboConLeStesseForme(TempoEstratto, ConiugazioneScelta);
    if (!altro || !*GiudicaScritta(scritta, QString::fromStdString(altro->Infinito))) {
      Sbagliata(2, scritta);
      return;
    }
    infinito = QString::fromStdString(altro->Infinito);
    classe = altro->Coniugazione;
  }
  ClasseAttesa = classe;
  Appendi(2, infinito);
  Giusta();
  ApriPannello(Picture2);
  FuocoDoveSiRisponde();
}

void Form11::Option2_Click(int Index) {
  if (Index < 0 || Index >= 5 || RigaItem() == 0 || !Picture2->isEnabled()) return;
  const QString didascalia = Option2[static_cast<size_t>(Index)]->text();
  if (Index != ClasseAttesa) {
    Sbagliata(3, didascalia);
    return;
  }
  Appendi(3, didascalia);
  Giusta();
  ChiudiPannello(Picture2);
  ApriPannello(Picture1);
  FuocoDoveSiRisponde();
}

void Form11::Option1_Click(int Index) {
  if (Index < 0 || Index >= 6 || RigaItem() == 0 || !Picture1->isEnabled()) return;
  const QString didascalia = Option1[static_cast<size_t>(Index)]->text();
  if (Index != PersonaEstratta) {
    Sbagliata(4, didascalia);
    return;
  }
  Giusta();
  ChiudiPannello(Picture1);
  Label6->setText(didascalia + QStringLiteral(" ") +
                  (Index >= 3 ? QStringLiteral("persona plurale") : QStringLiteral("persona singolare")));
  Appendi(4, Label6->text());
  ApriPannello(Picture3);
  FuocoDoveSiRisponde();
}

void Form11::Option3_Click(int Index) {
  if (Index < 0 || Index >= 3 || RigaItem() == 0 || !Picture3->isEnabled()) return;
  const QString didascalia = Option3[static_cast<size_t>(Index)]->text();
  if (Index != ModoDelTempo(TempoEstratto)) {
    Sbagliata(5, didascalia);
    return;
  }
  Appendi(5, didascalia);
  Giusta();
  ChiudiPannello(Picture3);
  // Only the tenses of the answered mood are offered.
  for (QFrame* p : Picture4) ColoraPannello(p, kAperto);
  Picture4[static_cast<size_t>(Index)]->show();
  FuocoDoveSiRisponde();
}

void Form11::Option4_Click(int Index) {
  if (Index < 0 || Index >= 14 || RigaItem() == 0) return;
  QFrame* pannello = Picture4[static_cast<size_t>(ModoDelTempo(Index))];
  if (pannello->isHidden() || !pannello->isEnabled()) return;
  const QString didascalia = Option4[static_cast<size_t>(Index)]->text();
  if (Index != TempoEstratto) {
    Sbagliata(6, didascalia);
    return;
  }
  Appendi(6, didascalia);
  ContaRisposta(true);
  for (QFrame* p : Picture4) ChiudiPannello(p);
  BottoneAvanti->setEnabled(true);
  BottoneAvanti->setFocus();
}

void Form11::mnulivello_Click(int Index) {
  if (Index < 1 || Index > 7) return;
  Livello = Index;
  Spunta(mnulivello, Index);
  GeneraEsercizio();
}

void Form11::mnud_Click(int Index) {
  if (Index < 0 || Index > 5) return;
  const bool usabile = Index == kTutteLeClassi || EstrazioneVerbi::ClasseUsabile(Index);
  if (!ClasseDaMenu(mnud, Index, FiltroConiugazione, usabile)) return;
  FiltroConiugazione = Index;
  Spunta(mnud, Index);
  GeneraEsercizio();
}

void Form11::Form_Unloaded() {
  ExerciseWindow::Form_Unloaded();
  Label1 = Label2 = LabelInfinito = Label6 = nullptr;
  Text1 = nullptr;
  Picture1 = Picture2 = Picture3 = nullptr;
  Picture4.fill(nullptr);
  Option1.fill(nullptr);
  Option2.fill(nullptr);
  Option3.fill(nullptr);
  Option4.fill(nullptr);
  Gruppo1 = Gruppo2 = Gruppo3 = Gruppo4 = nullptr;
  mnuliv = mnuDec = nullptr;
  mnulivello.clear();
  mnud.clear();
}
