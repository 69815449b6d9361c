#include "app/formmenu.h"

#include <QEvent>
#include <QMenuBar>

#include "app/forminfo.h"
#include "platform/paths.h"
#include "platform/commandbutton.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "services/clsresize.h"
#include "services/cursors.h"
#include "services/fontfit.h"
#include "services/modulonavigate.h"
#include "settings/moduloperini.h"

namespace {

using platform::colours::AzzurroChiaro;
using platform::colours::Rosso;

// Design captions; the load step turns some of them into two lines.
const std::array<const char*, FormMenu::kPulsanti> kDidascalie = {
    "Coniugazione",
    "Radice e desinenza",
    "Coniuga i fosku",
    "Passato presente futuro",
    " Risalire all'infinito dei fosku ",
    "Coniugazione",
    " Il modo dei fosku",
    "Tabelle mescolate",
    "Riconosci il verbo",
    " Trova la persona del verbo",
    "Completa le tabelle",
    "Catalogare i fosku",
    "Transitivi intransitivi",
    "Predicato verbale",
    "Corretto scorretto",
    "Attivo passivo",
    "Attivo passivo",
    "Scegli il verbo adatto",
    "Completa la frase",
    "Corretto scorretto",
    "Esci"};

struct Posto {
  int riga, colonna;
};
// Row and column (from 0) of each button.
const std::array<Posto, FormMenu::kPulsanti> kPosti = {{
    {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0},  // 0-5
    {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1},  // 6-11
    {0, 2}, {1, 2}, {2, 2}, {4, 2}, {5, 2},          // 12-16
    {0, 3}, {1, 3},                                  // 17, 18
    {3, 2},                                          // 19
    {5, 3},                                          // 20
}};

std::array<FormMenu::Apri, 20>& Finestre() {
  static std::array<FormMenu::Apri, 20> finestre;
  return finestre;
}

QString DueRighe(const char* a, const char* b) {
  return QString::fromUtf8(a) + QStringLiteral("\r\n") + QString::fromUtf8(b);
}

bool HaColore(QWidget* w, std::uint32_t colore) {
  return w->property("fosku_colore").isValid() && w->property("fosku_colore").toUInt() == colore;
}

// A button the menu has let go (it is being unloaded) keeps whatever colour it has.
void Colora(QWidget* w, std::uint32_t colore) {
  if (w == nullptr || HaColore(w, colore)) return;  // a colour is written only when it differs
  w->setProperty("fosku_colore", colore);
  platform::SetBackColor(w, colore);
}

}  // namespace

void FormMenu::RegistraFinestra(int Index, Apri apri) {
  if (Index >= 0 && Index < 20) Finestre()[static_cast<size_t>(Index)] = std::move(apri);
}

void FormMenu::Form_Load() {
  SetDesignSize(8850, 4530);
  setWindowTitle(QStringLiteral("Fosku"));
  platform::SetBackColor(Surface(), platform::colours::Blu);
  Surface()->setMouseTracking(true);
  Surface()->installEventFilter(this);

  // The probe lies at the top-left corner and is never seen.
  LabelDimensionaFont = new QLabel(QStringLiteral("dimensiona font "), Surface());
  LabelDimensionaFont->hide();

  for (int i = 0; i < kPulsanti; ++i) {
    const auto& posto = kPosti[static_cast<size_t>(i)];
    auto* b = AddControl(new platform::CommandButton(QString::fromUtf8(kDidascalie[static_cast<size_t>(i)]), Surface()),
                         120 + 2160 * posto.colonna, 120 + 720 * posto.riga, 2040, 555);
    b->setFont(QFont(QStringLiteral("Arial")));
    b->setCursor(Cursori::Puntatore());
    b->setMouseTracking(true);
    // A move over a button is the button's alone: it must not reach the background's handler too.
    b->setAttribute(Qt::WA_NoMousePropagation);
    b->installEventFilter(this);
    connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    if (i < 20 && !Finestre()[static_cast<size_t>(i)]) b->setEnabled(false);  // not built yet
    Command1[static_cast<size_t>(i)] = b;
  }

  Check1 = AddControl(new QCheckBox(QStringLiteral("Suoni attivati"), Surface()), 6720, 3120, 1815, 375);
  QFont cf(QStringLiteral("Arial"), 12);
  cf.setBold(true);
  Check1->setFont(cf);
  Check1->setCursor(Cursori::Puntatore());
  Check1->setAttribute(Qt::WA_NoMousePropagation);  // a move over it is not one over the background
  platform::SetForeColor(Check1, AzzurroChiaro);
  // The click step runs on changes made by the program too.
  connect(Check1, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });

  QMenu* mnuInfo = menuBar()->addMenu(QStringLiteral("Informazioni"));
  mnuDocum = mnuInfo->addAction(QStringLiteral("documentazione"));
  mnuAbout = mnuInfo->addAction(QStringLiteral("about"));
  connect(mnuDocum, &QAction::triggered, this, [this] { mnuDocum_Click(); });
  connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });

  Module1::NuovoRidimensiona(this);

  Command1[0]->setText(DueRighe("Coniugazione", "(fosku all'infinito)"));
  Command1[1]->setText(DueRighe("Radice e desinenza", "(fosku all'infinito)"));
  Command1[5]->setText(DueRighe("Coniugazione", "(fosku coniugati)"));
  Command1[13]->setText(DueRighe("Predicato verbale", "Predicato nominale"));
  Command1[14]->setText(DueRighe("Corretto scorretto", "1°"));
  Command1[15]->setText(DueRighe("Attivo passivo", "1°"));
  Command1[16]->setText(DueRighe("Attivo passivo", "2°"));
  Command1[19]->setText(DueRighe("Corretto scorretto", "2°"));
}

