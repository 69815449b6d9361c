// Printing a grid: the one print command of every window that has a grid to print.
#pragma once

#include <QString>

class QWidget;

namespace platform {
class FlexGrid;
class PrintSurface;
}  // namespace platform

namespace Stampa {

// Draws the grid as a ruled table with its top-left corner at (left, top), in the grid's font,
// each cell's text aligned in its column as the grid shows it (from the left, or centred).
// A text wider than its column wraps onto more lines and its row grows to hold them.
// `orientation` is written first (1 portrait, 2 landscape). A table taller than the page goes
// on over the next pages, each page boxed and ruled and headed by the header row again; a
// table wider than the page is scaled to fit it.
void StampaGriglia(platform::PrintSurface& surface, const platform::FlexGrid& griglia, double left,
                   double top, int orientation = 1);

// The print command: asks "Avvio la stampa?"; on Yes, finds the printer (the default; with
// none, the only or the first), announces "Sto stampando", prints the grid at (2, 2) on a job
// named "Fosku - <window's title> - <date and time>" and hands it to the print service.
// Where nothing can print it (no printer, a print service that is not running or does not
// answer in time, a job turned away), the same pages go to a PDF file in the user's documents
// folder, and a message says why and where the file is (or that it could not be written, and why).
// A job taken on a printer chosen for want of a default, or on a paused or unreachable
// printer, where it waits, is told to the pupil too. No wait on the print service freezes the
// window.
void ComandoStampa(QWidget* owner, const platform::FlexGrid& griglia, int orientation = 1);

}  // namespace Stampa
