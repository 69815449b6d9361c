#include "exercise_window/bottoni_risposta.h"

#include <algorithm>

#include "platform/commandbutton.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "services/fontfit.h"
#include "settings/moduloperini.h"

namespace {
constexpr const char* kSonda = " 1° coniugazione  ";
}

BottoniRisposta::BottoniRisposta(Finestra finestra, ConfigBottoniRisposta config) : ExerciseWindow(finestra), bottoni_(std::move(config)) {}

void BottoniRisposta::Form_Load() {
  const DisposizioneBottoni& d = bottoni_.disposizione;
  CostruisciScheletro(d.larghezza, d.altezza, d.avanti);
  if (d.avantiAzzurro) platform::SetBackColor(BottoneAvanti, platform::colours::AzzurroChiaro);

  Picture1 = AddControl(new QFrame(Surface()), d.picture.left(), d.picture.top(), d.picture.width(),
                        d.picture.height());
  Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  platform::SetBackColor(Picture1, platform::colours::Bianco);

  Command1.assign(bottoni_.didascalie.size(), nullptr);
  for (int i = 0; i < NumeroBottoni(); ++i) {
    const QRectF& r = d.bottoni.at(static_cast<size_t>(i));
    auto* b = AddControl(new platform::CommandButton(bottoni_.didascalie[static_cast<size_t>(i)], Surface()), r.left(),
                         r.top(), r.width(), r.height());
    platform::SetBackColor(b, platform::colours::AzzurroChiaro);
    connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Command1[static_cast<size_t>(i)] = b;
  }
  LabelDimensionaFont = new QLabel(QStringLiteral("dimensiona font "), Surface());
  LabelDimensionaFont->hide();

  LegaRidimensiona();

  CreaEtichette();
  scelteSegnalate_ = false;
  LeggiFosku();
  AzzeraContatori();
}

void BottoniRisposta::CreaEtichette() {
  Label2 = new QLabel(Picture1);
  Label2->setAttribute(Qt::WA_TranslucentBackground);
  QFont f(NomeFontGruppo());
  f.setPointSize(DimensioneFontGruppo());
  Label2->setFont(f);
}

void BottoniRisposta::SvuotaEtichette() {
  Label2->setVisible(true);
  Label2->setText(QString());
}

QString BottoniRisposta::MostraItem(const QString& testo) {
  Label2->setText(testo);
  CentraEtichetta();
  return Label2->text();
}

void BottoniRisposta::Form_Activate() {
  OccupaSchermo();
  AdattaBottoni();
  if (bottoni_.didascaliaConiugazione) {
    for (int i = 0; i < NumeroBottoni(); ++i) Command1[static_cast<size_t>(i)]->setText(QStringLiteral("%1°\r\nconiugazione").arg(i + 1));
  }
  ImpostaGriglia();
  GeneraEsercizio();
}

void BottoniRisposta::AdattaBottoni() {
  if (bottoni_.gruppoFontBottoni > 0) {
    AdattaDidascalie();
    return;
  }
  // The buttons take the size at which the probe text, in the group's face, fills the first one.
  LabelDimensionaFont->setText(QString::fromUtf8(kSonda));
  const int size = FontFit::FitPointSize(NomeFontGruppo(), LabelDimensionaFont->text(),
                                         platform::TwipsRect(Command1[0]).width());
  LabelDimensionaFont->setFont(QFont(NomeFontGruppo(), size));
  for (QPushButton* b : Command1) b->setFont(QFont(NomeFontGruppo(), size));
}

void BottoniRisposta::AdattaDidascalie() {
  if (bottoni_.gruppoFontBottoni <= 0) return;
  const auto g = static_cast<size_t>(bottoni_.gruppoFontBottoni);
  QFont f(QString::fromStdString(ModuloPerIni::Impostazioni.NomeFont[g]));
  const int scelti = std::max(1, static_cast<int>(ModuloPerIni::Impostazioni.DimensioneFont[g]));
  auto entrano = [&](int punti) {
    f.setPointSize(punti);
    for (QPushButton* b : Command1) {
      // A pixel spare at each side: no letter stands where a caption too wide is cut.
      const QRect area = static_cast<platform::CommandButton*>(b)->CaptionArea().adjusted(1, 0, -1, 0);
      if (!b->text().isEmpty() && !FontFit::EntraNelRiquadro(f, b->text(), area)) return false;
    }
    return true;
  };
  f.setPointSize(FontFit::LargestSize(1, scelti, entrano));
  for (QPushButton* b : Command1) b->setFont(f);
}

