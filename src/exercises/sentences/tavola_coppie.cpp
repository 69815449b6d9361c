#include "exercises/sentences/tavola_coppie.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>

#include "exercise_window/righe_dati.h"
#include "conjugation/verb_lists.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "services/fontfit.h"

namespace {

// A sentence too long for its box at the chosen size is shown smaller, down to this size.
constexpr int kPuntiMinimi = 8;

// The board in the window's design, in twips: the captions over the two boxes, the boxes, the
// two sentences under them, and the next-item button below.
constexpr double kLarghezza = 8010;
constexpr double kAltezza = 5160;
constexpr double kColonnaSinistra = 360;
constexpr double kBoxSinistro = 315;
constexpr double kColonnaDestra = 4200;
const QRectF kAvanti(3098, 3840, 1815, 975);

}  // namespace

std::optional<CoppiaFrasi> DividiCoppia(const std::string& testo) {
  const QString riga = QString::fromStdString(testo);
  const qsizetype p = riga.indexOf(QLatin1Char('#'));
  if (p < 0) return std::nullopt;
  CoppiaFrasi c{riga.left(p), riga.mid(p + 1)};
  if (c.frase0.trimmed().isEmpty() || c.frase1.trimmed().isEmpty()) return std::nullopt;
  return c;
}

// ---- the board

TavolaCoppie::TavolaCoppie(Finestra finestra, ConfigTavola config)
    : ExerciseWindow(finestra), tavola_(std::move(config)) {}

void TavolaCoppie::Form_Load() {
  inCaricamento_ = true;
  messaggioRinviato_ = false;
  rigaCoppia_ = 0;
  CostruisciScheletro(kLarghezza, kAltezza, kAvanti);
  platform::SetBackColor(Surface(), tavola_.sfondo);
  platform::SetBackColor(BottoneAvanti, tavola_.sfondoAvanti);

  // Until the activation step applies the group's font, the sentences show the design font.
  fontFrasi_ = QFont(QStringLiteral("Arial"));
  fontFrasi_.setPointSize(14);
  fontFrasi_.setBold(true);
  QFont didascalie(QStringLiteral("Arial"));
  didascalie.setPointSize(14);
  didascalie.setBold(true);

  const std::array<double, 2> colonne = {kColonnaSinistra, kColonnaDestra};
  const std::array<double, 2> box = {kBoxSinistro, kColonnaDestra};
  const std::array<QString, 2> testiDidascalie = {tavola_.didascalia0, tavola_.didascalia1};
  const std::array<std::uint32_t, 2> sfondiBox = {tavola_.sfondoBox0, tavola_.sfondoBox1};
  for (int i = 0; i < 2; ++i) {
    const auto k = static_cast<size_t>(i);
    auto* didascalia = AddControl(new QLabel(testiDidascalie[k], Surface()), colonne[k], 360, 3465, 330);
    didascalia->setFont(didascalie);
    didascalia->setAlignment(Qt::AlignCenter);
    Label6[k] = didascalia;

    auto* riquadro =
        AddControl(new EtichettaBersaglio(i, Surface()), box[k], 720, 3495, 900);
    connect(riquadro, &EtichettaBersaglio::Rilasciata, this,
            [this](int r, int frase) { Label4_DragDrop(r, frase); });
    platform::SetBackColor(riquadro, sfondiBox[k]);
    Label4[k] = riquadro;

    auto* frase = AddControl(new EtichettaTrascinabile(i, Surface()), colonne[k], 2580, 3495, 900);
    platform::SetBackColor(frase, platform::colours::Bianco);
    Label3[k] = frase;

    for (QLabel* l : {static_cast<QLabel*>(riquadro), static_cast<QLabel*>(frase)}) {
      l->setFrameStyle(QFrame::Box | QFrame::Plain);
      l->setAlignment(Qt::AlignCenter);
      l->setWordWrap(true);
      l->setMargin(5);  // inside the frame
      l->setFont(fontFrasi_);
    }
    // The design captions of the boxes give way to the first pair.
    riquadro->setText(QString());
  }
  Griglia->raise();

  LegaRidimensiona();
  AzzeraContatori();
  LeggiLista();
  EstraiFrasi();
  inCaricamento_ = false;
}

