// The pure form builder against Italian: every expected form below is the standard form a
// grammar book gives for the verb.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"

namespace CostruisciFosku {
void PrintTo(const SplitForm& s, std::ostream* os) { *os << '"' << s.root << "\" + \"" << s.ending << '"'; }
}  // namespace CostruisciFosku

using CostruisciFosku::BuildForms;
using CostruisciFosku::BuildSplitForms;
using CostruisciFosku::FormeVerbo;
using CostruisciFosku::SplitForm;
using CostruisciFosku::VerboRegolare;

namespace {

constexpr int kAre = 0, kEre = 1, kIre = 2, kEssere = 3, kAvere = 4;

// Rows with the marks each list file gives.
VerboRegolare AreAvere(const std::string& r) { return {r, "a", "", "", ""}; }
VerboRegolare AreEssere(const std::string& r) { return {r, "e", "", "", ""}; }
VerboRegolare EreEtti(const std::string& r) { return {r, "a", "etti", "ette", ""}; }
VerboRegolare EreEi(const std::string& r) { return {r, "a", "ei", "é", ""}; }
VerboRegolare Ire(const std::string& r) { return {r, "a", "", "", "o"}; }
VerboRegolare IreIsco(const std::string& r) { return {r, "a", "", "", "isco"}; }
VerboRegolare IreEssere(const std::string& r) { return {r, "e", "", "", "o"}; }
VerboRegolare IreIscoEssere(const std::string& r) { return {r, "e", "", "", "isco"}; }

struct Case {
  int tempo;
  int classe;
  VerboRegolare verbo;
  bool pronouns;
  FormeVerbo expected;
};

}  // namespace

