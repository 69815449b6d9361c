#include "tables/form3_conjugation_tables.h"

#include <QFontMetricsF>
#include <QMenuBar>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "exercise_window/exercisewindow.h"
#include "exercise_window/messaggi_file.h"
#include "exercise_window/stampa.h"
#include "exercise_window/tabella_finestre.h"
#include "platform/cover.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "services/clsresize.h"
#include "services/fontfit.h"
#include "settings/moduloperini.h"

namespace {

using ModuloFosku::TempoImperativo;
using ModuloFosku::TempoModiNonFiniti;

constexpr std::uint32_t kVerde = 0x8000;  // the window's margin around the two panels
constexpr const char* kSonda = "ver infinito participio gerundio";

struct Rettangolo {
  double left, top, width, height;
};

// Frames of the left panel, in the panel's twips.
const std::array<Rettangolo, 6> kFrame2 = {{
    {240, 240, 4815, 1335},
    {240, 1680, 4815, 1815},
    {240, 3600, 4815, 1095},
    {240, 4800, 4815, 855},
    {240, 5760, 2055, 855},
    {2640, 5760, 2415, 855},
}};
const std::array<const char*, 6> kDidascalieFrame = {"", "Indicativo", "Congiuntivo", "Condizionale", "imperativo",
                                                     "Modi non finiti"};

const std::array<const char*, 5> kTipi = {"essere", "avere", "1° coniugazione", "2° coniugazione",
                                          "3° coniugazione"};
// Kind options in Frame2(0): essere and avere on the left, the three conjugations on the right.
const std::array<Rettangolo, 5> kOption1 = {{
    {240, 240, 1800, 345},
    {240, 720, 1800, 345},
    {2280, 120, 2400, 345},
    {2280, 480, 2400, 345},
    {2280, 840, 2400, 345},
}};

struct Tempo {
  const char* didascalia;
  int frame;
  Rettangolo posto;  // in the frame's twips
};
// Each simple tense of the indicativo faces its compound tense in the second column.
const std::array<Tempo, 16> kTempi = {{
    {"presente", 1, {120, 300, 2040, 345}},
    {"imperfetto", 1, {120, 660, 2040, 345}},
    {"passato remoto", 1, {120, 1020, 2040, 345}},
    {"futuro semplice", 1, {120, 1380, 2040, 345}},
    {"passato prossimo", 1, {2400, 300, 2340, 345}},
    {"trapassato prossimo", 1, {2400, 660, 2340, 345}},
    {"trapassato remoto", 1, {2400, 1020, 2340, 345}},
    {"futuro anteriore", 1, {2400, 1380, 2340, 345}},
    {"presente", 2, {120, 300, 2040, 345}},
    {"imperfetto", 2, {120, 660, 2040, 345}},
    {"passato ", 2, {2400, 300, 2340, 345}},
    {"trapassato", 2, {2400, 660, 2340, 345}},
    {"presente", 3, {120, 360, 2040, 345}},
    {"passato ", 3, {2400, 360, 2340, 345}},
    {"presente", 4, {120, 360, 1860, 345}},
    {"Infinito participio gerundio", 5, {60, 360, 2340, 345}},
}};

const std::array<const char*, 6> kNonFiniti = {"Infinito presente",  "Infinito passato", "Participio presente",
                                               "Participio passato", "Gerundio presente", "Gerundio passato"};
const std::array<double, 6> kTopLabel2 = {720, 1680, 2760, 3720, 4680, 5640};
const std::array<double, 6> kTopRadice = {1245, 2235, 3240, 4245, 5235, 6240};

QString Testo(const std::string& s) { return QString::fromStdString(s); }

// Captions of two lines are written with CR LF; a label breaks its lines at LF.
QString Righe(const std::string& s) {
  QString t = Testo(s);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return t;
}

QString NomeFont3() {
  const auto gruppo = static_cast<size_t>(Configurazione(Finestra::Form3).gruppoFont);
  return Testo(ModuloPerIni::Impostazioni.NomeFont[gruppo]);
}

}  // namespace

