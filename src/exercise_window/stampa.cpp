#include "exercise_window/stampa.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/flexgrid.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/printer.h"
#include "platform/savefile.h"

namespace Stampa {

void StampaGriglia(platform::PrintSurface& surface, const platform::FlexGrid& griglia, double left, double top,
                   int orientation) {
  surface.SetOrientation(orientation);
  surface.SetFont(griglia.font().family(), griglia.font().pointSizeF());
  const int cols = griglia.Cols();
  const int rows = griglia.Rows();
  const auto misura = [&surface](const QString& s) { return surface.TextWidth(s); };

  float R = static_cast<float>(left + 60);
  for (int k = 0; k < cols; ++k) R = R + static_cast<float>(griglia.ColWidth(k)) + 120.0f;
  // Wider than the page: everything is drawn smaller so that the right edge fits.
  if (R > surface.PageWidth()) surface.SetScale(surface.PageWidth() / (R + left));
  const double pageBottom = surface.PageHeight();

  // Each cell's lines in its column's width.
  using Riga = std::vector<QStringList>;
  const auto aCapo = [&](int r) {
    Riga righe(static_cast<size_t>(cols));
    for (int k = 0; k < cols; ++k) {
      righe[static_cast<size_t>(k)] = platform::RigheACapo(griglia.TextMatrix(r, k), griglia.ColWidth(k), misura);
    }
    return righe;
  };
  const auto linee = [](const Riga& righe) {
    qsizetype n = 1;
    for (const QStringList& cella : righe) n = std::max(n, cella.size());
    return n;
  };
  // Draws row r from CurrentY, its top: 60 below it, each line of each cell placed in its
  // column as the grid places it on screen (from the left, or centred); the row is as tall as
  // its tallest cell, and CurrentY ends 60 below its last line.
  const auto disegna = [&](int r, const Riga& righe) {
    surface.CurrentY += 60;
    for (qsizetype i = 0; i < linee(righe); ++i) {
      const double y = surface.CurrentY;
      float x = static_cast<float>(left + 60);
      for (int k = 0; k < cols; ++k) {
        const QStringList& cella = righe[static_cast<size_t>(k)];
        if (i < cella.size()) {
          const Qt::Alignment a = griglia.CellAlignment(r, k);
          const double spazio = std::max(0.0, griglia.ColWidth(k) - surface.TextWidth(cella[i]));
          surface.CurrentX = x + (a & Qt::AlignHCenter ? spazio / 2 : a & Qt::AlignRight ? spazio : 0);
          surface.CurrentY = y;
          surface.Print(cella[i]);
        }
        x = x + static_cast<float>(griglia.ColWidth(k)) + 120.0f;
      }
      surface.CurrentY = y;
      surface.EndLine();
    }
    surface.CurrentY += 60;
  };
  // Closes a page's table: the outer box and the column separators from `pageTop` to `bottom`.
  auto chiudi = [&](double pageTop, double bottom) {
    surface.Box(left, pageTop, R, bottom);
    float x = static_cast<float>(left);
    for (int k = 0; k + 1 < cols; ++k) {
      x = x + static_cast<float>(griglia.ColWidth(k)) + 120.0f;
      surface.Line(x, pageTop, x, bottom);
    }
  };

  const Riga intestazione = rows > 0 ? aCapo(0) : Riga();
  surface.CurrentY = top;
  bool righeSullaPagina = false;  // a row under the header on this page
  for (int r = 0; r < rows; ++r) {
    const Riga righe = r > 0 ? aCapo(r) : intestazione;
    if (r > 0) {
      const double altezza = surface.LineHeight() * static_cast<double>(linee(righe)) + 120;
      if (righeSullaPagina && surface.CurrentY + altezza > pageBottom) {
        // The rest goes on the next page, under the header row again.
        chiudi(top, surface.CurrentY);
        surface.NewPage();
        surface.CurrentY = top;
        disegna(0, intestazione);
      }
      surface.Line(left, surface.CurrentY, R, surface.CurrentY);
      righeSullaPagina = true;
    }
    disegna(r, righe);
  }
  chiudi(top, surface.CurrentY);
}

namespace {

// The name of a print, for its job in the printer's queue and for its PDF file: "Fosku -
// <title> - 2026-12-08 14-05", without characters that a file name cannot hold.
QString NomeStampa(const QString& titolo, const QDateTime& quando) {
  // Characters that no file system takes in a name (the strictest, Windows, included).
  QString pulito;
  for (const QChar c : titolo) {
    pulito += (c.unicode() < 0x20 || QStringLiteral("<>:\"/\\|?*").contains(c)) ? QChar(' ') : c;
  }
  pulito = pulito.simplified();
  QString base = QStringLiteral("Fosku");
  if (!pulito.isEmpty()) base += QStringLiteral(" - ") + pulito;
  return base + QStringLiteral(" - ") + quando.toString(QStringLiteral("yyyy-MM-dd HH-mm"));
}

QString TitoloFinestra(QWidget* owner) { return owner != nullptr ? owner->window()->windowTitle() : QString(); }

// The user's documents folder, made when missing ("" when the user has no home at all); false
// and `motivo` when it is not there and cannot be made.
bool CartellaDocumenti(QString& cartella, QString& motivo) {
  // A session started without HOME takes the home the system gives, never the root folder.
  if (platform::AdoptSystemHome().empty()) {
    motivo = QStringLiteral("questo utente non ha una cartella personale");
    return false;
  }
  cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  std::error_code ec;
  std::filesystem::create_directories(cartella.toStdString(), ec);
  if (ec) motivo = QString::fromStdString(platform::WriteFailure(ec.value(), cartella.toStdString()));
  return !ec;
}

// The pages cannot be printed: they go to a PDF file in the documents folder, named as the
// print, "Fosku - <title> - 2026-12-08 14-05.pdf" (" (2)", " (3)"… before ".pdf" when the name
// is taken), and the pupil is told why (`perche`, a sentence without its full stop) and where
// the file is, or that it could not be written and why.
void StampaSuPdf(QWidget* owner, const platform::FlexGrid& griglia, int orientation, const QString& perche) {
  QString cartella, motivo;
  platform::PdfOutcome esito;
  bool scritto = false;
  if (CartellaDocumenti(cartella, motivo)) {
    const QString nome = NomeStampa(TitoloFinestra(owner), QDateTime::currentDateTime());
    auto pdf = platform::PdfSurface(QDir(cartella).filePath(nome + QStringLiteral(".pdf")), nome, &esito);
    StampaGriglia(*pdf, griglia, 2, 2, orientation);
    scritto = pdf->EndDoc();  // false as well when a full disk or a size limit cut the file short
    motivo = esito.failure;
  }
  const QString dove = QDir::toNativeSeparators(esito.path.isEmpty() ? cartella : esito.path);
  if (scritto) {
    platform::MsgBox(owner, perche + QStringLiteral(": la stampa è stata salvata nel file\n") + dove,
                     platform::vbInformation);
  } else if (dove.isEmpty()) {
    platform::MsgBox(owner, perche + QStringLiteral(" e non è stato possibile salvare la stampa: ") + motivo +
                                QStringLiteral("."),
                     platform::vbCritical);
  } else {
    platform::MsgBox(owner,
                     perche + QStringLiteral(" e non è stato possibile salvare la stampa in\n") + dove +
                         QStringLiteral("\n(") + motivo + QStringLiteral(")."),
                     platform::vbCritical);
  }
}

// Why nothing can be printed, as the print service told it.
QString SenzaStampante(platform::ServiceAnswer risposta) {
  switch (risposta) {
    case platform::ServiceAnswer::NotRunning:
      return QStringLiteral("Il servizio di stampa del sistema non è attivo");
    case platform::ServiceAnswer::NoAnswer:
      return QStringLiteral("Il servizio di stampa del sistema non ha risposto");
    case platform::ServiceAnswer::Answered:
      break;
  }
  return QStringLiteral("Non c'è nessuna stampante");
}

// Why the job given to `stampante` was not taken.
QString NonPresa(const platform::JobOutcome& esito, const QString& stampante) {
  if (esito.answer != platform::ServiceAnswer::Answered) return SenzaStampante(esito.answer);
  switch (esito.refusal) {
    case platform::Refusal::NotAccepting:
      return QStringLiteral("La stampante «%1» non accetta stampe in questo momento").arg(stampante);
    case platform::Refusal::NoSuchPrinter:
      return QStringLiteral("La stampante «%1» non c'è più").arg(stampante);
    case platform::Refusal::NotAllowed:
      return QStringLiteral("Il servizio di stampa non permette di stampare sulla stampante «%1»").arg(stampante);
    case platform::Refusal::Busy:
      return QStringLiteral("La stampante «%1» è occupata e per ora non accetta altre stampe").arg(stampante);
    case platform::Refusal::None:
    case platform::Refusal::Other:
      break;
  }
  return QStringLiteral("Il servizio di stampa ha rifiutato la stampa sulla stampante «%1» (errore 0x%2)")
      .arg(stampante)
      .arg(esito.status, 4, 16, QChar('0'));
}

}  // namespace

void ComandoStampa(QWidget* owner, const platform::FlexGrid& griglia, int orientation) {
  if (platform::MsgBox(owner, QStringLiteral("Avvio la stampa?"), platform::vbYesNoQuestion) != platform::vbYes)
    return;
  const QString nome = NomeStampa(TitoloFinestra(owner), QDateTime::currentDateTime());
  const platform::PrinterChoice scelta = platform::ChoosePrinter(owner, QStringLiteral("Cerco la stampante…"));
  if (scelta.name.isEmpty()) {
    StampaSuPdf(owner, griglia, orientation, SenzaStampante(scelta.answer));
    return;
  }
  platform::MsgBox(owner, QStringLiteral("Sto stampando"), platform::vbInformation);
  auto lavoro = platform::CurrentPrintService()->Job(scelta.name, nome);
  if (lavoro) StampaGriglia(*lavoro, griglia, 2, 2, orientation);
  if (!lavoro || !lavoro->EndDoc()) {
    platform::MsgBox(owner, QStringLiteral("La stampa non è riuscita."), platform::vbCritical);
    return;
  }
  const platform::JobOutcome esito = platform::SendJob(
      owner, *lavoro, QStringLiteral("Mando la stampa alla stampante «%1»…").arg(scelta.name));
  lavoro.reset();
  if (!esito.Taken()) {
    StampaSuPdf(owner, griglia, orientation, NonPresa(esito, scelta.name));
    return;
  }
  // Taken: what the pupil must know to find the pages.
  QStringList avvisi;
  if (scelta.noDefault) {
    avvisi << QStringLiteral("Non c'è nessuna stampante predefinita: la stampa è andata alla stampante «%1».")
                  .arg(scelta.name);
  }
  if (scelta.stopped) {
    avvisi << QStringLiteral("La stampante «%1» è in pausa o non è raggiungibile: la stampa resta in coda e le "
                             "pagine usciranno quando la stampante sarà di nuovo pronta.")
                  .arg(scelta.name);
  }
  if (!avvisi.isEmpty()) {
    platform::MsgBox(owner, avvisi.join(QStringLiteral("\n\n")),
                     scelta.stopped ? platform::vbExclamation : platform::vbInformation);
  }
}

}  // namespace Stampa
