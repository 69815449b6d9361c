// The built-in vocabulary of the conjugation engine: one copy of every value. RiempiTabelle
// copies it into the program-wide tables the windows read; the form builders read it here, so
// a build never depends on whether the tables have been filled yet.
#pragma once

#include <string_view>

namespace ModuloFosku::detail {

using Cell = std::string_view;
using Column = Cell[6];

inline constexpr Cell kPersone[6] = {"io", "tu", "egli", "noi", "voi", "essi"};

inline constexpr Cell kTempi[16] = {
    "presente indicativo",       "imperfetto indicativo",          "passato remoto indicativo",
    "futuro semplice indicativo", "passato prossimo indicativo",   "trapassato prossimo indicativo",
    "trapassato remoto indicativo", "futuro anteriore indicativo", "presente congiuntivo",
    "imperfetto congiuntivo",    "passato congiuntivo",            "trapassato congiuntivo",
    "presente condizionale",     "passato condizionale",           "imperativo",
    "modi non finiti"};

inline constexpr Cell kTempiBrevi[16] = {
    "presente ",         "imperfetto ",       "passato remoto ", "futuro semplice ",
    "passato prossimo ", "trapassato prossimo ", "trapassato remoto ", "futuro anteriore ",
    "presente ",         "imperfetto ",       "passato ",        "trapassato ",
    "presente ",         "passato ",          "imperativo",      "modi non finiti"};

// Tables by simple-tense column (0 presente, 1 imperfetto, 2 passato remoto, 3 futuro,
// 4 congiuntivo presente, 5 congiuntivo imperfetto, 6 condizionale presente, 7 imperativo),
// then by person. The imperativo has no first person.
inline constexpr Column kFormeEssere[8] = {
    {"sono", "sei", "è", "siamo", "siete", "sono"},
    {"ero", "eri", "era", "eravamo", "eravate", "erano"},
    {"fui", "fosti", "fu", "fummo", "foste", "furono"},
    {"sarò", "sarai", "sarà", "saremo", "sarete", "saranno"},
    {"sia", "sia", "sia", "siamo", "siate", "siano"},
    {"fossi", "fossi", "fosse", "fossimo", "foste", "fossero"},
    {"sarei", "saresti", "sarebbe", "saremmo", "sareste", "sarebbero"},
    {"", "sii", "sia", "siamo", "siate", "siano"}};

inline constexpr Column kFormeAvere[8] = {
    {"ho", "hai", "ha", "abbiamo", "avete", "hanno"},
    {"avevo", "avevi", "aveva", "avevamo", "avevate", "avevano"},
    {"ebbi", "avesti", "ebbe", "avemmo", "aveste", "ebbero"},
    {"avrò", "avrai", "avrà", "avremo", "avrete", "avranno"},
    {"abbia", "abbia", "abbia", "abbiamo", "abbiate", "abbiano"},
    {"avessi", "avessi", "avesse", "avessimo", "aveste", "avessero"},
    {"avrei", "avresti", "avrebbe", "avremmo", "avreste", "avrebbero"},
    {"", "abbi", "abbia", "abbiamo", "abbiate", "abbiano"}};

// The futuro and condizionale of -are verbs take "er", not "ar".
inline constexpr Column kDesinenzeAre[8] = {
    {"o", "i", "a", "iamo", "ate", "ano"},
    {"avo", "avi", "ava", "avamo", "avate", "avano"},
    {"ai", "asti", "ò", "ammo", "aste", "arono"},
    {"erò", "erai", "erà", "eremo", "erete", "eranno"},
    {"i", "i", "i", "iamo", "iate", "ino"},
    {"assi", "assi", "asse", "assimo", "aste", "assero"},
    {"erei", "eresti", "erebbe", "eremmo", "ereste", "erebbero"},
    {"", "a", "i", "iamo", "ate", "ino"}};

// The passato remoto column holds the "etti" pattern; io and egli of a listed verb come from
// its list row instead.
inline constexpr Column kDesinenzeEre[8] = {
    {"o", "i", "e", "iamo", "ete", "ono"},
    {"evo", "evi", "eva", "evamo", "evate", "evano"},
    {"etti", "esti", "ette", "emmo", "este", "ettero"},
    {"erò", "erai", "erà", "eremo", "erete", "eranno"},
    {"a", "a", "a", "iamo", "iate", "ano"},
    {"essi", "essi", "esse", "essimo", "este", "essero"},
    {"erei", "eresti", "erebbe", "eremmo", "ereste", "erebbero"},
    {"", "i", "a", "iamo", "ete", "ano"}};

inline constexpr Column kDesinenzeIre[8] = {
    {"o", "i", "e", "iamo", "ite", "ono"},
    {"ivo", "ivi", "iva", "ivamo", "ivate", "ivano"},
    {"ii", "isti", "ì", "immo", "iste", "irono"},
    {"irò", "irai", "irà", "iremo", "irete", "iranno"},
    {"a", "a", "a", "iamo", "iate", "ano"},
    {"issi", "issi", "isse", "issimo", "iste", "issero"},
    {"irei", "iresti", "irebbe", "iremmo", "ireste", "irebbero"},
    {"", "i", "a", "iamo", "ite", "ano"}};

// The four non-finite words of a class: whole words for essere and avere, endings for the
// regular classes. The past participle is a stem completed by "o" or "i".
struct NonFinite {
  Cell participioPresente;
  Cell participioPassato;
  Cell gerundio;
  Cell infinito;
};
inline constexpr NonFinite kEssere{"", "stat", "essendo", "essere"};
inline constexpr NonFinite kAvere{"avente", "avut", "avendo", "avere"};
inline constexpr NonFinite kAre{"ante", "at", "ando", "are"};
inline constexpr NonFinite kEre{"ente", "ut", "endo", "ere"};
inline constexpr NonFinite kIre{"ente", "it", "endo", "ire"};

}  // namespace ModuloFosku::detail