void FormMenu::Form_Activate() {
  CopriSchermo();

  Check1->setChecked(ModuloPerIni::Impostazioni.SuoniAttivati);
  platform::SetBackColor(Check1, platform::ToVbColor(platform::BackColor(Surface())));

  // Every button takes the size at which the probe text fills button 0.
  LabelDimensionaFont->setText(QStringLiteral("  (fosku non all'infinito) "));
  const int size = FontFit::FitPointSize(QString::fromStdString(ModuloPerIni::Impostazioni.NomeFont[1]),
                                         LabelDimensionaFont->text(), platform::TwipsRect(Command1[0]).width());
  QFont probe(QString::fromStdString(ModuloPerIni::Impostazioni.NomeFont[1]), size);
  LabelDimensionaFont->setFont(probe);
  for (QPushButton* b : Command1) {
    QFont f = b->font();
    f.setPointSize(size);
    b->setFont(f);
  }
}

void FormMenu::Form_Resize() {
  if (Module1::Ridimensiona) Module1::Ridimensiona->ResizeControls();
}

void FormMenu::Form_Unloaded() {
  Command1.fill(nullptr);
  Check1 = nullptr;
  LabelDimensionaFont = nullptr;
  mnuDocum = nullptr;
  mnuAbout = nullptr;
}

bool FormMenu::eventFilter(QObject* watched, QEvent* event) {
  if (IsLoaded() && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) {
    if (watched == Surface()) {
      Form_MouseMove();
    } else {
      for (int i = 0; i < kPulsanti; ++i) {
        if (watched == Command1[static_cast<size_t>(i)]) Command1_MouseMove(i);
      }
    }
  }
  return platform::Form::eventFilter(watched, event);
}

void FormMenu::Command1_MouseMove(int Index) {
  if (Index < 0 || Index >= kPulsanti) return;
  Colora(Command1[static_cast<size_t>(Index)], Rosso);
  for (int i = 0; i < kPulsanti; ++i) {
    if (i != Index) Colora(Command1[static_cast<size_t>(i)], AzzurroChiaro);
  }
}

void FormMenu::Form_MouseMove() {
  for (QPushButton* b : Command1) Colora(b, AzzurroChiaro);
}

void FormMenu::Command1_Click(int Index) {
  if (Index >= 0 && Index < 20) {
    const auto& apri = Finestre()[static_cast<size_t>(Index)];
    if (apri) platform::ChangeWindow(this, apri());
  } else if (Index == 20) {
    // "Esci": the only place where the settings are written. A save that fails is told
    // before the program ends, so no change is lost without a word.
    std::string motivo;
    if (!ModuloPerIni::SalvaImpostazioni(&motivo)) {
      platform::MsgBox(this, QString::fromStdString(motivo), platform::vbCritical);
    }
    Module1::Ridimensiona.reset();
    platform::EndProgram();
  }
}

void FormMenu::Check1_Click() { ModuloPerIni::Impostazioni.SuoniAttivati = Check1->isChecked(); }

void FormMenu::mnuDocum_Click() { ModuloNavigate::ApriDocumento(this, platform::ProgramPath("\\fosku.pdf")); }

void FormMenu::mnuAbout_Click() { platform::ChangeWindow(this, &platform::Instance<FormInfo>()); }