Form3::Form3() = default;

void Form3::Form_Load() {
  setWindowTitle(Configurazione(Finestra::Form3).titolo);
  mnut = menuBar()->addMenu(QStringLiteral("&Tavole fosku"));
  mnuVis = mnut->addAction(QStringLiteral("visualizza"));
  mnuVis->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
  mnuSt = mnut->addAction(QStringLiteral("stampa"));
  mnuSt->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  mnuSt->setVisible(false);
  mnuChiudi = mnut->addAction(QStringLiteral("chiudi"));
  mnuChiudi->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
  mnuChiudi->setVisible(false);
  mnuEsci = menuBar()->addAction(QStringLiteral("Torna al &menù"));
  connect(mnuVis, &QAction::triggered, this, [this] { mnuVis_Click(); });
  connect(mnuSt, &QAction::triggered, this, [this] { mnuSt_Click(); });
  connect(mnuChiudi, &QAction::triggered, this, [this] { mnuChiudi_Click(); });
  connect(mnuEsci, &QAction::triggered, this, [this] { mnuEsci_Click(); });

  SetDesignSize(9480, 7035);
  platform::SetBackColor(Surface(), kVerde);

  Picture1 = AddControl(new QFrame(Surface()), 120, 120, 5175, 6735);
  Picture2 = AddControl(new QFrame(Surface()), 5400, 120, 3855, 6735);
  for (QFrame* p : {Picture1, Picture2}) {
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    platform::SetBackColor(p, platform::colours::GialloChiaro);
  }

  for (size_t f = 0; f < Frame2.size(); ++f) {
    auto* box = new QGroupBox(QString::fromUtf8(kDidascalieFrame[f]), Picture1);
    RegisterChildControl(box, kFrame2[f].left, kFrame2[f].top, kFrame2[f].width, kFrame2[f].height);
    Frame2[f] = box;
  }

  GruppoTipi = new QButtonGroup(this);
  for (size_t i = 0; i < Option1.size(); ++i) {
    auto* o = new QRadioButton(QString::fromUtf8(kTipi[i]), Frame2[0]);
    RegisterChildControl(o, kOption1[i].left, kOption1[i].top, kOption1[i].width, kOption1[i].height);
    GruppoTipi->addButton(o, static_cast<int>(i));
    Option1[i] = o;
  }
  Option1[0]->setChecked(true);
  // idClicked comes once per click, also on the option already selected.
  connect(GruppoTipi, &QButtonGroup::idClicked, this, [this](int id) { Option1_Click(id); });

  // The sixteen tense options lie in five frames but form one group: one of them is selected.
  GruppoTempi = new QButtonGroup(this);
  GruppoTempi->setExclusive(true);
  for (size_t i = 0; i < Option2.size(); ++i) {
    const Tempo& t = kTempi[i];
    auto* o = new QRadioButton(QString::fromUtf8(t.didascalia), Frame2[static_cast<size_t>(t.frame)]);
    RegisterChildControl(o, t.posto.left, t.posto.top, t.posto.width, t.posto.height);
    GruppoTempi->addButton(o, static_cast<int>(i));
    Option2[i] = o;
  }
  Option2[0]->setChecked(true);
  connect(GruppoTempi, &QButtonGroup::idClicked, this, [this](int id) { Option2_Click(id); });

  Label1 = new QLabel(Picture2);
  RegisterChildControl(Label1, 120, 120, 3495, 495);
  Label1->setAlignment(Qt::AlignCenter);
  platform::SetForeColor(Label1, platform::colours::Nero);

  QFont fontRighe(QStringLiteral("Arial"), 12);
  fontRighe.setBold(true);
  fontRighe.setItalic(true);
  for (size_t i = 0; i < 6; ++i) {
    auto* l2 = new QLabel(QString::fromUtf8(kNonFiniti[i]), Picture2);
    RegisterChildControl(l2, 360, kTopLabel2[i], 3135, 375);
    l2->setFrameStyle(QFrame::Box | QFrame::Plain);
    l2->setAutoFillBackground(true);
    platform::SetBackColor(l2, platform::colours::Bianco);
    l2->setFont(fontRighe);
    l2->hide();
    Label2[i] = l2;

    auto* r = new QLabel(Picture2);
    RegisterChildControl(r, 360, kTopRadice[i], 1500, 375);
    platform::SetForeColor(r, platform::colours::Blu);
    r->hide();
    LabelRadice[i] = r;

    auto* d = new QLabel(Picture2);
    RegisterChildControl(d, 1920, kTopRadice[i], 600, 375);
    platform::SetForeColor(d, platform::colours::Rosso);
    d->hide();
    LabelDesinenza[i] = d;
  }

  LabelDimensionaFont = new QLabel(QStringLiteral("dimensiona font"), Surface());
  LabelDimensionaFont->hide();

  // The full table lies over the whole window when shown; the window places it, not the resizer.
  Griglia = new platform::FlexGrid(Surface());
  QFont gf(QStringLiteral("MS Sans Serif"));
  gf.setPointSizeF(8.25);
  Griglia->setFont(gf);
  Griglia->hide();
  // Shown, the table takes the keys from the options under it.
  platform::CoverWhenShown(Griglia);

  Module1::NuovoRidimensiona(this);
  CostruisciFosku::LeggiFosku();
  classeEstratta_ = -1;
}

