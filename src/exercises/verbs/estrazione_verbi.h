// Drawing a verb for the exercises on conjugated forms.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace EstrazioneVerbi {

// True when the class can give a verb: essere and avere always, a regular class when its
// list holds a root.
bool ClasseUsabile(int Coniugazione);
// A class among 0 .. n - 1 that can give a verb (one draw as usual, a second draw among the
// usable classes when the first cannot); -1 when none can.
int ScegliClasse(int n);
// Makes a verb of the class the current one (a regular class draws a row with a root, which
// becomes IndiceEstratto and RadiceScelta), builds the forms of the tense with pronouns, draws
// a person and returns its form. Nothing when the class cannot give a verb.
std::optional<std::string> Forma(int Tempo, int Coniugazione);
// The same, also telling which person (0 .. 5) was drawn.
struct FormaEstratta {
  int Persona = 0;
  std::string Forma;
};
std::optional<FormaEstratta> FormaConPersona(int Tempo, int Coniugazione);
// The list files of the regular classes 0 .. n - 1 (for telling the pupil what is missing).
std::vector<std::string> FileRegolari(int n);

}  // namespace EstrazioneVerbi