TEST(BuildForms, RegularVerbsFollowItalianSpelling) {
  const std::vector<Case> cases = {
      // -care / -gare keep the hard sound: h before e and i.
      {0, kAre, AreAvere("cerc"), true, {"io cerco", "tu cerchi", "egli cerca", "noi cerchiamo", "voi cercate", "essi cercano"}},
      {1, kAre, AreAvere("cerc"), false, {"cercavo", "cercavi", "cercava", "cercavamo", "cercavate", "cercavano"}},
      {2, kAre, AreAvere("cerc"), false, {"cercai", "cercasti", "cercò", "cercammo", "cercaste", "cercarono"}},
      {3, kAre, AreAvere("pag"), false, {"pagherò", "pagherai", "pagherà", "pagheremo", "pagherete", "pagheranno"}},
      {8, kAre, AreAvere("gioc"), true, {"che io giochi", "che tu giochi", "che egli giochi", "che noi giochiamo", "che voi giochiate", "che essi giochino"}},
      {9, kAre, AreAvere("gioc"), false, {"giocassi", "giocassi", "giocasse", "giocassimo", "giocaste", "giocassero"}},
      {12, kAre, AreAvere("spieg"), false, {"spiegherei", "spiegheresti", "spiegherebbe", "spiegheremmo", "spieghereste", "spiegherebbero"}},
      {14, kAre, AreAvere("gioc"), true, {"---", "gioca", "giochi", "giochiamo", "giocate", "giochino"}},
      // -ciare, -giare, -sciare lose the i before e; -iare does not double the i.
      {0, kAre, AreAvere("mangi"), false, {"mangio", "mangi", "mangia", "mangiamo", "mangiate", "mangiano"}},
      {3, kAre, AreAvere("mangi"), true, {"io mangerò", "tu mangerai", "egli mangerà", "noi mangeremo", "voi mangerete", "essi mangeranno"}},
      {8, kAre, AreAvere("mangi"), false, {"mangi", "mangi", "mangi", "mangiamo", "mangiate", "mangino"}},
      {14, kAre, AreAvere("mangi"), false, {"---", "mangia", "mangi", "mangiamo", "mangiate", "mangino"}},
      {3, kAre, AreAvere("lasci"), false, {"lascerò", "lascerai", "lascerà", "lasceremo", "lascerete", "lasceranno"}},
      {12, kAre, AreAvere("cominci"), false, {"comincerei", "cominceresti", "comincerebbe", "cominceremmo", "comincereste", "comincerebbero"}},
      {0, kAre, AreAvere("studi"), false, {"studio", "studi", "studia", "studiamo", "studiate", "studiano"}},
      {3, kAre, AreAvere("studi"), false, {"studierò", "studierai", "studierà", "studieremo", "studierete", "studieranno"}},
      {8, kAre, AreAvere("sbagli"), false, {"sbagli", "sbagli", "sbagli", "sbagliamo", "sbagliate", "sbaglino"}},
      // The auxiliary follows the row; essere makes the plural participle end in i.
      {4, kAre, AreAvere("am"), true, {"io ho amato", "tu hai amato", "egli ha amato", "noi abbiamo amato", "voi avete amato", "essi hanno amato"}},
      {4, kAre, AreEssere("arriv"), true, {"io sono arrivato", "tu sei arrivato", "egli è arrivato", "noi siamo arrivati", "voi siete arrivati", "essi sono arrivati"}},
      {7, kAre, AreEssere("torn"), false, {"sarò tornato", "sarai tornato", "sarà tornato", "saremo tornati", "sarete tornati", "saranno tornati"}},
      {10, kAre, AreEssere("entr"), true, {"che io sia entrato", "che tu sia entrato", "che egli sia entrato", "che noi siamo entrati", "che voi siate entrati", "che essi siano entrati"}},
      {13, kAre, AreAvere("cerc"), false, {"avrei cercato", "avresti cercato", "avrebbe cercato", "avremmo cercato", "avreste cercato", "avrebbero cercato"}},
      {15, kAre, AreAvere("am"), true, {"amare", "avere amato", "amante", "amato", "amando", "avendo amato"}},
      {15, kAre, AreEssere("arriv"), true, {"arrivare", "essere arrivato", "arrivante", "arrivato", "arrivando", "essendo arrivato"}},
      // -ere: the row gives the io and egli remote past.
      {0, kEre, EreEtti("cred"), true, {"io credo", "tu credi", "egli crede", "noi crediamo", "voi credete", "essi credono"}},
      {2, kEre, EreEtti("cred"), false, {"credetti", "credesti", "credette", "credemmo", "credeste", "credettero"}},
      {2, kEre, EreEi("tem"), true, {"io temei", "tu temesti", "egli temé", "noi tememmo", "voi temeste", "essi temettero"}},
      {3, kEre, EreEi("batt"), false, {"batterò", "batterai", "batterà", "batteremo", "batterete", "batteranno"}},
      {8, kEre, EreEtti("cred"), true, {"che io creda", "che tu creda", "che egli creda", "che noi crediamo", "che voi crediate", "che essi credano"}},
      {9, kEre, EreEtti("vend"), false, {"vendessi", "vendessi", "vendesse", "vendessimo", "vendeste", "vendessero"}},
      {14, kEre, EreEtti("cred"), false, {"---", "credi", "creda", "crediamo", "credete", "credano"}},
      {15, kEre, EreEtti("cred"), true, {"credere", "avere creduto", "credente", "creduto", "credendo", "avendo creduto"}},
      // -scere: the participle keeps the soft sound (conosciuto); the simple tenses do not change.
      {0, kEre, EreEtti("conosc"), false, {"conosco", "conosci", "conosce", "conosciamo", "conoscete", "conoscono"}},
      {5, kEre, EreEtti("conosc"), true, {"io avevo conosciuto", "tu avevi conosciuto", "egli aveva conosciuto", "noi avevamo conosciuto", "voi avevate conosciuto", "essi avevano conosciuto"}},
      {15, kEre, EreEtti("conosc"), false, {"conoscere", "avere conosciuto", "conoscente", "conosciuto", "conoscendo", "avendo conosciuto"}},
      // -ire: "isc" in the stressed-root persons of the -isco verbs only.
      {0, kIre, IreIsco("fin"), false, {"finisco", "finisci", "finisce", "finiamo", "finite", "finiscono"}},
      {8, kIre, IreIsco("fin"), true, {"che io finisca", "che tu finisca", "che egli finisca", "che noi finiamo", "che voi finiate", "che essi finiscano"}},
      {14, kIre, IreIsco("fin"), true, {"---", "finisci", "finisca", "finiamo", "finite", "finiscano"}},
      {1, kIre, IreIsco("fin"), false, {"finivo", "finivi", "finiva", "finivamo", "finivate", "finivano"}},
      {3, kIre, IreIsco("fin"), false, {"finirò", "finirai", "finirà", "finiremo", "finirete", "finiranno"}},
      {0, kIre, Ire("dorm"), true, {"io dormo", "tu dormi", "egli dorme", "noi dormiamo", "voi dormite", "essi dormono"}},
      {2, kIre, Ire("dorm"), false, {"dormii", "dormisti", "dormì", "dormimmo", "dormiste", "dormirono"}},
      {12, kIre, Ire("segu"), false, {"seguirei", "seguiresti", "seguirebbe", "seguiremmo", "seguireste", "seguirebbero"}},
      {14, kIre, Ire("dorm"), false, {"---", "dormi", "dorma", "dormiamo", "dormite", "dormano"}},
      {10, kIre, Ire("dorm"), true, {"che io abbia dormito", "che tu abbia dormito", "che egli abbia dormito", "che noi abbiamo dormito", "che voi abbiate dormito", "che essi abbiano dormito"}},
      {4, kIre, IreEssere("part"), true, {"io sono partito", "tu sei partito", "egli è partito", "noi siamo partiti", "voi siete partiti", "essi sono partiti"}},
      {11, kIre, IreIscoEssere("spar"), true, {"che io fossi sparito", "che tu fossi sparito", "che egli fosse sparito", "che noi fossimo spariti", "che voi foste spariti", "che essi fossero spariti"}},
      {15, kIre, IreEssere("part"), false, {"partire", "essere partito", "partente", "partito", "partendo", "essendo partito"}},
      // An empty root gives the bare endings and no rule fires.
      {0, kAre, AreAvere(""), true, {"io o", "tu i", "egli a", "noi iamo", "voi ate", "essi ano"}},
  };
  for (const Case& c : cases) {
    auto forms = BuildForms(c.tempo, c.classe, c.verbo, c.pronouns);
    ASSERT_TRUE(forms.has_value()) << c.verbo.Radice << " tense " << c.tempo;
    EXPECT_EQ(*forms, c.expected) << c.verbo.Radice << " tense " << c.tempo;
  }
}