void Form3::Form_Activate() {
  classiSegnalate_.clear();
  CopriSchermo();
  CheckResize();

  const std::uint32_t sfondo = platform::ToVbColor(platform::BackColor(Picture1));
  for (QGroupBox* f : Frame2) platform::SetBackColor(f, sfondo);
  for (QRadioButton* o : Option1) platform::SetBackColor(o, sfondo);
  for (QRadioButton* o : Option2) platform::SetBackColor(o, sfondo);
  // The options let their frame's line show through where they lie over it.
  for (QRadioButton* o : Option1) o->setAutoFillBackground(false);
  for (QRadioButton* o : Option2) o->setAutoFillBackground(false);

  AdattaCaratteri();
  for (size_t i = 0; i < 6; ++i) platform::SetTop(LabelDesinenza[i], platform::TwipsRect(LabelRadice[i]).top());

  ModuloFosku::RiempiTabelle();
  ModuloFosku::TempoScelto = 0;
  ConiugazioneScelta = 3;
  GeneraVerbo();
  for (QLabel* r : LabelRadice) r->show();
}

void Form3::Form_Resize() {
  if (Module1::Ridimensiona) Module1::Ridimensiona->ResizeControls();
  if (Griglia != nullptr) Griglia->setGeometry(0, 0, Surface()->width(), Surface()->height());
  Ridisponi();
}

void Form3::Form_Unloaded() {
  Picture1 = Picture2 = nullptr;
  Frame2.fill(nullptr);
  Option1.fill(nullptr);
  Option2.fill(nullptr);
  GruppoTipi = GruppoTempi = nullptr;
  Label1 = nullptr;
  Label2.fill(nullptr);
  LabelRadice.fill(nullptr);
  LabelDesinenza.fill(nullptr);
  LabelDimensionaFont = nullptr;
  Griglia = nullptr;
  mnut = nullptr;
  mnuVis = mnuSt = mnuChiudi = mnuEsci = nullptr;
}

void Form3::Option1_Click(int Index) {
  static constexpr std::array<int, 5> kClassi = {3, 4, 0, 1, 2};
  if (Index < 0 || Index >= 5) return;
  ConiugazioneScelta = kClassi[static_cast<size_t>(Index)];
  GeneraVerbo();
}

