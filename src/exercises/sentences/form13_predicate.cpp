#include "exercises/sentences/form13_predicate.h"

#include "platform/paths.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "settings/moduloperini.h"

std::optional<std::array<QString, 3>> DividiFrase(const QString& riga) {
  const qsizetype p = riga.indexOf(QLatin1Char('#'));
  if (p < 0) return std::nullopt;
  // The rest of the line after the first "#", without the line's last character.
  const qsizetype resto = riga.size() - p - 2;
  if (resto < 0) return std::nullopt;
  const QString s = riga.mid(p + 1, resto);
  const qsizetype q = s.indexOf(QLatin1Char('#'));
  if (q < 0) return std::nullopt;
  return std::array<QString, 3>{riga.left(p) + QLatin1Char(' '), s.left(q) + QLatin1Char(' '), s.mid(q + 1)};
}

Form13::Form13()
    : DueBottoni(Finestra::Form13, {.primoFile = "\\testiFosku\\5\\Verbale.txt",
                                    .secondoFile = "\\testiFosku\\5\\nominale.txt", .didascalia0 = "Predicato verbale",
                                    .didascalia1 = "Predicato nominale", .titoloGriglia = "Predicato",
                                    .intestazione0 = "Verbali", .intestazione1 = "nominali"}) {}

bool Form13::ItemValido(const std::string& riga) const {
  const auto parti = DividiFrase(QString::fromStdString(riga));
  return parti && !(*parti)[1].trimmed().isEmpty();
}

void Form13::CreaEtichette() {
  QFont f(NomeFontGruppo());
  f.setPointSize(DimensioneFontGruppo());
  for (QLabel*& l : Label2) {
    l = new QLabel(Picture1);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setFont(f);
  }
  platform::SetForeColor(Label2[1], platform::colours::Rosso);
}

void Form13::SvuotaEtichette() {
  for (QLabel* l : Label2) {
    l->setVisible(true);
    l->setText(QString());
  }
}

QString Form13::MostraItem(const QString& testo) {
  const auto parti = DividiFrase(testo);
  for (size_t i = 0; i < 3; ++i) Label2[i]->setText(parti ? (*parti)[i] : QString());
  DisponiFrase();
  return Label2[1]->text();
}

void Form13::DisponiFrase() {
  if (Label2[0] == nullptr || Picture1 == nullptr) return;
  int totale = 0;
  for (QLabel* l : Label2) {
    l->adjustSize();
    totale += l->width();
  }
  int left = (Picture1->width() - totale) / 2;
  const int top = (Picture1->height() - Label2[0]->height()) / 2;
  for (QLabel* l : Label2) {
    l->move(left, top);
    left += l->width();
  }
}

void Form13::DopoFont() {
  // The font the dialog gave the first part reaches the other two parts and the buttons.
  QFont f(NomeFontGruppo());
  f.setPointSize(DimensioneFontGruppo());
  Label2[1]->setFont(f);
  Label2[2]->setFont(f);
  DisponiFrase();
  AdattaBottoni();
}

void Form13::Form_Unloaded() {
  DueBottoni::Form_Unloaded();
  Label2.fill(nullptr);
}