TEST(BuildForms, EssereAndAvereInEveryTense) {
  const FormeVerbo essere[16] = {
      {"sono", "sei", "è", "siamo", "siete", "sono"},
      {"ero", "eri", "era", "eravamo", "eravate", "erano"},
      {"fui", "fosti", "fu", "fummo", "foste", "furono"},
      {"sarò", "sarai", "sarà", "saremo", "sarete", "saranno"},
      {"sono stato", "sei stato", "è stato", "siamo stati", "siete stati", "sono stati"},
      {"ero stato", "eri stato", "era stato", "eravamo stati", "eravate stati", "erano stati"},
      {"fui stato", "fosti stato", "fu stato", "fummo stati", "foste stati", "furono stati"},
      {"sarò stato", "sarai stato", "sarà stato", "saremo stati", "sarete stati", "saranno stati"},
      {"sia", "sia", "sia", "siamo", "siate", "siano"},
      {"fossi", "fossi", "fosse", "fossimo", "foste", "fossero"},
      {"sia stato", "sia stato", "sia stato", "siamo stati", "siate stati", "siano stati"},
      {"fossi stato", "fossi stato", "fosse stato", "fossimo stati", "foste stati", "fossero stati"},
      {"sarei", "saresti", "sarebbe", "saremmo", "sareste", "sarebbero"},
      {"sarei stato", "saresti stato", "sarebbe stato", "saremmo stati", "sareste stati", "sarebbero stati"},
      {"---", "sii", "sia", "siamo", "siate", "siano"},
      {"essere", "essere stato", "", "stato", "essendo", "essendo stato"}};
  const FormeVerbo avere[16] = {
      {"ho", "hai", "ha", "abbiamo", "avete", "hanno"},
      {"avevo", "avevi", "aveva", "avevamo", "avevate", "avevano"},
      {"ebbi", "avesti", "ebbe", "avemmo", "aveste", "ebbero"},
      {"avrò", "avrai", "avrà", "avremo", "avrete", "avranno"},
      {"ho avuto", "hai avuto", "ha avuto", "abbiamo avuto", "avete avuto", "hanno avuto"},
      {"avevo avuto", "avevi avuto", "aveva avuto", "avevamo avuto", "avevate avuto", "avevano avuto"},
      {"ebbi avuto", "avesti avuto", "ebbe avuto", "avemmo avuto", "aveste avuto", "ebbero avuto"},
      {"avrò avuto", "avrai avuto", "avrà avuto", "avremo avuto", "avrete avuto", "avranno avuto"},
      {"abbia", "abbia", "abbia", "abbiamo", "abbiate", "abbiano"},
      {"avessi", "avessi", "avesse", "avessimo", "aveste", "avessero"},
      {"abbia avuto", "abbia avuto", "abbia avuto", "abbiamo avuto", "abbiate avuto", "abbiano avuto"},
      {"avessi avuto", "avessi avuto", "avesse avuto", "avessimo avuto", "aveste avuto", "avessero avuto"},
      {"avrei", "avresti", "avrebbe", "avremmo", "avreste", "avrebbero"},
      {"avrei avuto", "avresti avuto", "avrebbe avuto", "avremmo avuto", "avreste avuto", "avrebbero avuto"},
      {"---", "abbi", "abbia", "abbiamo", "abbiate", "abbiano"},
      {"avere", "avere avuto", "avente", "avuto", "avendo", "avendo avuto"}};
  // The root and marks given do not matter to the auxiliaries.
  const VerboRegolare stale = AreEssere("cerc");
  for (int t = 0; t < 16; ++t) {
    EXPECT_EQ(BuildForms(t, kEssere, {}, false), essere[t]) << "essere, tense " << t;
    EXPECT_EQ(BuildForms(t, kAvere, stale, false), avere[t]) << "avere, tense " << t;
  }
  EXPECT_EQ(BuildForms(4, kEssere, {}, true)->at(3), "noi siamo stati");
  EXPECT_EQ(BuildForms(9, kAvere, {}, true)->at(3), "che noi avessimo");
  EXPECT_EQ(BuildForms(11, kEssere, {}, true)->at(5), "che essi fossero stati");
  EXPECT_EQ(BuildForms(14, kEssere, {}, true)->at(1), "sii");
  EXPECT_EQ(BuildForms(15, kAvere, {}, true)->at(0), "avere");
}

