#include "exercises/sentences/form13_predicate.h"

#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "services/fontfit.h"

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
  BottoniRisposta::CreaEtichette();
  fontFrase_ = Label2->font();
  Label2->setTextFormat(Qt::RichText);
  Label2->setAlignment(Qt::AlignCenter);
}

void Form13::SvuotaEtichette() {
  BottoniRisposta::SvuotaEtichette();
  Parti = {};
}

QString Form13::MostraItem(const QString& testo) {
  Parti = DividiFrase(testo).value_or(std::array<QString, 3>{});
  // One text, so that a long sentence wraps like any other; its blanks kept as the line has them.
  Label2->setText(QStringLiteral("<p align=\"center\" style=\"white-space: pre-wrap\">%1<span style=\"color: red\">%2</span>%3</p>")
                      .arg(Parti[0].toHtmlEscaped(), Parti[1].toHtmlEscaped(), Parti[2].toHtmlEscaped()));
  DisponiFrase();
  return Parti[1];
}

void Form13::DisponiFrase() {
  if (Label2 == nullptr || Picture1 == nullptr) return;
  // Room inside the frame, as the other sentence windows leave it: two characters across.
  const int margine = 2 * Picture1->fontMetrics().averageCharWidth();
  const int larghezza = std::max(1, Picture1->width() - margine);
  const int altezza = std::max(1, Picture1->height() - margine / 2);
  QTextDocument misura;
  misura.setDocumentMargin(0);
  misura.setHtml(Label2->text());
  // The sentence's size at `punti`: on one line, or wrapped at blanks to the frame's width.
  auto dimensioni = [&](int punti) {
    QFont f = fontFrase_;
    f.setPointSize(punti);
    misura.setDefaultFont(f);
    misura.setTextWidth(-1);
    if (misura.idealWidth() > larghezza) misura.setTextWidth(larghezza);
    return QSize(static_cast<int>(std::ceil(misura.idealWidth())), static_cast<int>(std::ceil(misura.size().height())));
  };
  auto entra = [&](int punti) {
    const QSize d = dimensioni(punti);
    return d.width() <= larghezza && d.height() <= altezza;
  };
  const int scelti = std::max(1, fontFrase_.pointSize());
  const int punti = entra(scelti) ? scelti : FontFit::LargestSize(std::min(kPuntiMinimi, scelti), scelti, entra);
  QFont f = fontFrase_;
  f.setPointSize(punti);
  Label2->setFont(f);
  dimensioni(punti);
  const bool aCapo = misura.textWidth() > 0;
  Label2->setWordWrap(aCapo);
  if (aCapo) {
    Label2->resize(larghezza, Label2->heightForWidth(larghezza));
  } else {
    Label2->adjustSize();
  }
  Label2->move((Picture1->width() - Label2->width()) / 2, (Picture1->height() - Label2->height()) / 2);
}

QWidget* Form13::EtichettaFont() {
  if (Label2 != nullptr) Label2->setFont(fontFrase_);
  return Label2;
}

void Form13::DopoFont() {
  // The font the dialog gave the sentence (or, after a cancel, the one it had) is its font now.
  fontFrase_ = Label2->font();
  DisponiFrase();
  AdattaBottoni();
}
