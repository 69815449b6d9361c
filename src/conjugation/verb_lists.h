// The regular-verb lists: bare roots read from eight files of "\testiFosku\2\", where the file
// a root comes from gives it its marks (auxiliary, remote-past endings, "isco"), and the
// current verb the form builders conjugate (RadiceScelta, IndiceEstratto).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace CostruisciFosku {

// One row of a list. All fields are empty until the reader writes them; row 0 stays empty.
struct VerboRegolare {
  std::string Radice;               // the infinitive is Radice + "are" / "ere" / "ire"
  std::string Ausiliare;            // "a" (avere) or "e" (essere)
  std::string DesinenzaRemotoIo;    // -ere: "etti" or "ei"
  std::string DesinenzaRemotoEgli;  // -ere: "ette" or "é"
  std::string DesinenzaPresenteIo;  // -ire: "o" or "isco"
  bool operator==(const VerboRegolare&) const = default;
};

inline constexpr int CapacitaAre = 500;
inline constexpr int CapacitaEre = 200;
inline constexpr int CapacitaIre = 500;

// Rows 1 .. count hold the roots read, in file order; rows above the count are empty.
extern std::array<VerboRegolare, CapacitaAre + 1> RadiciAre;
extern std::array<VerboRegolare, CapacitaEre + 1> RadiciEre;
extern std::array<VerboRegolare, CapacitaIre + 1> RadiciIre;
extern int NumeroRadiciAre;
extern int NumeroRadiciEre;
extern int NumeroRadiciIre;

// The current verb: its root and its row in the list of its class.
extern std::string RadiceScelta;
extern int IndiceEstratto;

// The one reader of the eight list files. Counts restart at 0, so reading again replaces the
// lists. A missing or unreadable file is skipped and the others are read; items past a list's
// capacity are ignored. An empty line inside a file gives a row with an empty root (the draw
// skips it); a line longer than any list line could be is left out (the text layer's bound).
void LeggiFosku();

// The list files of a regular class (0 -are, 1 -ere, 2 -ire) as the program names them
// ("\testiFosku\2\regolariare.txt", ...), for telling the pupil which file is missing or empty.
std::vector<std::string> ListFilesOf(int Coniugazione);

// The number of rows read into the list of a regular class; 0 for any other class.
int CountOf(int Coniugazione);
// Row `riga` of the list of a regular class; an empty row when the class is not regular or the
// row lies outside the list.
const VerboRegolare& RowOf(int Coniugazione, int riga);

// Draws a row uniformly among the rows 1 .. count of the class's list whose root is not empty,
// makes it the current verb (IndiceEstratto := the row, RadiceScelta := its root) and returns
// true. Returns false and changes nothing when the class is not regular or its list holds no
// root.
bool DrawRegularVerb(int Coniugazione);

// The current verb as the builders see it: RadiceScelta with the marks of row IndiceEstratto of
// the class's list (no marks when the row lies outside the list).
VerboRegolare CurrentVerb(int Coniugazione);

}  // namespace CostruisciFosku