// Stare takes essere and has the participle "stato": its compound tenses, which the -are rules
// build right from the root "st", are essere's words, and no other tense or class shares them.
TEST(BuildForms, EssereSharesItsCompoundTensesWithStareOnly) {
  for (int t = 0; t < 14; ++t) {
    for (int classe = kAre; classe <= kAvere; ++classe) {
      SCOPED_TRACE("tense " + std::to_string(t) + ", class " + std::to_string(classe));
      const auto altro = CostruisciFosku::AltroVerboConLeStesseForme(t, classe);
      const bool comeStare = classe == kEssere && BuildForms(t, kEssere, {}, true) == BuildForms(t, kAre, AreEssere("st"), true);
      ASSERT_EQ(altro.has_value(), comeStare);
      if (altro) {
        EXPECT_EQ(altro->Infinito, "stare");
        EXPECT_EQ(altro->Coniugazione, kAre);
      }
    }
  }
  EXPECT_EQ(BuildForms(10, kAre, AreEssere("st"), true)->at(5), "che essi siano stati");
}

TEST(BuildForms, ClassOrTenseOutOfRangeBuildsNothing) {
  for (int classe : {-1, 5, 100}) EXPECT_FALSE(BuildForms(0, classe, AreAvere("am"), true)) << classe;
  for (int t : {-1, 16, 32767}) EXPECT_FALSE(BuildSplitForms(t, kAre, AreAvere("am"), false)) << t;
}

