// The vocabulary tables and the draw helper.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conjugation/modulo_fosku.h"

namespace M = ModuloFosku;

TEST(RiempiTabelle, FillsNamesAndCaptions) {
  M::RiempiTabelle();
  EXPECT_EQ(M::Persone, (std::array<std::string, 6>{"io", "tu", "egli", "noi", "voi", "essi"}));
  EXPECT_EQ(M::Tempi[5], "trapassato prossimo indicativo");
  EXPECT_EQ(M::Tempi[13], "passato condizionale");
  EXPECT_EQ(M::TempiModi[0], "presente indicativo\r\ntempo semplice");
  EXPECT_EQ(M::TempiModi[10], "passato congiuntivo\r\ntempo composto");
  EXPECT_EQ(M::TempiModi[12], "presente condizionale\r\ntempo semplice");
  EXPECT_EQ(M::TempiModi[14], "imperativo");
  EXPECT_EQ(M::TempiModi[15], "modi non finiti");
  for (int t : {0, 8, 12}) EXPECT_EQ(M::TempiBrevi[t], "presente ") << t;
  for (int t : {10, 13}) EXPECT_EQ(M::TempiBrevi[t], "passato ") << t;
  EXPECT_EQ(M::TempiBrevi[6], "trapassato remoto ");
  EXPECT_EQ(M::TempiBrevi[14], "imperativo");
  EXPECT_EQ(M::TempiBrevi[15], "modi non finiti");
}

TEST(RiempiTabelle, FillsFormsEndingsAndNonFiniteWords) {
  M::RiempiTabelle();
  for (const M::TabellaTempi* table : {&M::FormeEssere, &M::FormeAvere, &M::DesinenzeAre, &M::DesinenzeEre, &M::DesinenzeIre}) {
    EXPECT_EQ((*table)[7][0], "");
    for (int c = 0; c < 8; ++c) {
      for (int p = (c == 7 ? 1 : 0); p < 6; ++p) EXPECT_FALSE((*table)[c][p].empty()) << c << " " << p;
    }
  }
  EXPECT_EQ(M::FormeEssere[0][2], "è");
  EXPECT_EQ(M::FormeEssere[3][0], "sarò");
  EXPECT_EQ(M::FormeAvere[2][5], "ebbero");
  EXPECT_EQ(M::DesinenzeAre[3][0], "erò");
  EXPECT_EQ(M::DesinenzeAre[2][2], "ò");
  EXPECT_EQ(M::DesinenzeEre[7][4], "ete");
  EXPECT_EQ(M::DesinenzeIre[2][2], "ì");
  EXPECT_EQ(M::ParticipioPresenteEssere, "");
  EXPECT_EQ(M::ParticipioPassatoAvere, "avut");
  EXPECT_EQ(M::GerundioAre, "ando");
  EXPECT_EQ(M::InfinitoIre, "ire");
  M::ParticipioPassatoEre = "iut";
  M::RiempiTabelle();
  EXPECT_EQ(M::ParticipioPassatoEre, "ut");
}

TEST(ColonnaDelTempo, MapsEachTenseToItsColumn) {
  const int expected[16] = {0, 1, 2, 3, 0, 1, 2, 3, 4, 5, 4, 5, 6, 6, 7, -1};
  for (int t = 0; t < 16; ++t) EXPECT_EQ(M::ColonnaDelTempo(t), expected[t]) << t;
  EXPECT_EQ(M::ColonnaDelTempo(-1), -1);
  EXPECT_EQ(M::ColonnaDelTempo(16), -1);
}
