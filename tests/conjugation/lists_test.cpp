// The list reader, the draw of a regular verb and the program-wide builders that conjugate it.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "platform/random.h"
#include "support/temp_dirs.h"

namespace CF = CostruisciFosku;
using CF::VerboRegolare;

namespace {

const std::string kFolder = "testiFosku/2/";

std::string Lines(std::initializer_list<const char*> roots) {
  std::string text;
  for (const char* r : roots) text += std::string(r) + "\r\n";
  return text;
}

// A program folder holding one root in each of the eight list files.
class ListFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ModuloFosku::RiempiTabelle();
    dir_.Write(kFolder + "regolariare.txt", Lines({"cerc", "mangi", "am"}));
    dir_.Write(kFolder + "regolariareausessere.txt", Lines({"arriv", "torn"}));
    dir_.Write(kFolder + "regolariere.txt", Lines({"cred"}));
    dir_.Write(kFolder + "regolariereei.txt", Lines({"tem"}));
    dir_.Write(kFolder + "regolariire.txt", Lines({"dorm"}));
    dir_.Write(kFolder + "regolariireisco.txt", Lines({"fin"}));
    dir_.Write(kFolder + "regolariireausessere.txt", Lines({"part"}));
    dir_.Write(kFolder + "regolariireiscoausiliareessere.txt", Lines({"spar"}));
  }
  void Use(int row, const std::string& root) {
    CF::IndiceEstratto = row;
    CF::RadiceScelta = root;
  }
  testsupport::TempProgramFolder dir_;
};

}  // namespace

TEST_F(ListFolder, EachFileGivesItsMarks) {
  CF::LeggiFosku();
  EXPECT_EQ(CF::NumeroRadiciAre, 5);
  EXPECT_EQ(CF::NumeroRadiciEre, 2);
  EXPECT_EQ(CF::NumeroRadiciIre, 4);
  EXPECT_EQ(CF::RadiciAre[1], (VerboRegolare{"cerc", "a", "", "", ""}));
  EXPECT_EQ(CF::RadiciAre[3], (VerboRegolare{"am", "a", "", "", ""}));
  EXPECT_EQ(CF::RadiciAre[4], (VerboRegolare{"arriv", "e", "", "", ""}));
  EXPECT_EQ(CF::RadiciAre[5], (VerboRegolare{"torn", "e", "", "", ""}));
  EXPECT_EQ(CF::RadiciEre[1], (VerboRegolare{"cred", "a", "etti", "ette", ""}));
  EXPECT_EQ(CF::RadiciEre[2], (VerboRegolare{"tem", "a", "ei", "é", ""}));
  EXPECT_EQ(CF::RadiciIre[1], (VerboRegolare{"dorm", "a", "", "", "o"}));
  EXPECT_EQ(CF::RadiciIre[2], (VerboRegolare{"fin", "a", "", "", "isco"}));
  EXPECT_EQ(CF::RadiciIre[3], (VerboRegolare{"part", "e", "", "", "o"}));
  EXPECT_EQ(CF::RadiciIre[4], (VerboRegolare{"spar", "e", "", "", "isco"}));
  for (int c = 0; c < 3; ++c) EXPECT_EQ(CF::RowOf(c, 0), VerboRegolare{}) << c;
}

TEST_F(ListFolder, ReadingAgainReplacesTheLists) {
  CF::LeggiFosku();
  CF::LeggiFosku();
  EXPECT_EQ(CF::NumeroRadiciAre, 5);
  EXPECT_EQ(CF::NumeroRadiciIre, 4);
  // A shorter file read later leaves no stale rows behind the new count.
  dir_.Write(kFolder + "regolariareausessere.txt", "");
  CF::LeggiFosku();
  EXPECT_EQ(CF::NumeroRadiciAre, 3);
  EXPECT_EQ(CF::RadiciAre[4], VerboRegolare{});
}

TEST_F(ListFolder, ItemsAreFieldsAndAnEmptyLineIsAnEmptyRow) {
  dir_.Write(kFolder + "regolariare.txt", "cerc,pag\r\n\r\nam\r\n\r\n");
  CF::LeggiFosku();
  ASSERT_EQ(CF::NumeroRadiciAre, 7);
  EXPECT_EQ(CF::RadiciAre[2].Radice, "pag");
  EXPECT_EQ(CF::RadiciAre[3], (VerboRegolare{"", "a", "", "", ""}));
  EXPECT_EQ(CF::RadiciAre[4].Radice, "am");
  EXPECT_EQ(CF::RadiciAre[5], (VerboRegolare{"", "a", "", "", ""}));  // the trailing empty line
  EXPECT_EQ(CF::RadiciAre[6].Radice, "arriv");
}

TEST_F(ListFolder, AMissingFileIsSkipped) {
  std::remove((dir_.path() + "/" + kFolder + "regolariare.txt").c_str());
  std::remove((dir_.path() + "/" + kFolder + "regolariereei.txt").c_str());
  CF::LeggiFosku();
  EXPECT_EQ(CF::NumeroRadiciAre, 2);
  EXPECT_EQ(CF::RadiciAre[1].Radice, "arriv");
  EXPECT_EQ(CF::NumeroRadiciEre, 1);
  EXPECT_EQ(CF::NumeroRadiciIre, 4);
}

