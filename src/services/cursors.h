// The program's own mouse pointer, drawn here: a green arrow with a dark outline.
#pragma once

#include <QCursor>

namespace Cursori {
const QCursor& Puntatore();
}