void BottoniRisposta::Ridisponi() {
  CentraEtichetta();
  AdattaDidascalie();
}

void BottoniRisposta::DopoFont() {
  CentraEtichetta();
  AdattaBottoni();
}

void BottoniRisposta::ImpostaGriglia() {
  if (bottoni_.unaColonnaRisposta) {
    ImpostaColonne({1, 8, 2, 2}, {bottoni_.titoloGriglia, bottoni_.intestazioni.at(0), QStringLiteral("Errori")}, {2, 3});
    return;
  }
  // Column widths in 36ths of the window's width: number 1, item 8, each choice 2, errors.
  // The choices' headers are centred, and the errors header where the window's design says so.
  std::vector<int> fattori = {1, 8};
  std::vector<QString> intestazioni = {bottoni_.titoloGriglia};
  std::vector<int> centrate;
  for (int k = 0; k < NumeroBottoni(); ++k) {
    fattori.push_back(2);
    intestazioni.push_back(bottoni_.intestazioni.at(static_cast<size_t>(k)));
    centrate.push_back(k + 2);
  }
  fattori.push_back(bottoni_.disposizione.larghezzaErrori);
  intestazioni.push_back(QStringLiteral("Errori"));
  if (bottoni_.disposizione.erroriCentrato) centrate.push_back(ColonnaErrori());
  ImpostaColonne(fattori, intestazioni, centrate);
}

void BottoniRisposta::CentraEtichetta() { ExerciseWindow::CentraEtichetta(Label2, Picture1); }

void BottoniRisposta::GeneraEsercizio() {
  for (QPushButton* b : Command1) {
    b->setEnabled(true);
    platform::SetBackColor(b, platform::colours::AzzurroChiaro);
  }
  SvuotaEtichette();
  const auto testo = Estrai();
  if (!testo) {
    // Nothing to draw: the answers cannot be given.
    for (QPushButton* b : Command1) b->setEnabled(false);
  } else {
    AggiungiRiga(MostraItem(*testo));
    AdattaDidascalie();  // the captions of this item
  }
  if (!scelteSegnalate_) {
    scelteSegnalate_ = true;
    SegnalaScelteMancanti();
  }
  FuocoDoveSiRisponde();
}

QWidget* BottoniRisposta::DoveSiRisponde() const { return PrimoAbilitato(Command1); }

void BottoniRisposta::SegnalaScelteSenzaLista(const std::vector<std::string>& files, bool altreUsabili,
                                         const QString& apertura) {
  if (files.empty() || !altreUsabili) return;
  SegnalaFileMancanti(files, apertura, platform::vbExclamation);
}

void BottoniRisposta::Command1_Click(int Index) {
  if (Index < 0 || Index >= NumeroBottoni() || RigaItem() == 0) return;
  QPushButton* cliccato = Command1[static_cast<size_t>(Index)];
  if (Index == RispostaGiusta) {
    ContaRisposta(true);
    for (QPushButton* b : Command1) b->setEnabled(false);
    if (bottoni_.unaColonnaRisposta) {
      Griglia->SetTextMatrix(RigaItem(), 2, cliccato->text());
    } else {
      Griglia->SetTextMatrix(RigaItem(), Index + 2, QStringLiteral("*"));
    }
    platform::SetBackColor(cliccato, platform::colours::Verde);
    BottoneAvanti->setEnabled(true);
    BottoneAvanti->setFocus();
  } else {
    ContaRisposta(false);
    platform::SetBackColor(cliccato, platform::colours::Rosso);
    const int errori = ColonnaErrori();
    Griglia->SetTextMatrix(RigaItem(), errori, Griglia->TextMatrix(RigaItem(), errori) + QStringLiteral("*"));
  }
}

void BottoniRisposta::Form_Unloaded() {
  ExerciseWindow::Form_Unloaded();
  Picture1 = nullptr;
  Label2 = nullptr;
  Command1.clear();
  LabelDimensionaFont = nullptr;
}