void Form3::Option2_Click(int Index) {
  if (Index < 0 || Index >= 16) return;
  ModuloFosku::TempoScelto = Index;
  Option2[static_cast<size_t>(Index)]->setChecked(true);  // the group deselects every other tense
  for (QLabel* l : Label2) l->setVisible(Index == TempoModiNonFiniti);
  GeneraVerbo();
}

void Form3::GeneraVerbo() {
  switch (ConiugazioneScelta) {
    case 0: GeneraAre(); break;
    case 1: GeneraEre(); break;
    case 2: GeneraIre(); break;
    case 3: GeneraEssere(); break;
    case 4: GeneraAvere(); break;
    default: break;
  }
}

void Form3::GeneraEssere() { MostraTempo(ModuloFosku::ConiugazioneEssere); }
void Form3::GeneraAvere() { MostraTempo(ModuloFosku::ConiugazioneAvere); }
void Form3::GeneraAre() { GeneraRegolare(ModuloFosku::ConiugazioneAre); }
void Form3::GeneraEre() { GeneraRegolare(ModuloFosku::ConiugazioneEre); }
void Form3::GeneraIre() { GeneraRegolare(ModuloFosku::ConiugazioneIre); }

void Form3::GeneraRegolare(int Coniugazione) {
  if (!CostruisciFosku::DrawRegularVerb(Coniugazione)) {
    classeEstratta_ = -1;
    MostraRigheVuote();
    // Said once per showing for each class: a click on a tense shows the empty rows in silence.
    if (classiSegnalate_.insert(Coniugazione).second) {
      platform::MsgBox(this,
                       MessaggioFileDati(QStringLiteral("Non posso mostrare i verbi di questa coniugazione"),
                                         CostruisciFosku::ListFilesOf(Coniugazione)),
                       platform::vbCritical);
    }
    return;
  }
  classeEstratta_ = Coniugazione;
  MostraTempo(Coniugazione);
}

void Form3::MostraRigheVuote() {
  Label1->setText(Righe(ModuloFosku::TempiModi[static_cast<size_t>(ModuloFosku::TempoScelto)]));
  for (size_t i = 0; i < 6; ++i) {
    LabelRadice[i]->setText(QString());
    DimensionaEtichetta(LabelRadice[i]);
    LabelDesinenza[i]->setText(QString());
    LabelDesinenza[i]->hide();
  }
}

void Form3::MostraTempo(int Coniugazione) {
  const int tempo = ModuloFosku::TempoScelto;
  Label1->setText(Righe(ModuloFosku::TempiModi[static_cast<size_t>(tempo)]));
  // The split comes from the engine: root part + ending part is always the engine's form.
  const auto forme = CostruisciFosku::SplitCurrentForms(tempo, Coniugazione, true);
  if (!forme) {
    MostraRigheVuote();
    return;
  }
  for (size_t i = 0; i < 6; ++i) {
    const auto& forma = (*forme)[i];
    QLabel* radice = LabelRadice[i];
    QLabel* desinenza = LabelDesinenza[i];
    radice->setText(Testo(forma.root));
    DimensionaEtichetta(radice);
    if (tempo == TempoImperativo && i == 0) {
      // The imperativo has no io: "---" and an empty ending, which keeps its place and visibility.
      desinenza->setText(QString());
      DimensionaEtichetta(desinenza);
      continue;
    }
    radice->show();
    if (forma.ending.empty()) {
      // essere, avere and the non-finite forms stand whole in the blue label.
      desinenza->setText(QString());
      desinenza->hide();
    } else {
      desinenza->setText(Testo(forma.ending));
      DimensionaEtichetta(desinenza);
      PosizionaDesinenza(static_cast<int>(i));
      desinenza->show();
    }
  }
}