void TavolaCoppie::Form_Activate() {
  OccupaSchermo();
  ImpostaFont();
  ImpostaGriglia();
  if (messaggioRinviato_) {
    // No pair could be drawn at load: told now, with the window on the screen.
    messaggioRinviato_ = false;
    SegnalaFileMancanti({tavola_.file});
  }
}

void TavolaCoppie::Form_Unloaded() {
  ExerciseWindow::Form_Unloaded();
  Label3 = {};
  Label4 = {};
  Label6 = {};
  rigaCoppia_ = 0;
}

void TavolaCoppie::LeggiLista() {
  Frasi = LeggiRighe(tavola_.file, kCapacita);
  NumeroFrasi = static_cast<int>(Frasi.size()) - 1;
  for (auto& r : Frasi) {
    // A line that cannot make a pair takes its row, empty, and is never drawn.
    if (!DividiCoppia(r)) r.clear();
  }
}

void TavolaCoppie::EstraiFrasi() {
  erroriCoppia_.clear();
  const auto riga = platform::DrawUsable(Frasi, 1);
  if (!riga) {
    // Nothing to draw: the board stays empty and nothing can be dragged.
    for (size_t i = 0; i < 2; ++i) {
      MostraTesto(Label4[i], QString());
      MostraTesto(Label3[i], QString());
      Label3[i]->setEnabled(false);
    }
    if (inCaricamento_) {
      messaggioRinviato_ = true;
    } else {
      SegnalaFileMancanti({tavola_.file});
    }
    return;
  }
  // The sentence row drawn is kept in the engine's current-item index, as the verb windows keep theirs.
  CostruisciFosku::IndiceEstratto = *riga;
  ScombiccheraPosti();
  const auto coppia = DividiCoppia(Frasi[static_cast<size_t>(*riga)]);
  MostraTesto(Label4[0], QString());
  MostraTesto(Label4[1], QString());
  MostraTesto(Label3[0], coppia->frase0);
  MostraTesto(Label3[1], coppia->frase1);
  Label3[0]->setEnabled(true);
  Label3[1]->setEnabled(true);
}

void TavolaCoppie::ScombiccheraPosti() {
  // 0: each sentence under the other's box; 1: each under its own.
  scambiati_ = platform::RandomBelow(2) == 0;
  AllineaPosti();
}

void TavolaCoppie::AllineaPosti() {
  if (Label3[0] == nullptr) return;
  const double sinistra0 = platform::TwipsRect(Label4[0]).left();
  const double sinistra1 = platform::TwipsRect(Label4[1]).left();
  platform::SetLeft(Label3[0], scambiati_ ? sinistra1 : sinistra0);
  platform::SetLeft(Label3[1], scambiati_ ? sinistra0 : sinistra1);
  platform::SetLeft(Label6[0], sinistra0);
  platform::SetLeft(Label6[1], sinistra1);
}

void TavolaCoppie::Label4_DragDrop(int Index, int Frase) {
  if (Index < 0 || Index > 1 || Frase < 0 || Frase > 1 || Label3[0] == nullptr) return;
  QLabel* frase = Label3[static_cast<size_t>(Frase)];
  // A sentence already placed, or a board without a pair, has nothing to drop.
  if (!frase->isEnabled()) return;
  if (Frase == Index) {
    QLabel* riquadro = Label4[static_cast<size_t>(Index)];
    MostraTesto(riquadro, frase->text());
    MostraTesto(frase, QString());
    frase->setEnabled(false);
    if (!Label4[0]->text().isEmpty() && !Label4[1]->text().isEmpty()) {
      // Both sentences are in their boxes: the pair is one right answer.
      RiempiGriglia();
      ContaRisposta(true);
      BottoneAvanti->setEnabled(true);
    }
  } else {
    erroriCoppia_ += QLatin1Char('*');
    ContaRisposta(false);
  }
}

