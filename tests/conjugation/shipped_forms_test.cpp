// The forms the engine builds from the shipped lists name their verb, tense and person without
// doubt: the windows that show a form and ask for its class, its infinitive, its person, its mood
// or its tense accept one answer only, so a form that two verbs share (or two tenses or persons of
// one verb) would mark an equally right answer wrong.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "support/temp_dirs.h"

namespace CF = CostruisciFosku;

namespace {

// Where a form comes from: the verb's infinitive, the tense index and the person (for tense
// index 15, the non-finite form).
using Origine = std::tuple<std::string, int, int>;

std::string Descrivi(const Origine& o) {
  return std::get<0>(o) + " (tense " + std::to_string(std::get<1>(o)) + ", person " +
         std::to_string(std::get<2>(o)) + ")";
}

// Every form of essere, avere and every verb of the shipped lists, in every tense index and
// person, as CostruisciForme builds it for the current verb (with the pronouns, or as the
// builder without pronouns gives it), with every place it comes from. The "---" of the
// imperativo's io and essere's missing present participle are no forms.
std::map<std::string, std::set<Origine>> FormeSpedite(bool conPronomi) {
  ModuloFosku::RiempiTabelle();
  CF::LeggiFosku();
  std::vector<std::pair<int, int>> verbi = {{ModuloFosku::ConiugazioneEssere, 0},
                                           {ModuloFosku::ConiugazioneAvere, 0}};
  for (int classe = 0; classe < 3; ++classe) {
    for (int riga = 1; riga <= CF::CountOf(classe); ++riga) verbi.emplace_back(classe, riga);
  }
  std::map<std::string, std::set<Origine>> forme;
  for (auto [classe, riga] : verbi) {
    CF::IndiceEstratto = riga;
    CF::RadiceScelta = CF::RowOf(classe, riga).Radice;
    CF::CostruisciForme(ModuloFosku::TempoModiNonFiniti, classe);
    const std::string infinito = CF::Forme[0];
    for (int tempo = 0; tempo < ModuloFosku::NumeroTempi; ++tempo) {
      if (conPronomi) {
        CF::CostruisciForme(tempo, classe);
      } else {
        CostruisciFoskuSenzaPersona::CostruisciForme(tempo, classe);
      }
      for (int persona = 0; persona < ModuloFosku::NumeroPersone; ++persona) {
        const std::string& forma = CF::Forme[static_cast<size_t>(persona)];
        if (forma.empty() || forma == "---") continue;
        forme[forma].insert({infinito, tempo, persona});
      }
    }
  }
  return forme;
}

}  // namespace

// With its pronoun, as the windows that ask about a form show it: one verb, one tense, one
// person. Without pronouns (the tables of one verb), a form may stand in several cells of its
// verb (tu ami, che io ami), but never in two verbs.
TEST(ShippedForms, EachFormBelongsToOneVerbOnly) {
  testsupport::TempProgramFolder folder(true);
  for (bool conPronomi : {true, false}) {
    const auto forme = FormeSpedite(conPronomi);
    EXPECT_GT(forme.size(), 10000u);
    for (const auto& [forma, origini] : forme) {
      std::set<std::string> verbi;
      for (const Origine& o : origini) verbi.insert(std::get<0>(o));
      const size_t ammesse = conPronomi ? origini.size() : verbi.size();
      if (ammesse == 1) continue;
      std::string dove;
      for (const Origine& o : origini) dove += " " + Descrivi(o);
      ADD_FAILURE() << (conPronomi ? "with" : "without") << " pronouns, «" << forma << "» comes from" << dove;
    }
  }
}

namespace {

// Everyday verbs that are in no list but share a root with a listed verb of another
// conjugation: an -ere or -ire root with "are" or "iare" after it, an -are root with "ere" or
// "ire". Each is regular, so the engine builds its forms from the list file it would stand in.
struct VerboComune {
  const char* file;
  const char* radice;
};
constexpr VerboComune kVerbiComuni[] = {
    {"regolariare.txt", "premi"},       {"regolariare.txt", "marci"},  {"regolariare.txt", "marc"},
    {"regolariare.txt", "spar"},        {"regolariare.txt", "sfior"},  {"regolariare.txt", "boll"},
    {"regolariare.txt", "arross"},      {"regolariareausessere.txt", "impazz"},
    {"regolariireisco.txt", "color"},   {"regolariireisco.txt", "atterr"},
};

}  // namespace

// A pupil who names one of these verbs, or its conjugation, for a form on show would be right:
// no form of theirs may be a form of a shipped verb.
TEST(ShippedForms, NoFormIsAlsoAFormOfAnEverydayVerbOutsideTheLists) {
  std::map<std::string, std::set<Origine>> spedite;
  {
    testsupport::TempProgramFolder folder(true);
    spedite = FormeSpedite(true);
  }
  testsupport::TempProgramFolder comuni;
  std::map<std::string, std::string> files;
  for (const VerboComune& v : kVerbiComuni) files[v.file] += std::string(v.radice) + "\r\n";
  for (const auto& [file, bytes] : files) comuni.Write("testiFosku/2/" + file, bytes);
  const auto forme = FormeSpedite(true);
  EXPECT_GT(forme.size(), 1000u);
  for (const auto& [forma, origini] : forme) {
    const auto trovata = spedite.find(forma);
    if (trovata == spedite.end()) continue;
    for (const Origine& comune : origini) {
      for (const Origine& spedita : trovata->second) {
        if (std::get<0>(comune) == std::get<0>(spedita)) continue;  // essere and avere, in both
        ADD_FAILURE() << "«" << forma << "» is " << Descrivi(spedita) << " and " << Descrivi(comune);
      }
    }
  }
}