TEST_F(ListFolder, RootsPastAListsCapacityAreIgnored) {
  std::string many;
  for (int i = 0; i < 150; ++i) many += "r" + std::to_string(i) + "\r\n";
  dir_.Write(kFolder + "regolariere.txt", many);
  dir_.Write(kFolder + "regolariereei.txt", many);
  std::string more;
  for (int i = 0; i < 499; ++i) more += "s" + std::to_string(i) + "\r\n";
  dir_.Write(kFolder + "regolariire.txt", more);
  CF::LeggiFosku();
  EXPECT_EQ(CF::NumeroRadiciEre, 200);
  EXPECT_EQ(CF::RadiciEre[200], (VerboRegolare{"r49", "a", "ei", "é", ""}));
  EXPECT_EQ(CF::NumeroRadiciIre, 500);
  EXPECT_EQ(CF::RadiciIre[500], (VerboRegolare{"fin", "a", "", "", "isco"}));
}

TEST_F(ListFolder, DrawTakesOnlyRowsWithARoot) {
  dir_.Write(kFolder + "regolariare.txt", "\r\ncerc\r\n\r\n");
  dir_.Write(kFolder + "regolariareausessere.txt", "\r\n");
  CF::LeggiFosku();
  for (std::uint64_t seed = 0; seed < 50; ++seed) {
    platform::SeedRandom(seed);
    ASSERT_TRUE(CF::DrawRegularVerb(0));
    EXPECT_EQ(CF::IndiceEstratto, 2);
    EXPECT_EQ(CF::RadiceScelta, "cerc");
  }
  std::set<std::string> seen;
  for (std::uint64_t seed = 0; seed < 200; ++seed) {
    platform::SeedRandom(seed);
    ASSERT_TRUE(CF::DrawRegularVerb(2));
    EXPECT_EQ(CF::RowOf(2, CF::IndiceEstratto).Radice, CF::RadiceScelta);
    seen.insert(CF::RadiceScelta);
  }
  EXPECT_EQ(seen, (std::set<std::string>{"dorm", "fin", "part", "spar"}));
}

TEST_F(ListFolder, DrawSaysWhenAListHasNoRoot) {
  dir_.Write(kFolder + "regolariere.txt", "\r\n\r\n");
  std::remove((dir_.path() + "/" + kFolder + "regolariereei.txt").c_str());
  CF::LeggiFosku();
  Use(1, "cerc");
  EXPECT_FALSE(CF::DrawRegularVerb(1));
  EXPECT_FALSE(CF::DrawRegularVerb(3));
  EXPECT_EQ(CF::IndiceEstratto, 1);
  EXPECT_EQ(CF::RadiceScelta, "cerc");
  EXPECT_EQ(CF::ListFilesOf(1), (std::vector<std::string>{"\\testiFosku\\2\\regolariere.txt",
                                                          "\\testiFosku\\2\\regolariereei.txt"}));
}

TEST_F(ListFolder, BuildersConjugateTheCurrentVerbWithItsRowsMarks) {
  CF::LeggiFosku();
  Use(4, "arriv");
  CF::CostruisciForme(4, 0);
  EXPECT_EQ(CF::Forme[3], "noi siamo arrivati");
  CostruisciFoskuSenzaPersona::CostruisciForme(4, 0);
  EXPECT_EQ(CF::Forme[3], "siamo arrivati");
  Use(2, "tem");
  CF::CostruisciForme(2, 1);
  EXPECT_EQ(CF::Forme[2], "egli temé");
  Use(2, "fin");
  CostruisciFoskuSenzaPersona::CostruisciForme(0, 2);
  EXPECT_EQ(CF::Forme[5], "finiscono");
  CF::CostruisciForme(15, 2);
  EXPECT_EQ(CF::Forme[0], "finire");
}

TEST_F(ListFolder, OutOfRangeCallsLeaveFormeAsItWas) {
  CF::LeggiFosku();
  Use(1, "cerc");
  CF::CostruisciForme(0, 0);
  const CF::FormeVerbo before = CF::Forme;
  for (int classe : {-1, 5}) {
    CF::CostruisciForme(0, classe);
    CostruisciFoskuSenzaPersona::CostruisciForme(0, classe);
  }
  for (int tempo : {-1, 16}) {
    for (int classe = 0; classe < 5; ++classe) CF::CostruisciForme(tempo, classe);
  }
  EXPECT_EQ(CF::Forme, before);
}

TEST_F(ListFolder, AnIndexOutsideTheListBuildsFromAnEmptyRow) {
  CF::LeggiFosku();
  Use(1, "tem");
  CF::CostruisciForme(2, 1);
  EXPECT_EQ(CF::Forme[0], "io temetti");
  for (int index : {0, 201, -3, 32000}) {
    Use(index, "tem");
    CF::CostruisciForme(2, 1);  // no marks: the io and egli endings are left out
    EXPECT_EQ(CF::Forme[0], "io tem") << index;
    EXPECT_EQ(CF::Forme[1], "tu temesti") << index;
    CF::CostruisciForme(4, 2);  // no auxiliary mark: avere
    EXPECT_EQ(CF::Forme[3], "noi abbiamo temito") << index;
  }
}

TEST_F(ListFolder, AnEreBuildSetsTheParticipleStemOfItsRoot) {
  CF::LeggiFosku();
  Use(1, "conosc");
  CF::CostruisciForme(16, 1);  // builds nothing, but sets the stem
  EXPECT_EQ(ModuloFosku::ParticipioPassatoEre, "iut");
  CF::CostruisciForme(0, 0);  // another class leaves it
  EXPECT_EQ(ModuloFosku::ParticipioPassatoEre, "iut");
  Use(1, "cred");
  CostruisciFoskuSenzaPersona::CostruisciForme(3, 1);
  EXPECT_EQ(ModuloFosku::ParticipioPassatoEre, "ut");
  Use(1, "conosc");
  CF::CostruisciForme(4, 1);
  ModuloFosku::RiempiTabelle();
  EXPECT_EQ(ModuloFosku::ParticipioPassatoEre, "ut");
}
