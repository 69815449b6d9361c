// The infinitive roots of "\testiFosku\1\": one list per conjugation (row 0 empty), read by
// the exercises that show an infinitive.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ListeInfinito {

constexpr int kCapacita = 1000;  // rows a list can hold
using Liste = std::array<std::vector<std::string>, 3>;  // 0 -are, 1 -ere, 2 -ire
const std::array<std::string, 3> kDesinenze = {"are", "ere", "ire"};
const std::array<const char*, 3> kFile = {"\\testiFosku\\1\\are.txt", "\\testiFosku\\1\\ere.txt",
                                          "\\testiFosku\\1\\ire.txt"};

// Reads the three lists; a missing file is an empty list, rows past the capacity are left out.
Liste Leggi();

// True when the list of class c holds a root that is not blank.
bool ClasseUsabile(const Liste& liste, int c);

struct Estratto {
  int classe;
  int riga;
};
// Draws a class and, in it, a row whose root is not blank. A class whose list has no such row
// is never drawn; nothing when no class has one.
std::optional<Estratto> Estrai(const Liste& liste);

}  // namespace ListeInfinito
