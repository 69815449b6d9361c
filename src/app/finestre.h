// Tells the main menu which window each of its buttons opens.
#pragma once

namespace Module1 {
void RegistraFinestre();
}
