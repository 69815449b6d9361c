#include "exercise_window/trebottoni.h"

#include "exercise_window/contatori.h"
#include "platform/commandbutton.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "services/fontfit.h"
#include "services/modulocolorisuoni.h"

namespace {
constexpr const char* kSonda = " 1° coniugazione  ";
}

int ScegliUsabile(int n, const std::function<bool(int)>& usabile) {
  const int primo = platform::RandomBelow(n);
  if (usabile(primo)) return primo;
  std::vector<int> usabili;
  for (int i = 0; i < n; ++i) {
    if (usabile(i)) usabili.push_back(i);
  }
  if (usabili.empty()) return -1;
  return usabili[static_cast<size_t>(platform::RandomBelow(static_cast<int>(usabili.size())))];
}

TreBottoni::TreBottoni(Finestra finestra, ConfigTreBottoni config) : ExerciseWindow(finestra), tre_(std::move(config)) {}

void TreBottoni::Form_Load() {
  CostruisciScheletro(10800, 7200, QRectF(4440, 5640, 1920, 1080));

  Picture1 = AddControl(new QFrame(Surface()), 360, 240, 10080, 2880);
  Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  platform::SetBackColor(Picture1, platform::colours::Bianco);
  Label2 = new QLabel(Picture1);
  Label2->setAttribute(Qt::WA_TranslucentBackground);

  for (int i = 0; i < 3; ++i) {
    auto* b = AddControl(new platform::CommandButton(tre_.didascalie[static_cast<size_t>(i)], Surface()),
                         360 + 3480 * i, 3600, 3120, 1560);
    platform::SetBackColor(b, platform::colours::AzzurroChiaro);
    connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Command1[static_cast<size_t>(i)] = b;
  }
  LabelDimensionaFont = new QLabel(QStringLiteral("dimensiona font "), Surface());
  LabelDimensionaFont->hide();

  LegaRidimensiona();

  QFont f(NomeFontGruppo());
  f.setPointSize(DimensioneFontGruppo());
  Label2->setFont(f);
  LeggiFosku();
  Module1::Esatti = 0;
  Module1::Errati = 0;
  ScriviPannelli();
}

void TreBottoni::Form_Activate() {
  OccupaSchermo();
  AdattaBottoni();
  if (tre_.didascaliaConiugazione) {
    for (int i = 0; i < 3; ++i) Command1[static_cast<size_t>(i)]->setText(QStringLiteral("%1°\r\nconiugazione").arg(i + 1));
  }
  ImpostaGriglia();
  GeneraEsercizio();
}

void TreBottoni::AdattaBottoni() {
  // The buttons take the size at which the probe text, in the group's face, fills the first one.
  LabelDimensionaFont->setText(QString::fromUtf8(kSonda));
  const int size = FontFit::FitPointSize(NomeFontGruppo(), LabelDimensionaFont->text(),
                                         platform::TwipsRect(Command1[0]).width());
  LabelDimensionaFont->setFont(QFont(NomeFontGruppo(), size));
  for (QPushButton* b : Command1) b->setFont(QFont(NomeFontGruppo(), size));
}

void TreBottoni::DopoFont() {
  CentraEtichetta();
  AdattaBottoni();
}

void TreBottoni::ImpostaGriglia() {
  PosizionaGriglia();
  Griglia->SetCols(6);
  const int multipli[6] = {1, 8, 2, 2, 2, 3};
  for (int k = 0; k < 6; ++k) {
    const long u = platform::RoundHalfEven(Width()) / 36;
    Griglia->SetColWidth(k, static_cast<int>(multipli[k] * u));
  }
  for (int k : {0, 2, 3, 4, 5}) Griglia->SetColAlignment(k, platform::flexAlignCenterCenter);
  Griglia->SetRows(1);
  Griglia->SetRow(0);
  Griglia->SetTextMatrix(0, 1, tre_.titoloGriglia);
  for (int k = 0; k < 3; ++k) Griglia->SetTextMatrix(0, k + 2, tre_.intestazioni[static_cast<size_t>(k)]);
  Griglia->SetTextMatrix(0, 5, QStringLiteral("Errori"));
  rigaItem_ = 0;
}

void TreBottoni::CentraEtichetta() {
  if (Label2 == nullptr || Picture1 == nullptr) return;
  Label2->adjustSize();
  Label2->move((Picture1->width() - Label2->width()) / 2, (Picture1->height() - Label2->height()) / 2);
}

void TreBottoni::GeneraEsercizio() {
  for (QPushButton* b : Command1) {
    b->setEnabled(true);
    platform::SetBackColor(b, platform::colours::AzzurroChiaro);
  }
  Label2->setVisible(true);
  Label2->setText(QString());
  const auto testo = Estrai();
  if (!testo) {
    // Nothing to draw: the answers cannot be given.
    for (QPushButton* b : Command1) b->setEnabled(false);
    return;
  }
  Label2->setText(*testo);
  CentraEtichetta();
  Griglia->SetRows(Griglia->Rows() + 1);
  rigaItem_ = Griglia->Rows() - 1;
  Griglia->SetRow(rigaItem_);
  Griglia->SetTextMatrix(rigaItem_, 0, QString::number(rigaItem_));
  Griglia->SetCol(1);
  Griglia->SetTextMatrix(rigaItem_, 1, Label2->text());
}

void TreBottoni::Command1_Click(int Index) {
  if (Index < 0 || Index > 2 || rigaItem_ == 0) return;
  QPushButton* cliccato = Command1[static_cast<size_t>(Index)];
  if (Index == RispostaGiusta) {
    ModuloColoriSuoni::SuonoGiusto();
    Module1::Aggiungi(Module1::Esatti);
    ScriviPannelli();
    for (QPushButton* b : Command1) b->setEnabled(false);
    Griglia->SetTextMatrix(rigaItem_, Index + 2, QStringLiteral("*"));
    platform::SetBackColor(cliccato, platform::colours::Verde);
    BottoneAvanti->setEnabled(true);
    BottoneAvanti->setFocus();
  } else {
    Module1::Aggiungi(Module1::Errati);
    ModuloColoriSuoni::SuonoSbagliato();
    platform::SetBackColor(cliccato, platform::colours::Rosso);
    Griglia->SetTextMatrix(rigaItem_, 5, Griglia->TextMatrix(rigaItem_, 5) + QStringLiteral("*"));
    ScriviPannelli();
  }
}

void TreBottoni::Form_Unloaded() {
  ExerciseWindow::Form_Unloaded();
  Picture1 = nullptr;
  Label2 = nullptr;
  Command1.fill(nullptr);
  LabelDimensionaFont = nullptr;
  rigaItem_ = 0;
}
