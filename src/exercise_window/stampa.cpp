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

// The name of the PDF file that takes the pages when there is no printer: the window's title
// and the time, "Fosku - <title> - 2026-12-08 14-05.pdf", without characters that a file name
// cannot hold. (When the name is taken, the file gets " (2)", " (3)"… before ".pdf".)
QString NomePdf(const QString& titolo, const QDateTime& quando) {
  // Characters that no file system takes in a name (the strictest, Windows, included).
  QString pulito;
  for (const QChar c : titolo) {
    pulito += (c.unicode() < 0x20 || QStringLiteral("<>:\"/\\|?*").contains(c)) ? QChar(' ') : c;
  }
  pulito = pulito.simplified();
  QString base = QStringLiteral("Fosku");
  if (!pulito.isEmpty()) base += QStringLiteral(" - ") + pulito;
  return base + QStringLiteral(" - ") + quando.toString(QStringLiteral("yyyy-MM-dd HH-mm")) + QStringLiteral(".pdf");
}

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

// No printer: the pages go to a PDF file in the documents folder, and the pupil is told where
// (or that it could not be written, and why).
void StampaSuPdf(QWidget* owner, const platform::FlexGrid& griglia, int orientation) {
  const QString titolo = owner != nullptr ? owner->window()->windowTitle() : QString();
  QString cartella, motivo;
  platform::PdfOutcome esito;
  bool scritto = false;
  if (CartellaDocumenti(cartella, motivo)) {
    auto pdf = platform::PdfSurface(QDir(cartella).filePath(NomePdf(titolo, QDateTime::currentDateTime())), &esito);
    StampaGriglia(*pdf, griglia, 2, 2, orientation);
    scritto = pdf->EndDoc();  // false as well when a full disk or a size limit cut the file short
    motivo = esito.failure;
  }
  const QString dove = QDir::toNativeSeparators(esito.path.isEmpty() ? cartella : esito.path);
  if (scritto) {
    platform::MsgBox(owner, QStringLiteral("Non c'è nessuna stampante: la stampa è stata salvata nel file\n") + dove,
                     platform::vbInformation);
  } else if (dove.isEmpty()) {
    platform::MsgBox(owner, QStringLiteral("Non c'è nessuna stampante e non è stato possibile salvare la stampa: ") +
                                motivo + QStringLiteral("."),
                     platform::vbCritical);
  } else {
    platform::MsgBox(owner,
                     QStringLiteral("Non c'è nessuna stampante e non è stato possibile salvare la stampa in\n") + dove +
                         QStringLiteral("\n(") + motivo + QStringLiteral(")."),
                     platform::vbCritical);
  }
}

}  // namespace

void ComandoStampa(QWidget* owner, const platform::FlexGrid& griglia, int orientation) {
  if (platform::MsgBox(owner, QStringLiteral("Avvio la stampa?"), platform::vbYesNoQuestion) != platform::vbYes)
    return;
  auto printer = platform::Printer();
  if (!printer) {
    StampaSuPdf(owner, griglia, orientation);
    return;
  }
  if (!printer->IsOk()) {
    platform::MsgBox(owner, QStringLiteral("Nessuna stampante disponibile: impossibile stampare."),
                     platform::vbCritical);
    return;
  }
  platform::MsgBox(owner, QStringLiteral("Sto stampando"), platform::vbInformation);
  StampaGriglia(*printer, griglia, 2, 2, orientation);
  if (!printer->EndDoc()) {
    platform::MsgBox(owner, QStringLiteral("La stampa non è riuscita."), platform::vbCritical);
  }
}

}  // namespace Stampa
