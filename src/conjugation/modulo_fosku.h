// The vocabulary of the conjugation engine: persons, tense names, the forms of essere and avere,
// the endings of the three regular conjugations and the non-finite words of every class.
// Program-wide tables, empty until RiempiTabelle fills them; after that they stay constant,
// except ParticipioPassatoEre, which every -ere build sets for its root ("ut" or "iut").
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ModuloFosku {

inline constexpr int NumeroTempi = 16;    // tense indexes 0 .. 15
inline constexpr int NumeroPersone = 6;   // io, tu, egli, noi, voi, essi
inline constexpr int NumeroColonne = 8;   // simple-tense columns 0 .. 7

// Conjugation classes.
inline constexpr int ConiugazioneAre = 0;
inline constexpr int ConiugazioneEre = 1;
inline constexpr int ConiugazioneIre = 2;
inline constexpr int ConiugazioneEssere = 3;
inline constexpr int ConiugazioneAvere = 4;

// Tense indexes with a name of their own in the code.
inline constexpr int TempoImperativo = 14;
inline constexpr int TempoModiNonFiniti = 15;

// [TempoSemplice][Persona]: 0 presente, 1 imperfetto, 2 passato remoto, 3 futuro semplice,
// 4 congiuntivo presente, 5 congiuntivo imperfetto, 6 condizionale presente, 7 imperativo.
// Cell [7][0] (imperativo of io) is empty in every table.
using TabellaTempi = std::array<std::array<std::string, NumeroPersone>, NumeroColonne>;

extern std::array<std::string, NumeroPersone> Persone;
extern std::array<std::string, NumeroTempi> Tempi;       // "presente indicativo", ...
extern std::array<std::string, NumeroTempi> TempiModi;   // name, CR LF, "tempo semplice"/"tempo composto"
extern std::array<std::string, NumeroTempi> TempiBrevi;  // "presente ", ... "imperativo", "modi non finiti"

extern TabellaTempi FormeEssere;
extern TabellaTempi FormeAvere;
extern TabellaTempi DesinenzeAre;
extern TabellaTempi DesinenzeEre;
extern TabellaTempi DesinenzeIre;

extern std::string ParticipioPresenteEssere, ParticipioPassatoEssere, GerundioEssere, InfinitoEssere;
extern std::string ParticipioPresenteAvere, ParticipioPassatoAvere, GerundioAvere, InfinitoAvere;
extern std::string ParticipioPresenteAre, ParticipioPassatoAre, GerundioAre, InfinitoAre;
extern std::string ParticipioPresenteEre, ParticipioPassatoEre, GerundioEre, InfinitoEre;
extern std::string ParticipioPresenteIre, ParticipioPassatoIre, GerundioIre, InfinitoIre;

// The tense chosen in the conjugation-tables window (0 .. 15); only that window uses it.
extern int TempoScelto;

// Writes every value above (TempoScelto aside); running it again restores ParticipioPassatoEre to "ut".
void RiempiTabelle();

// The simple-tense column a tense index reads its endings or forms from (0, 1, 2, 3, 8, 9, 12
// and 14 give 0 .. 7), or, for a compound tense (4 .. 7, 10, 11, 13), the column of its
// auxiliary; -1 for the non-finite forms and any index outside 0 .. 15.
int ColonnaDelTempo(int Tempo);
bool TempoComposto(int Tempo);

}  // namespace ModuloFosku
