// The exercises' own data files: one item a row, read into rows 1 .. n of a list whose row 0
// stays empty, as the windows number their items.
#pragma once

#include <string>
#include <vector>

enum class Lettura {
  Righe,  // whole lines, blanks and commas included
  Campi,  // comma-separated fields
};

// Reads a file of the program's folder ("\\testiFosku\\6\\corrette.txt"). A missing or unreadable
// file (or anything but a plain file, or one past the text layer's size bound) gives no rows;
// a line longer than any sentence is left out; items past `capacita` are left out.
std::vector<std::string> LeggiRighe(const std::string& file, int capacita, Lettura lettura = Lettura::Righe);

// A row of nothing but blanks and tabs holds no item: it is never drawn.
bool Vuota(const std::string& riga);

// True when a row from 1 on holds an item.
bool HaRighePiene(const std::vector<std::string>& righe);