void Form3::DimensionaEtichetta(QLabel* l) {
  const double px = platform::TwipsPerPixelX();
  const double larghezza = FontFit::TextWidthTwips(l->font(), l->text()) + px;  // one pixel of slack
  const double altezza = QFontMetricsF(l->font()).height() * platform::TwipsPerPixelY();
  QRectF r = platform::TwipsRect(l);
  r.setWidth(larghezza);
  r.setHeight(altezza);
  platform::SetTwipsRect(l, r);
}

void Form3::PosizionaDesinenza(int i) {
  const QRectF r = platform::TwipsRect(LabelRadice[static_cast<size_t>(i)]);
  QLabel* d = LabelDesinenza[static_cast<size_t>(i)];
  QRectF rd = platform::TwipsRect(d);
  rd.moveLeft(r.left() + r.width() + 4);
  rd.moveTop(r.top());
  platform::SetTwipsRect(d, rd);
}

void Form3::AdattaCaratteri() {
  // Every option, frame and row takes the size at which the probe fills the first tense option.
  LabelDimensionaFont->setText(QString::fromUtf8(kSonda));
  int size = FontFit::FitPointSize(NomeFont3(), LabelDimensionaFont->text(), platform::TwipsRect(Option2[0]).width());
  // On a small screen that size can be too big for the longest captions ("Infinito participio
  // gerundio"): then the largest smaller one at which every option shows its caption whole,
  // inside its option and its frame.
  std::vector<QRadioButton*> opzioni(Option1.begin(), Option1.end());
  opzioni.insert(opzioni.end(), Option2.begin(), Option2.end());
  auto entrano = [&](int punti) {
    const QFont f(NomeFont3(), punti);
    for (QRadioButton* o : opzioni) {
      o->setFont(f);
      const QWidget* frame = o->parentWidget();
      const int visibile = std::min(o->width(), frame->contentsRect().right() + 1 - o->x());
      if (o->sizeHint().width() > visibile) return false;
    }
    return true;
  };
  if (!entrano(size)) size = FontFit::LargestSize(1, size, entrano);

  QFont normale(NomeFont3(), size);
  normale.setBold(false);
  LabelDimensionaFont->setFont(normale);
  for (QRadioButton* o : opzioni) o->setFont(normale);
  QFont titolo = normale;
  titolo.setBold(true);  // frame captions in bold type; the options keep their own normal font
  for (QGroupBox* f : Frame2) f->setFont(titolo);
  for (size_t i = 0; i < 6; ++i) {
    LabelRadice[i]->setFont(normale);
    LabelDesinenza[i]->setFont(normale);
  }
  QFont didascalia(NomeFont3(), Frame2[0]->font().pointSize());
  didascalia.setBold(true);
  Label1->setFont(didascalia);
}

void Form3::Ridisponi() {
  if (LabelRadice[0] == nullptr) return;
  if (isVisible()) AdattaCaratteri();  // the options' widths changed with the window
  // The resizer scaled the labels' widths: they follow their texts again, endings behind roots.
  for (size_t i = 0; i < 6; ++i) {
    DimensionaEtichetta(LabelRadice[i]);
    DimensionaEtichetta(LabelDesinenza[i]);
    PosizionaDesinenza(static_cast<int>(i));
  }
}

void Form3::mnuVis_Click() {
  Griglia->raise();
  Griglia->setGeometry(0, 0, Surface()->width(), Surface()->height());
  Griglia->show();
  mnuChiudi->setVisible(true);
  mnuSt->setVisible(true);
  mnuVis->setVisible(false);
  mnuEsci->setVisible(false);
  ImpostaGriglia();
}

void Form3::mnuChiudi_Click() {
  Griglia->hide();
  mnuChiudi->setVisible(false);
  mnuEsci->setVisible(true);
  mnuVis->setVisible(true);
}

void Form3::mnuSt_Click() { Stampa::ComandoStampa(this, *Griglia); }

void Form3::mnuEsci_Click() { ExerciseWindow::TornaAlMenu(this); }

