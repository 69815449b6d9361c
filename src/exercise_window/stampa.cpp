#include "exercise_window/stampa.h"

#include <vector>

#include "platform/flexgrid.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

namespace Stampa {

QString AdattaTestoLarghezza(platform::PrintSurface& surface, const QString& text, double width) {
  QString copia = text;
  while (!copia.isEmpty() && surface.TextWidth(copia) > width) copia.chop(1);
  return copia;
}

void StampaGriglia(platform::PrintSurface& surface, const platform::FlexGrid& griglia, double left, double top,
                   int orientation) {
  surface.SetOrientation(orientation);
  surface.SetFont(griglia.font().family(), griglia.font().pointSizeF());
  const int cols = griglia.Cols();
  const int rows = griglia.Rows();

  float R = static_cast<float>(left + 60);
  for (int k = 0; k < cols; ++k) R = R + static_cast<float>(griglia.ColWidth(k)) + 120.0f;
  // Wider than the page: everything is drawn smaller so that the right edge fits.
  if (R > surface.PageWidth()) surface.SetScale(surface.PageWidth() / (R + left));
  const double pageBottom = surface.PageHeight();

  // Closes a page's table: the outer box and the column separators from `pageTop` to `bottom`.
  auto chiudi = [&](double pageTop, double bottom) {
    surface.Box(left, pageTop, R, bottom);
    float x = static_cast<float>(left);
    for (int k = 0; k + 1 < cols; ++k) {
      x = x + static_cast<float>(griglia.ColWidth(k)) + 120.0f;
      surface.Line(x, pageTop, x, bottom);
    }
  };

  double pageTop = top;
  surface.CurrentY = top;
  for (int r = 0; r < rows; ++r) {
    const double rowHeight = surface.LineHeight() + 120;
    if (r > 0 && surface.CurrentY + rowHeight > pageBottom && surface.CurrentY > pageTop) {
      chiudi(pageTop, surface.CurrentY);  // the rest goes on the next page
      surface.NewPage();
      pageTop = top;
      surface.CurrentY = top;
    } else if (r > 0) {
      surface.Line(left, surface.CurrentY, R, surface.CurrentY);
    }
    surface.CurrentY += 60;
    float x = static_cast<float>(left + 60);
    for (int k = 0; k < cols; ++k) {
      surface.CurrentX = x;
      surface.Print(AdattaTestoLarghezza(surface, griglia.TextMatrix(r, k), griglia.ColWidth(k)));
      x = x + static_cast<float>(griglia.ColWidth(k)) + 120.0f;
    }
    surface.CurrentY += 60;
    surface.EndLine();
  }
  chiudi(pageTop, surface.CurrentY);
}

void ComandoStampa(QWidget* owner, const platform::FlexGrid& griglia, int orientation) {
  if (platform::MsgBox(owner, QStringLiteral("Avvio la stampa?"), platform::vbYesNoQuestion) != platform::vbYes)
    return;
  auto printer = platform::Printer();
  if (!printer || !printer->IsOk()) {
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
