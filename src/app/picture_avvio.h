// The start window's picture: an open book with a green arrow across it. The same drawing
// serves the "Avvio" button and the program's icon.
#pragma once

class QPainter;

namespace PictureAvvio {

// The picture's own size, in its drawing units.
constexpr double kLarghezza = 64;
constexpr double kAltezza = 48;

// Draws the picture with its top-left corner at the painter's origin, kLarghezza by kAltezza
// units (scale the painter for another size).
void Disegna(QPainter& p);

}  // namespace PictureAvvio