TEST(BuildSplitForms, SplitsAsTheTablesWindowShowsThem) {
  using S = SplitForm;
  struct SplitCase {
    int tempo;
    int classe;
    VerboRegolare verbo;
    std::vector<S> expected;
  };
  const std::vector<SplitCase> cases = {
      {0, kAre, AreAvere("cerc"), {{"io cerc", "o"}, {"tu cerch", "i"}, {"egli cerc", "a"}, {"noi cerch", "iamo"}, {"voi cerc", "ate"}, {"essi cerc", "ano"}}},
      {3, kAre, AreAvere("mangi"), {{"io mang", "erò"}, {"tu mang", "erai"}, {"egli mang", "erà"}, {"noi mang", "eremo"}, {"voi mang", "erete"}, {"essi mang", "eranno"}}},
      {14, kAre, AreAvere("cerc"), {{"---", ""}, {"cerc", "a"}, {"cerch", "i"}, {"cerch", "iamo"}, {"cerc", "ate"}, {"cerch", "ino"}}},
      {4, kAre, AreEssere("arriv"), {{"io sono arriv", "ato"}, {"tu sei arriv", "ato"}, {"egli è arriv", "ato"}, {"noi siamo arriv", "ati"}, {"voi siete arriv", "ati"}, {"essi sono arriv", "ati"}}},
      {10, kAre, AreAvere("cant"), {{"che io abbia cant", "ato"}, {"che tu abbia cant", "ato"}, {"che egli abbia cant", "ato"}, {"che noi abbiamo cant", "ato"}, {"che voi abbiate cant", "ato"}, {"che essi abbiano cant", "ato"}}},
      {2, kEre, EreEi("cred"), {{"io cred", "ei"}, {"tu cred", "esti"}, {"egli cred", "é"}, {"noi cred", "emmo"}, {"voi cred", "este"}, {"essi cred", "ettero"}}},
      {4, kEre, EreEtti("conosc"), {{"io ho conosc", "iuto"}, {"tu hai conosc", "iuto"}, {"egli ha conosc", "iuto"}, {"noi abbiamo conosc", "iuto"}, {"voi avete conosc", "iuto"}, {"essi hanno conosc", "iuto"}}},
      {0, kIre, IreIsco("fin"), {{"io fin", "isco"}, {"tu fin", "isci"}, {"egli fin", "isce"}, {"noi fin", "iamo"}, {"voi fin", "ite"}, {"essi fin", "iscono"}}},
      {15, kAre, AreAvere("cant"), {{"cantare", ""}, {"avere cantato", ""}, {"cantante", ""}, {"cantato", ""}, {"cantando", ""}, {"avendo cantato", ""}}},
      {0, kEssere, {}, {{"io sono", ""}, {"tu sei", ""}, {"egli è", ""}, {"noi siamo", ""}, {"voi siete", ""}, {"essi sono", ""}}},
  };
  for (const SplitCase& c : cases) {
    auto split = BuildSplitForms(c.tempo, c.classe, c.verbo, true);
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(std::vector<S>(split->begin(), split->end()), c.expected) << c.verbo.Radice << " tense " << c.tempo;
  }
}
