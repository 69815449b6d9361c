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

// The print command: asks "Avvio la stampa?"; on Yes, announces "Sto stampando", prints the
// grid at (2, 2) and ends the job. Where the system has no printer, the same pages go to a
// PDF file in the user's documents folder, and a message says where it is (or that it could
// not be written).
void ComandoStampa(QWidget* owner, const platform::FlexGrid& griglia, int orientation = 1);

}  // namespace Stampa