void Form3::ScriviCella(int riga, int colonna, const QString& testo, bool grassetto) {
  Griglia->SetCol(colonna);
  Griglia->SetRow(riga);
  Griglia->SetTextMatrix(riga, colonna, testo);
  if (QTableWidgetItem* it = Griglia->item(riga, colonna)) {
    QFont f = Griglia->font();
    f.setBold(grassetto);
    it->setFont(f);
  }
}

void Form3::ImpostaGriglia() {
  using CostruisciFosku::Forme;
  // Cleared, then 4 columns and 35 rows; no fixed row or column, so every cell is white.
  Griglia->SetRows(0);
  Griglia->SetCols(0);
  Griglia->SetCols(4);
  Griglia->SetRows(35);
  for (int r = 0; r < 35; ++r) {
    for (int k = 0; k < 4; ++k) {
      if (QTableWidgetItem* it = Griglia->item(r, k)) it->setBackground(Qt::white);
    }
  }
  const int larghezza = static_cast<int>(platform::RoundHalfEven(Width()) / 8);
  for (int k = 0; k < 4; ++k) Griglia->SetColWidth(k, larghezza);

  // A regular class whose draw failed has no verb of its own: its forms stay empty rather than
  // conjugating a root of another list.
  const bool regolare = ConiugazioneScelta >= 0 && ConiugazioneScelta <= 2;
  const bool haVerbo = !regolare || classeEstratta_ == ConiugazioneScelta;
  auto costruisci = [&](int tempo) {
    Forme.fill(std::string());
    if (haVerbo) CostruisciFosku::CostruisciForme(tempo, ConiugazioneScelta);
  };
  auto blocco = [&](int tempo, int colonna, int rigaTitolo) {
    costruisci(tempo);
    ScriviCella(rigaTitolo, colonna, Testo(ModuloFosku::Tempi[static_cast<size_t>(tempo)]), true);
    for (int p = 0; p < 6; ++p) ScriviCella(rigaTitolo + 1 + p, colonna, Testo(Forme[static_cast<size_t>(p)]), false);
  };
  for (int t = 0; t < 4; ++t) blocco(t, t, 0);
  for (int c = 0; c < 4; ++c) blocco(c + 4, c, 8);
  for (int c = 0; c < 4; ++c) blocco(c + 8, c, 16);
  for (int c = 0; c < 3; ++c) blocco(c + 12, c, 24);

  costruisci(TempoModiNonFiniti);
  ScriviCella(24, 3, QStringLiteral("infinito presente"), true);
  ScriviCella(25, 3, Testo(Forme[0]), false);
  ScriviCella(27, 3, QStringLiteral("infinito passato"), true);
  ScriviCella(28, 3, Testo(Forme[1]), false);
  const std::array<const char*, 4> nomi = {"participio presente", "participio passato", "gerundio presente",
                                           "gerundio passato"};
  for (int c = 0; c < 4; ++c) {
    ScriviCella(32, c, QString::fromUtf8(nomi[static_cast<size_t>(c)]), true);
    ScriviCella(33, c, Testo(Forme[static_cast<size_t>(c + 2)]), false);
  }

  // An eighth of the window is too narrow for "che essi avessero ..." and the longer headings:
  // a column widens to its longest text, up to a quarter of the window so that all four fit.
  for (int k = 0; k < 4; ++k) {
    double piuLargo = 0;
    for (int r = 0; r < Griglia->Rows(); ++r) {
      if (const QTableWidgetItem* it = Griglia->item(r, k)) {
        piuLargo = std::max(piuLargo, FontFit::TextWidthTwips(it->font(), it->text()));
      }
    }
    const int necessaria = static_cast<int>(std::ceil(piuLargo)) + 240;  // the cell's margins
    Griglia->SetColWidth(k, std::max(larghezza, std::min(necessaria, 2 * larghezza)));
  }
}
