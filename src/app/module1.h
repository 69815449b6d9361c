// Start-up of the program.
#pragma once

namespace Module1 {

// The program's entry steps after the single-instance test (which main() makes first, before
// anything else): settings path, settings folders, settings, tables, random seed, start window.
void Main();

}  // namespace Module1
