#include "conjugation/forms.h"

#include <string_view>

#include "conjugation/modulo_fosku.h"
#include "conjugation/tables_data.h"

namespace {

// Forme takes a build's six forms; a build that made nothing leaves it as it was.
void Store(const std::optional<CostruisciFosku::SplitForms>& split) {
  if (!split) return;
  for (int p = 0; p < ModuloFosku::NumeroPersone; ++p) CostruisciFosku::Forme[p] = (*split)[p].Whole();
}

}  // namespace

namespace CostruisciFosku {

FormeVerbo Forme;

namespace {

namespace M = ModuloFosku;
namespace D = ModuloFosku::detail;

bool EndsWith(std::string_view s, std::string_view tail) {
  return !tail.empty() && s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

void DropLast(std::string& s) {
  if (!s.empty()) s.pop_back();
}

// The spelling rules. Each looks at the verb's root alone and acts on the root part built so far,
// which ends with that root.

// -care and -gare keep the hard sound: "h" before an ending in e or i (cerchi, pagherò).
void AggiungiH(const std::string& radice, std::string& root) {
  if (EndsWith(radice, "c") || EndsWith(radice, "g")) root += "h";
}

// A root ending in i does not double it before an ending that begins with i (studi, mangiamo).
void TogliI(const std::string& radice, std::string& root) {
  if (EndsWith(radice, "i")) DropLast(root);
}

// -ciare, -giare and -sciare drop the i that only softened the c or g before e (mangerò,
// lascerò); studiare keeps it (studierò).
void TogliIOrtografico(const std::string& radice, std::string& root) {
  if (EndsWith(radice, "ci") || EndsWith(radice, "gi")) DropLast(root);
}

const D::NonFinite& NonFiniteOf(int coniugazione) {
  switch (coniugazione) {
    case M::ConiugazioneAre: return D::kAre;
    case M::ConiugazioneEre: return D::kEre;
    case M::ConiugazioneIre: return D::kIre;
    case M::ConiugazioneEssere: return D::kEssere;
    default: return D::kAvere;
  }
}

const D::Column (&EndingsOf(int coniugazione))[8] {
  switch (coniugazione) {
    case M::ConiugazioneAre: return D::kDesinenzeAre;
    case M::ConiugazioneEre: return D::kDesinenzeEre;
    default: return D::kDesinenzeIre;
  }
}

std::string Prefix(int tempo, int persona, bool withPronouns) {
  if (!withPronouns || tempo >= M::TempoImperativo) return "";
  std::string pronoun = std::string(D::kPersone[persona]) + " ";
  return (tempo >= 8 && tempo <= 11) ? "che " + pronoun : pronoun;
}

// The participle vowel after the auxiliary: essere agrees in number (arrivato, arrivati).
const char* Vowel(bool essere, int persona) { return (essere && persona >= 3) ? "i" : "o"; }

SplitForms BuildAuxiliary(int tempo, int coniugazione, bool withPronouns) {
  const bool essere = coniugazione == M::ConiugazioneEssere;
  const D::Column(&forms)[8] = essere ? D::kFormeEssere : D::kFormeAvere;
  const D::NonFinite& nonFinite = NonFiniteOf(coniugazione);
  const std::string stem(nonFinite.participioPassato);
  SplitForms out;
  if (tempo == M::TempoModiNonFiniti) {
    const std::string infinito(nonFinite.infinito), gerundio(nonFinite.gerundio);
    out[0].root = infinito;
    out[1].root = infinito + " " + stem + "o";
    out[2].root = std::string(nonFinite.participioPresente);
    out[3].root = stem + "o";
    out[4].root = gerundio;
    out[5].root = gerundio + " " + stem + "o";
    return out;
  }
  const int column = M::ColonnaDelTempo(tempo);
  for (int p = 0; p < M::NumeroPersone; ++p) {
    if (tempo == M::TempoImperativo && p == 0) {
      out[p].root = "---";
      continue;
    }
    out[p].root = Prefix(tempo, p, withPronouns) + std::string(forms[column][p]);
    if (M::TempoComposto(tempo)) out[p].root += " " + stem + Vowel(essere, p);
  }
  return out;
}

// The persons of a tense whose root the i-rules (AggiungiH then TogliI) touch: those whose
// ending begins with i in the presente, the congiuntivo presente and the imperativo.
bool TakesTogliI(int tempo, int persona) {
  switch (tempo) {
    case 0: return persona == 1 || persona == 3;
    case 8: return true;
    case M::TempoImperativo: return persona == 2 || persona == 3 || persona == 5;
    default: return false;
  }
}

// The persons of an -isco verb that insert "isc": the stressed-root persons.
bool TakesIsc(int tempo, int persona) {
  switch (tempo) {
    case 0:
    case 8: return persona != 3 && persona != 4;
    case M::TempoImperativo: return persona == 1 || persona == 2 || persona == 5;
    default: return false;
  }
}

SplitForms BuildRegular(int tempo, int coniugazione, const VerboRegolare& verbo, bool withPronouns) {
  const std::string& radice = verbo.Radice;
  const bool essere = verbo.Ausiliare == "e";
  const D::NonFinite& nonFinite = NonFiniteOf(coniugazione);
  const std::string stem = PastParticipleStem(coniugazione, radice);
  SplitForms out;

  if (tempo == M::TempoModiNonFiniti) {
    const std::string participio = radice + stem + "o";
    out[0].root = radice + std::string(nonFinite.infinito);
    out[1].root = (essere ? "essere " : "avere ") + participio;
    out[2].root = radice + std::string(nonFinite.participioPresente);
    out[3].root = participio;
    out[4].root = radice + std::string(nonFinite.gerundio);
    out[5].root = (essere ? "essendo " : "avendo ") + participio;
    return out;
  }

  const int column = M::ColonnaDelTempo(tempo);
  if (M::TempoComposto(tempo)) {
    const D::Column(&auxiliary)[8] = essere ? D::kFormeEssere : D::kFormeAvere;
    for (int p = 0; p < M::NumeroPersone; ++p) {
      out[p].root = Prefix(tempo, p, withPronouns) + std::string(auxiliary[column][p]) + " " + radice;
      out[p].ending = stem + Vowel(essere, p);
    }
    return out;
  }

  const D::Column(&endings)[8] = EndingsOf(coniugazione);
  const bool isco = coniugazione == M::ConiugazioneIre && verbo.DesinenzaPresenteIo == "isco";
  for (int p = 0; p < M::NumeroPersone; ++p) {
    if (tempo == M::TempoImperativo && p == 0) {
      out[p].root = "---";
      continue;
    }
    std::string root = Prefix(tempo, p, withPronouns) + radice;
    std::string ending(endings[column][p]);
    const bool futureLike = tempo == 3 || tempo == 12;
    switch (coniugazione) {
      case M::ConiugazioneAre:
        if (TakesTogliI(tempo, p)) {
          AggiungiH(radice, root);
          TogliI(radice, root);
        } else if (futureLike) {
          AggiungiH(radice, root);
          TogliIOrtografico(radice, root);
        }
        break;
      case M::ConiugazioneEre:
        if (TakesTogliI(tempo, p)) TogliI(radice, root);
        if (futureLike) TogliIOrtografico(radice, root);
        if (tempo == 2 && p == 0) ending = verbo.DesinenzaRemotoIo;
        if (tempo == 2 && p == 2) ending = verbo.DesinenzaRemotoEgli;
        break;
      default:  // -ire
        if (isco && TakesIsc(tempo, p)) ending = "isc" + ending;
        if (futureLike) TogliIOrtografico(radice, root);
        break;
    }
    out[p] = {std::move(root), std::move(ending)};
  }
  return out;
}

}  // namespace

std::string PastParticipleStem(int Coniugazione, const std::string& radice) {
  if (Coniugazione < M::ConiugazioneAre || Coniugazione > M::ConiugazioneAvere) return "";
  std::string stem(NonFiniteOf(Coniugazione).participioPassato);
  // -scere verbs keep the soft sound before the participle ending: conosciuto.
  if (Coniugazione == M::ConiugazioneEre && EndsWith(radice, "sc")) stem = "i" + stem;
  return stem;
}

std::optional<SplitForms> BuildSplitForms(int Tempo, int Coniugazione, const VerboRegolare& verbo,
                                          bool withPronouns) {
  if (Tempo < 0 || Tempo >= M::NumeroTempi) return std::nullopt;
  switch (Coniugazione) {
    case M::ConiugazioneAre:
    case M::ConiugazioneEre:
    case M::ConiugazioneIre: return BuildRegular(Tempo, Coniugazione, verbo, withPronouns);
    case M::ConiugazioneEssere:
    case M::ConiugazioneAvere: return BuildAuxiliary(Tempo, Coniugazione, withPronouns);
    default: return std::nullopt;
  }
}

std::optional<StessaForma> AltroVerboConLeStesseForme(int Tempo, int Coniugazione) {
  if (Coniugazione == M::ConiugazioneEssere && M::TempoComposto(Tempo)) {
    return StessaForma{"stare", M::ConiugazioneAre};
  }
  return std::nullopt;
}

std::optional<FormeVerbo> BuildForms(int Tempo, int Coniugazione, const VerboRegolare& verbo,
                                     bool withPronouns) {
  std::optional<SplitForms> split = BuildSplitForms(Tempo, Coniugazione, verbo, withPronouns);
  if (!split) return std::nullopt;
  FormeVerbo forms;
  for (int p = 0; p < M::NumeroPersone; ++p) forms[p] = (*split)[p].Whole();
  return forms;
}

std::optional<SplitForms> SplitCurrentForms(int Tempo, int Coniugazione, bool withPronouns) {
  if (Coniugazione == M::ConiugazioneEre) {
    M::ParticipioPassatoEre = PastParticipleStem(Coniugazione, RadiceScelta);
  }
  return BuildSplitForms(Tempo, Coniugazione, CurrentVerb(Coniugazione), withPronouns);
}

void CostruisciForme(int Tempo, int Coniugazione) {
  Store(SplitCurrentForms(Tempo, Coniugazione, true));
}

}  // namespace CostruisciFosku

namespace CostruisciFoskuSenzaPersona {

void CostruisciForme(int Tempo, int Coniugazione) {
  Store(CostruisciFosku::SplitCurrentForms(Tempo, Coniugazione, false));
}

}  // namespace CostruisciFoskuSenzaPersona
