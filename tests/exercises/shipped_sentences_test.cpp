#include <QRegularExpression>
#include <algorithm>

#include "exercises/sentences/form12_transitive_intransitive.h"
#include "exercises/sentences/form13_predicate.h"
#include "exercises/sentences/form17_active_passive.h"
#include "exercises/sentences/form20_correct_incorrect.h"
#include "exercises/verbs/form18_complete_sentence.h"
#include "platform/paths.h"
#include "exercises/sentences_fixture.h"
#include "support/shipped_data.h"

namespace {

std::string Rifila(const std::string& s) {
  const auto a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// Every line ends with CR LF, and the file is not empty.
void ControllaFile(const std::string& file, const std::string& bytes) {
  ASSERT_FALSE(bytes.empty()) << file;
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << file;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << file << " byte " << i;
    }
  }
}

class ShippedFieldFile : public ::testing::TestWithParam<const char*> {
 protected:
  testsupport::TempHome home_;
  testsupport::TempProgramFolder folder_{true};
};

TEST_P(ShippedFieldFile, OneItemPerLineWithoutCommasOrQuotes) {
  const std::string file = GetParam();
  const auto bytes = platform::ReadFileBytes(platform::ProgramPath(file));
  ASSERT_TRUE(bytes.has_value()) << file;
  ControllaFile(file, *bytes);
  const auto righe = platform::ReadLines(platform::ProgramPath(file));
  ASSERT_TRUE(righe.has_value());
  EXPECT_GE(righe->size(), 40u) << file;
  EXPECT_LE(righe->size(), static_cast<size_t>(DueBottoni::kCapacita)) << file;
  for (const auto& r : *righe) {
    EXPECT_EQ(r.find_first_of(",\""), std::string::npos) << file << ": " << r;
    EXPECT_FALSE(Rifila(r).empty()) << file << ": a blank line";
  }
  // Read by field, each line is exactly one item.
  const auto campi = platform::ReadFields(platform::ProgramPath(file));
  ASSERT_TRUE(campi.has_value());
  EXPECT_EQ(campi->size(), righe->size()) << file;
}

// Each file's test is named after the file ("corrette" for "\\testiFosku\\6\\corrette.txt").
std::string NomeFile(const ::testing::TestParamInfo<const char*>& info) {
  const std::string file = info.param;
  const size_t inizio = file.rfind('\\') + 1;
  return file.substr(inizio, file.rfind('.') - inizio);
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedFieldFile,
                         ::testing::Values("\\testiFosku\\6\\corrette.txt", "\\testiFosku\\6\\scorrette.txt",
                                           "\\testiFosku\\4\\transitivi.txt", "\\testiFosku\\4\\intransitivi.txt",
                                           "\\testiFosku\\7\\attive.txt", "\\testiFosku\\7\\passive.txt"),
                         NomeFile);

class ShippedPredicateFile : public ShippedFieldFile {};

TEST_P(ShippedPredicateFile, EveryLineSplitsIntoThreeNonEmptyParts) {
  const std::string file = GetParam();
  const auto bytes = platform::ReadFileBytes(platform::ProgramPath(file));
  ASSERT_TRUE(bytes.has_value()) << file;
  ControllaFile(file, *bytes);
  const auto righe = platform::ReadLines(platform::ProgramPath(file));
  ASSERT_TRUE(righe.has_value());
  EXPECT_GE(righe->size(), 40u) << file;
  EXPECT_LE(righe->size(), static_cast<size_t>(DueBottoni::kCapacita)) << file;
  for (const auto& r : *righe) {
    const auto parti = DividiFrase(QString::fromStdString(r));
    ASSERT_TRUE(parti.has_value()) << file << ": " << r;
    for (const QString& p : *parti) EXPECT_FALSE(p.trimmed().isEmpty()) << file << ": " << r;
    EXPECT_FALSE((*parti)[2].contains('#')) << file << ": " << r;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedPredicateFile,
                         ::testing::Values("\\testiFosku\\5\\Verbale.txt", "\\testiFosku\\5\\nominale.txt"), NomeFile);

using ShippedWindows = sentencetest::SentenceTest;

// Each window reads its shipped files whole and draws from them without complaint.
TEST_F(ShippedWindows, EveryWindowReadsItsShippedLists) {
  testsupport::TempProgramFolder shipped(true);
  std::vector<DueBottoni*> finestre = {&platform::Instance<Form20>(), &platform::Instance<Form12>(),
                                       &platform::Instance<Form17>(), &platform::Instance<Form13>()};
  for (DueBottoni* f : finestre) {
    f->Show();
    EXPECT_GE(f->NumeroPrimaLista, 40) << f->windowTitle().toStdString();
    EXPECT_GE(f->NumeroSecondaLista, 40) << f->windowTitle().toStdString();
    auto vuota = [](const std::string& s) { return Rifila(s).empty(); };
    EXPECT_EQ(std::count_if(f->PrimaLista.begin() + 1, f->PrimaLista.end(), vuota), 0);
    EXPECT_EQ(std::count_if(f->SecondaLista.begin() + 1, f->SecondaLista.end(), vuota), 0);
    EXPECT_TRUE(f->Command1[0]->isEnabled());
    EXPECT_EQ(f->Griglia->Rows(), 2);
    f->Unload();
  }
  EXPECT_TRUE(messaggi_.isEmpty());
}

// The pupil is told the verb and the tense, never the person: the clause of the gap names its
// subject before the gap. A gap right after the word that opens a clause ("perché _____",
// "il libro che _____") leaves the subject to be guessed, and another person is as right.
TEST(ShippedCompleteSentence, TheGapNeverOpensAClauseWithoutItsSubject) {
  testsupport::TempProgramFolder folder(true);
  const QStringList apronoFrase = {"che", "perché", "quando", "se", "appena", "mentre", "dopo", "finché",
                                   "poiché", "siccome", "cui"};
  for (int t = 0; t < Form18::kTempi; ++t) {
    const std::string file = folder.path() + "/testiFosku/8/" + std::to_string(t) + ".txt";
    for (const std::string& r : testsupport::RigheSpedite(file)) {
      const auto f = AnalizzaFrase(r);
      ASSERT_TRUE(f.has_value()) << file << ": " << r;
      const QString prima = f->testo.left(f->testo.indexOf(QStringLiteral(" _____ ")));
      const QStringList parole = prima.toLower().split(QRegularExpression(QStringLiteral("[\\s,;:]+")),
                                                       Qt::SkipEmptyParts);
      EXPECT_FALSE(!parole.isEmpty() && apronoFrase.contains(parole.last())) << file << ": " << r;
    }
  }
}

}  // namespace
