#include "exercises/sentences/form19_fitting_verb.h"

#include "exercise_window/righe_dati.h"
#include "conjugation/verb_lists.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/textfile.h"

namespace {
constexpr const char* kFile = "\\testiFosku\\9\\fosku.txt";

DisposizioneBottoni Disposizione() {
  DisposizioneBottoni d;
  // Five buttons side by side under the sentence.
  d.bottoni.clear();
  for (int i = 0; i < 5; ++i) d.bottoni.emplace_back(360 + i * 2052, 3480, 1872, 1200);
  return d;
}
}  // namespace

std::optional<FraseConVerbi> AnalizzaFraseConVerbi(const std::string& testo) {
  const QString riga = QString::fromStdString(testo);
  const qsizetype p = riga.indexOf(QLatin1Char('['));
  // The verbs' list closes the line: a line cut short would lose a letter of its last verb.
  if (p < 0 || !riga.endsWith(QLatin1Char(']'))) return std::nullopt;
  QString frase = riga.left(p);
  const qsizetype gap = frase.indexOf(QLatin1Char('#'));
  if (gap < 0) return std::nullopt;
  frase.replace(gap, 1, QStringLiteral(" _____ "));
  // The first four commas part the verbs; the rest, less the closing "]", is the last verb.
  // Each verb goes on its button without the blanks around it ("[abbaia, vola, ...]").
  QString verbi = riga.mid(p + 1);
  std::array<QString, 4> primi;
  for (QString& v : primi) {
    const qsizetype virgola = verbi.indexOf(QLatin1Char(','));
    if (virgola < 0) return std::nullopt;
    v = verbi.left(virgola).trimmed();
    verbi = verbi.mid(virgola + 1);
  }
  verbi.chop(1);
  FraseConVerbi f{frase, primi[0], {primi[1], primi[2], primi[3], verbi.trimmed()}};
  // A line no click can answer: the right verb is blank, or a wrong one reads just like it (and
  // would be judged wrong).
  if (f.giusto.isEmpty()) return std::nullopt;
  for (const QString& v : f.errati) {
    if (v.compare(f.giusto, Qt::CaseInsensitive) == 0) return std::nullopt;
  }
  return f;
}

Form19::Form19()
    : BottoniRisposta(Finestra::Form19,
                      {.didascalie = {QString(), QString(), QString(), QString(), QString()},
                       .didascaliaConiugazione = false,
                       .titoloGriglia = QStringLiteral("Frase"),
                       .intestazioni = {QStringLiteral("Verbo")},
                       .disposizione = Disposizione(),
                       .unaColonnaRisposta = true,
                       .gruppoFontBottoni = 3}) {}

void Form19::LeggiFosku() {
  Frasi = LeggiRighe(kFile, kCapacita);
  NumeroFrasi = static_cast<int>(Frasi.size()) - 1;
}

std::optional<QString> Form19::Estrai() {
  // Only lines that can be asked are drawn: empty lines and lines that break the layout are not.
  const auto riga = platform::DrawUsable(
      1, NumeroFrasi, [this](int r) { return AnalizzaFraseConVerbi(Frasi[static_cast<size_t>(r)]).has_value(); });
  if (!riga) {
    for (QPushButton* b : Command1) b->setText(QString());
    SegnalaFileMancanti({kFile});
    return std::nullopt;
  }
  // The sentence row drawn is kept in the engine's current-item index, as the verb windows keep theirs.
  CostruisciFosku::IndiceEstratto = *riga;
  const auto f = AnalizzaFraseConVerbi(Frasi[static_cast<size_t>(*riga)]);
  for (QPushButton* b : Command1) b->setText(QString());
  // The right verb on a button drawn among the five, each wrong one on a button drawn among
  // those still free.
  RispostaGiusta = platform::RandomBelow(5);
  Command1[static_cast<size_t>(RispostaGiusta)]->setText(f->giusto);
  std::vector<int> libere;
  for (int i = 0; i < 5; ++i) {
    if (i != RispostaGiusta) libere.push_back(i);
  }
  for (const QString& v : f->errati) {
    const auto k = static_cast<size_t>(platform::RandomBelow(static_cast<int>(libere.size())));
    Command1[static_cast<size_t>(libere[k])]->setText(v);
    libere.erase(libere.begin() + static_cast<std::ptrdiff_t>(k));
  }
  return f->frase;
}
