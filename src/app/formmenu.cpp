#include "app/formmenu.h"

#include <QEvent>
#include <QMenuBar>
#include <algorithm>

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

// The place of "Esci": bottom right, under the sound switch.
constexpr int kRigaEsci = 5;
constexpr int kColonnaEsci = 3;

std::vector<FormMenu::Pulsante>& Pulsanti() {
  static std::vector<FormMenu::Pulsante> pulsanti;
  return pulsanti;
}

bool HaColore(QWidget* w, std::uint32_t colore) {
  return w->property("fosku_colore").isValid() && w->property("fosku_colore").toUInt() == colore;
}

void Colora(QWidget* w, std::uint32_t colore) {
  if (HaColore(w, colore)) return;  // a colour is written only when it differs
  w->setProperty("fosku_colore", colore);
  platform::SetBackColor(w, colore);
}

}  // namespace

void FormMenu::RegistraPulsanti(std::vector<Pulsante> pulsanti) { Pulsanti() = std::move(pulsanti); }

int FormMenu::IndiceEsci() { return static_cast<int>(Pulsanti().size()); }

void FormMenu::Form_Load() {
  SetDesignSize(8850, 4530);
  setWindowTitle(QStringLiteral("Fosku"));
  platform::SetBackColor(Surface(), platform::colours::Blu);
  Surface()->setMouseTracking(true);
  Surface()->installEventFilter(this);

  // The probe lies at the top-left corner and is never seen.
  LabelDimensionaFont = new QLabel(QStringLiteral("dimensiona font "), Surface());
  LabelDimensionaFont->hide();

  std::vector<Pulsante> pulsanti = Pulsanti();
  pulsanti.push_back({QStringLiteral("Esci"), kRigaEsci, kColonnaEsci, {}});
  Command1.assign(pulsanti.size(), nullptr);
  for (int i = 0; i < static_cast<int>(pulsanti.size()); ++i) {
    const Pulsante& p = pulsanti[static_cast<size_t>(i)];
    auto* b = AddControl(new platform::CommandButton(p.didascalia, Surface()), 120 + 2160 * p.colonna,
                         120 + 720 * p.riga, 2040, 555);
    b->setFont(QFont(QStringLiteral("Arial")));
    b->setCursor(Cursori::Puntatore());
    b->setMouseTracking(true);
    // A move over a button is the button's alone: it must not reach the background's handler too.
    b->setAttribute(Qt::WA_NoMousePropagation);
    b->installEventFilter(this);
    connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    if (i != IndiceEsci() && !p.apri) b->setEnabled(false);  // no window to open
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
  std::fill(Command1.begin(), Command1.end(), nullptr);
  Check1 = nullptr;
  LabelDimensionaFont = nullptr;
  mnuDocum = nullptr;
  mnuAbout = nullptr;
}

bool FormMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    if (watched == Surface()) {
      Form_MouseMove();
    } else {
      for (int i = 0; i < static_cast<int>(Command1.size()); ++i) {
        if (watched == Command1[static_cast<size_t>(i)]) Command1_MouseMove(i);
      }
    }
  }
  return platform::Form::eventFilter(watched, event);
}

void FormMenu::Command1_MouseMove(int Index) {
  if (Index < 0 || Index >= static_cast<int>(Command1.size())) return;
  Colora(Command1[static_cast<size_t>(Index)], Rosso);
  for (int i = 0; i < static_cast<int>(Command1.size()); ++i) {
    if (i != Index) Colora(Command1[static_cast<size_t>(i)], AzzurroChiaro);
  }
}

void FormMenu::Form_MouseMove() {
  for (QPushButton* b : Command1) Colora(b, AzzurroChiaro);
}

void FormMenu::Command1_Click(int Index) {
  if (Index >= 0 && Index < IndiceEsci()) {
    const Apri& apri = Pulsanti()[static_cast<size_t>(Index)].apri;
    if (apri) platform::ChangeWindow(this, apri());
  } else if (Index == IndiceEsci()) {
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
