#include "exercises/sentences/form15_person.h"

#include <algorithm>
#include <optional>

#include "platform/commandbutton.h"
#include "platform/paths.h"
#include "platform/twips.h"

namespace {

struct Persona {
  const char* didascalia;
  std::vector<const char*> soggetti;  // the subjects, in lower case, the button stands for
  double left, top, width;
};
const std::array<Persona, 6> kPersone = {{
    {"io", {"io"}, 240, 360, 1215},
    {"tu", {"tu"}, 1680, 360, 1215},
    {"egli - esso - ella - essa", {"egli", "esso", "lui", "ella", "essa", "lei"}, 3120, 360, 4815},
    {"noi", {"noi"}, 240, 1080, 1215},
    {"voi", {"voi"}, 1680, 1080, 1215},
    {"essi - esse", {"essi", "esse", "loro"}, 3120, 1080, 4815},
}};

constexpr std::uint32_t kGrigio = 0xE0E0E0;
constexpr std::uint32_t kVerdeChiaro = 0x80FF80;

}  // namespace

Form15::Form15()
    : TavolaParole(Finestra::Form15, 8250, 5760, 960, QStringLiteral("Riconosci la persona del verbo")) {}

void Form15::CaricaFinestra() {
  Frame1 = AddControl(new QFrame(Surface()), 0, 3120, 8055, 1935);
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(14.25);  // as the instruction above the sentence
  for (size_t i = 0; i < kPersone.size(); ++i) {
    const Persona& p = kPersone[i];
    auto* b = new platform::CommandButton(QString::fromUtf8(p.didascalia), Frame1);
    RegisterChildControl(b, p.left, p.top, p.width, 615);
    b->setFont(f);
    connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(static_cast<int>(i)); });
    Command1[i] = b;
  }
  // A pupil on the keyboard goes on from the "Avanti" panel itself.
  StatusBar1->SetPanelTakesFocus(3);
  LeggiFrasi(kFile);
}

void Form15::ImpostaGriglia() {
  ImpostaColonne({1, 13, 5}, {QStringLiteral("frase"), QStringLiteral("errori")}, {1, 2});
}

int Form15::BottoneDelSoggetto(const QString& soggetto) {
  const QString s = soggetto.toLower();
  for (size_t i = 0; i < kPersone.size(); ++i) {
    const auto& soggetti = kPersone[i].soggetti;
    if (std::any_of(soggetti.begin(), soggetti.end(), [&](const char* x) { return s == QLatin1String(x); })) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool Form15::RigaUsabile(const std::vector<PezzoFrase>& pezzi) const {
  bool parole = false;
  std::optional<QString> soggetto;
  for (const PezzoFrase& p : pezzi) {
    if (p.nascosto()) {
      soggetto = p.testo.mid(1, p.testo.size() - 2);  // the last bracketed chunk is the subject
    } else if (!p.testo.isEmpty()) {
      parole = true;
    }
  }
  return parole && soggetto && BottoneDelSoggetto(*soggetto) >= 0;
}

int Form15::FondoParole() const { return Frame1 != nullptr ? Frame1->y() : TavolaParole::FondoParole(); }

void Form15::PreparaFrase() {
  for (QPushButton* b : Command1) {
    platform::SetBackColor(b, kGrigio);
    b->setEnabled(true);
  }
  SottintesoPresente = false;
  TestoVisibile.clear();
  primaParola_ = nullptr;
  primaParolaScritta_.clear();
}

QWidget* Form15::DoveSiRisponde() const { return PrimoAbilitato(Command1); }

QWidget* Form15::ControlloAvanti() const {
  QLabel* avanti = StatusBar1 != nullptr ? StatusBar1->Panel(3) : nullptr;
  return avanti != nullptr && !avanti->isHidden() ? avanti : nullptr;
}

void Form15::NessunaFrase() {
  for (QPushButton* b : Command1) b->setEnabled(false);
}

void Form15::PreparaParola(EtichettaParola* l, const PezzoFrase& p) {
  if (p.nascosto()) {
    // The implied subject is held, hidden, until the right answer shows it.
    SottintesoPresente = true;
    SoggettoSottinteso = p.testo.mid(1, p.testo.size() - 2);
    QString testo = SoggettoSottinteso;
    // Shown in front of the sentence, the subject begins it with a capital, whatever the line's case.
    if (l == Label3.front() && !testo.isEmpty()) testo[0] = testo[0].toUpper();
    l->setText(testo + QStringLiteral(" "));
    l->hide();
  } else {
    QString testo = p.testo;
    if (TestoVisibile.isEmpty() && SottintesoPresente && !testo.isEmpty()) {
      // The sentence shown starts with a capital, though the line starts with the hidden subject.
      primaParola_ = l;
      primaParolaScritta_ = testo + QStringLiteral(" ");
      testo[0] = testo[0].toUpper();
    }
    l->setText(testo + QStringLiteral(" "));
    l->show();
    TestoVisibile += testo + QStringLiteral(" ");
  }
}

void Form15::Command1_Click(int Index) {
  // Every sentence drawn has its implied subject (a line without one is never drawn): with none,
  // no sentence is on show and there is nothing to judge.
  if (Index < 0 || Index >= static_cast<int>(Command1.size()) || Command1[static_cast<size_t>(Index)] == nullptr ||
      !SottintesoPresente) {
    return;
  }
  ControllaSoggetto(Index);
}

void Form15::ControllaSoggetto(int Bottone) {
  const bool giusto = BottoneDelSoggetto(SoggettoSottinteso) == Bottone;
  QPushButton* b = Command1[static_cast<size_t>(Bottone)];
  if (giusto) {
    SistemaLabel();
    for (QPushButton* c : Command1) c->setEnabled(false);
    RiempiGriglia(QString());
    ContaRisposta(true);
    MostraAvanti(true);
    FuocoDoveSiRisponde();  // on "Avanti"
  } else {
    ContaRisposta(false);
    RiempiGriglia(b->text());
    platform::SetBackColor(b, platform::colours::Rosso);
  }
}

void Form15::SistemaLabel() {
  // With the subject in front of it, the first word reads as the line writes it.
  if (primaParola_ != nullptr) primaParola_->setText(primaParolaScritta_);
  for (EtichettaParola* l : Label3) {
    if (!l->isHidden()) continue;
    platform::SetBackColor(l, kVerdeChiaro);
    l->show();
  }
  DisponiParole();
}

void Form15::RiempiGriglia(const QString& Stringa) { AggiungiRisultato({TestoVisibile, Stringa}); }

void Form15::Form_Unloaded() {
  TavolaParole::Form_Unloaded();
  Frame1 = nullptr;
  Command1.fill(nullptr);
  primaParola_ = nullptr;
}
