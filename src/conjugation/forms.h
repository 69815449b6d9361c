// The form builders: the six persons of a verb in one tense index, with or without subject
// pronouns.
//
// The core is one pure function, BuildSplitForms: tense index, class and a list row (root and
// marks) give six forms, each split into a root part and an ending part. The program-wide
// builders (CostruisciForme of both modules) and the conjugation-tables window's root/ending
// display all come from it; a whole form is always root part + ending part.
//
// How a form is split:
//   - regular simple tenses and the imperativo: root part = prefix + root as the spelling rules
//     leave it ("tu cerch", "mang", "che io fin"); ending part = "isc" where it is inserted +
//     the ending ("i", "erò", "isco");
//   - regular compound tenses: root part = prefix + auxiliary + " " + root ("io sono arriv");
//     ending part = participle ending + vowel ("ato", "ati", "iuto");
//   - essere and avere, every non-finite form and the "---" of the imperativo's io: the whole
//     form stands in the root part and the ending part is empty.
// The prefix is "io " ... "essi " (tense indexes 0 .. 7, 12, 13) or "che io " ... (8 .. 11)
// when pronouns are asked for, and nothing otherwise; tense indexes 14 and 15 never have one.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "conjugation/verb_lists.h"

namespace CostruisciFosku {

using FormeVerbo = std::array<std::string, 6>;

struct SplitForm {
  std::string root;    // prefix, auxiliary and root (blue in the tables window)
  std::string ending;  // ending (red); empty where the form is not split
  std::string Whole() const { return root + ending; }
  bool operator==(const SplitForm&) const = default;
};
using SplitForms = std::array<SplitForm, 6>;

// The six forms of tense index `Tempo` (0 .. 15) of class `Coniugazione` (0 -are, 1 -ere,
// 2 -ire, 3 essere, 4 avere). For a regular class `verbo` gives the root and its marks (the
// auxiliary is essere exactly when Ausiliare is "e"; -ere takes the io and egli remote past
// from its row; -ire inserts "isc" exactly when DesinenzaPresenteIo is "isco"); essere and
// avere ignore it. std::nullopt when the class or the tense index is out of range.
std::optional<SplitForms> BuildSplitForms(int Tempo, int Coniugazione, const VerboRegolare& verbo,
                                          bool withPronouns);
// The same forms joined.
std::optional<FormeVerbo> BuildForms(int Tempo, int Coniugazione, const VerboRegolare& verbo,
                                     bool withPronouns);

// The past-participle stem a verb of the class takes: "at", "ut" ("iut" for an -ere root ending
// in "sc": conosciuto), "it", "stat", "avut"; empty for a class out of range.
std::string PastParticipleStem(int Coniugazione, const std::string& radice);

// A verb in no list whose forms of a tense are the very words the class builds: the compound
// tenses of essere are stare's too (stare takes essere and has the participle "stato": «io sono
// stato» is stare's passato prossimo as much as essere's). A pupil who names that verb, or its
// class, is right.
struct StessaForma {
  std::string Infinito;
  int Coniugazione = 0;
};
// Nothing for any other tense or class.
std::optional<StessaForma> AltroVerboConLeStesseForme(int Tempo, int Coniugazione);

// The six forms of the last build, by person (for tense 15: infinito, infinito passato,
// participio presente, participio passato, gerundio, gerundio passato).
extern FormeVerbo Forme;

// The split forms of the current verb (CurrentVerb: RadiceScelta with the marks of row
// IndiceEstratto) as CostruisciForme builds them. An -ere build, even with a tense index out
// of range, sets ModuloFosku::ParticipioPassatoEre to the root's stem ("ut" or "iut").
std::optional<SplitForms> SplitCurrentForms(int Tempo, int Coniugazione, bool withPronouns);

// Fills Forme with the forms, with subject pronouns, of the current verb (classes 0 .. 2) or of
// essere and avere (3, 4). A class or tense index out of range leaves Forme as it was.
void CostruisciForme(int Tempo, int Coniugazione);

}  // namespace CostruisciFosku

namespace CostruisciFoskuSenzaPersona {

// As CostruisciFosku::CostruisciForme, without pronouns and without "che ".
void CostruisciForme(int Tempo, int Coniugazione);

}  // namespace CostruisciFoskuSenzaPersona
