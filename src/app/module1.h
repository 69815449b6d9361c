// Start-up of the program.
#pragma once

#include <string>

namespace Module1 {

// The program's entry steps after the single-instance test (which main() makes first, before
// anything else): settings path, settings folders, settings, tables, random seed, start window.
void Main();

// The name a font is saved under when the settings file's code page cannot spell its own:
// the family the font database shows for it, else another name of the database for that same
// family, else the system's general font; "" when none of them fits the code page either.
std::string WritableFontName(const std::string& name);

}  // namespace Module1