void TavolaCoppie::ImpostaFont() {
  fontFrasi_ = QFont(NomeFontGruppo());
  fontFrasi_.setPointSize(std::max(1, DimensioneFontGruppo()));
  fontFrasi_.setBold(true);
  for (size_t i = 0; i < 2; ++i) {
    if (Label3[i] == nullptr) continue;
    AdattaTesto(Label3[i]);
    AdattaTesto(Label4[i]);
  }
}

QWidget* TavolaCoppie::EtichettaFont() {
  if (Label3[0] != nullptr) Label3[0]->setFont(fontFrasi_);
  return Label3[0];
}

void TavolaCoppie::MostraTesto(QLabel* etichetta, const QString& testo) {
  etichetta->setText(testo);
  AdattaTesto(etichetta);
}

void TavolaCoppie::AdattaTesto(QLabel* etichetta) {
  QFont f = fontFrasi_;
  const QString testo = etichetta->text();
  const int m = etichetta->margin();
  const QRect area = etichetta->contentsRect().adjusted(m, m, -m, -m);
  if (!testo.isEmpty() && area.width() > 0 && area.height() > 0) {
    auto entra = [&](int punti) {
      f.setPointSize(punti);
      return FontFit::EntraNelRiquadro(f, testo, area);
    };
    f.setPointSize(FontFit::LargestSize(kPuntiMinimi, fontFrasi_.pointSize(), entra));
  }
  etichetta->setFont(f);
}

void TavolaCoppie::Ridisponi() {
  if (Label3[0] == nullptr) return;
  AllineaPosti();
  for (size_t i = 0; i < 2; ++i) {
    AdattaTesto(Label3[i]);
    AdattaTesto(Label4[i]);
  }
}

void TavolaCoppie::ImpostaGriglia() {
  rigaCoppia_ = 0;
  PosizionaGriglia();
  Griglia->SetCols(4);
  const long w = platform::RoundHalfEven(Width());
  Griglia->SetColWidth(0, static_cast<int>(w / 36));
  Griglia->SetColWidth(1, static_cast<int>(5 * (w / 18)));
  Griglia->SetColWidth(2, static_cast<int>(5 * (w / 18)));
  Griglia->SetColWidth(3, static_cast<int>(2 * (w / 18)));
  // The sentences read from the left; the number and the error marks are centred.
  Griglia->SetColAlignment(0, platform::flexAlignCenterCenter);
  Griglia->SetColAlignment(1, 0);
  Griglia->SetColAlignment(2, 0);
  Griglia->SetColAlignment(3, platform::flexAlignCenterCenter);
  Griglia->SetRows(1);
  Griglia->SetRow(0);
  Griglia->SetTextMatrix(0, 0, QString());
  Griglia->SetTextMatrix(0, 1, tavola_.didascalia0);
  Griglia->SetTextMatrix(0, 2, tavola_.didascalia1);
  Griglia->SetTextMatrix(0, 3, QStringLiteral("errori"));
  for (int k : {2, 3}) {
    Griglia->SetCol(k);
    Griglia->SetCellAlignment(platform::flexAlignCenterCenter);
  }
}

void TavolaCoppie::RiempiGriglia() {
  rigaCoppia_ = AggiungiRiga(Label4[0]->text());
  Griglia->SetTextMatrix(rigaCoppia_, 2, Label4[1]->text());
  Griglia->SetTextMatrix(rigaCoppia_, 3, erroriCoppia_);
}

// ---- the two boards

Form14::Form14()
    : TavolaCoppie(Finestra::Form14, {.file = "\\testifosku\\6\\corrette scorrette.txt", .didascalia0 = "corretta",
                                      .didascalia1 = "scorretta", .sfondo = 0xFFFFC0, .sfondoBox0 = 0x80FF80,
                                      .sfondoBox1 = 0xFFC0FF, .sfondoAvanti = 0xFF8080}) {}

Form16::Form16()
    : TavolaCoppie(Finestra::Form16, {.file = "\\testifosku\\7\\attivopassivo1.txt", .didascalia0 = "attiva",
                                      .didascalia1 = "passiva", .sfondo = 0xFF8080, .sfondoBox0 = 0xC0FFFF,
                                      .sfondoBox1 = 0xFFFFC0, .sfondoAvanti = 0xFFFFC0}) {}
