// Lines as a teacher adds them: saved in UTF-8 (with or without a byte-order mark) by a Linux
// editor, with LF line ends and blanks or tabs left at a line's end, every window shows what a
// Windows-1252 file with CR LF and no such blanks shows, and says nothing. One case per reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "exercises/sentences/form13_predicate.h"
#include "exercises/sentences/form15_person.h"
#include "exercises/sentences/form19_fitting_verb.h"
#include "exercises/sentences/form20_correct_incorrect.h"
#include "exercises/sentences/form9_recognise_verb.h"
#include "exercises/sentences/tavola_coppie.h"
#include "exercises/verbs/form18_complete_sentence.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "exercises/verbs/form6_find_infinitive.h"
#include "platform/textfile.h"
#include "support/exercise_fixture.h"
#include "support/temp_dirs.h"

namespace {

using File = std::pair<std::string, std::vector<std::string>>;  // relative path, lines

// How a file is saved: the lines as given, or each with blanks and a tab after it; with
// `aggiunte`, the lines once more after them in UTF-8 and LF, as a teacher appends lines with a
// Linux editor to a file saved on Windows.
struct Salvataggio {
  const char* nome;
  bool utf8, marca, crlf, blanchi, aggiunte;
};
constexpr Salvataggio kSalvataggi[] = {
    {"Windows-1252, CR LF", false, false, true, false, false},
    {"UTF-8, LF, blanks at the ends", true, false, false, true, false},
    {"UTF-8 with a byte-order mark, CR LF, blanks at the ends", true, true, true, true, false},
    {"Windows-1252, CR LF, the same lines appended in UTF-8", false, false, true, false, true},
};

void Scrivi(const testsupport::TempProgramFolder& cartella, const File& f, const Salvataggio& s) {
  std::string bytes = s.marca ? "\xEF\xBB\xBF" : "";
  for (const std::string& r : f.second) {
    bytes += (s.utf8 ? r : platform::EncodeCp1252(r)) + (s.blanchi ? " \t " : "") + (s.crlf ? "\r\n" : "\n");
  }
  if (s.aggiunte) {
    for (const std::string& r : f.second) bytes += r + "\n";
  }
  cartella.Write(f.first, bytes);
}

template <class F>
ExerciseWindow& Apri() { return platform::Instance<F>(); }

QString Riga(ExerciseWindow& w) { return w.Griglia->TextMatrix(w.RigaItem(), 1); }

QString Parole(ExerciseWindow& w) {
  QString s;
  for (const QLabel* l : dynamic_cast<TavolaParole&>(w).Label3) {
    if (!l->isHidden()) s += l->text();
  }
  return s;
}

}  // namespace

class TeacherLines : public testsupport::ExerciseTest {};

TEST_F(TeacherLines, EveryReaderShowsTheSameTextHoweverTheFileWasSaved) {
  struct Caso {
    const char* nome;
    std::vector<File> files;
    std::function<ExerciseWindow&()> finestra;
    std::function<QString(ExerciseWindow&)> mostrato;
    std::set<std::string> attesi;
  };
  const std::vector<Caso> casi = {
      {"word labels", {{"testiFosku/3/liv1.txt", {"la città#0#è bella#1#"}}}, Apri<Form9>, Parole,
       {"La città è bella "}},
      {"subject in brackets", {{"testiFosku/3/sottinteso.txt", {"perché#0#[tu]#0#sei già partito?#1#"}}},
       Apri<Form15>, Parole, {"Perché sei già partito? "}},
      {"sentence and its predicate",
       {{"testiFosku/5/Verbale.txt", {"Perché tu#sei già partito#?#"}},
        {"testiFosku/5/nominale.txt", {"La città#è bella#.#"}}},
       Apri<Form13>,
       [](ExerciseWindow& w) {
         const auto& l = dynamic_cast<Form13&>(w).Parti;
         return l[0] + "|" + l[1] + "|" + l[2];
       },
       {"Perché tu |sei già partito |?", "La città |è bella |."}},
      {"sentence with five verbs", {{"testiFosku/9/fosku.txt", {"La città#bella.[è, sono, ha, va, corre]"}}},
       Apri<Form19>,
       [](ExerciseWindow& w) {
         QStringList verbi;
         for (const QPushButton* b : dynamic_cast<Form19&>(w).Command1) verbi << b->text();
         verbi.sort();
         return dynamic_cast<Form19&>(w).Label2->text() + "|" + verbi.join(",");
       },
       {"La città _____ bella.|corre,ha,sono,va,è"}},
      {"two lists of items",
       {{"testiFosku/6/corrette.txt", {"La città è bella."}}, {"testiFosku/6/scorrette.txt", {"La città sono bella."}}},
       Apri<Form20>, Riga, {"La città è bella.", "La città sono bella."}},
      // Typographic quotes keep a comma in the sentence; a quote left open ends with its line;
      // direct speech inside a quoted sentence stays in it.
      {"items in quotes",
       {{"testiFosku/6/corrette.txt",
         {"“Quando nevica, io resto a casa.”", "\"Se piove, prendo l'ombrello",
          "\"La maestra dice: “Oggi è venerdì, così è più facile.”\"", "“La maestra dice: \"Oggi è venerdì, così è più facile.\"”",
          "\"Il papà ha detto: \"Andiamo, è tardi.\"\"", "“Vieni qui, subito!” dice la mamma."}},
        {"testiFosku/6/scorrette.txt", {"Però noi è partiti."}}},
       Apri<Form20>, Riga,
       {"Quando nevica, io resto a casa.", "Se piove, prendo l'ombrello",
        "La maestra dice: “Oggi è venerdì, così è più facile.”", "La maestra dice: \"Oggi è venerdì, così è più facile.\"",
        "Il papà ha detto: \"Andiamo, è tardi.\"", "“Vieni qui, subito!” dice la mamma.",
        "Però noi è partiti."}},
      {"sentence pairs", {{"testiFosku/6/corrette scorrette.txt", {"Perché tu sei già partito?#Perché tu è partito?"}}},
       Apri<Form14>,
       [](ExerciseWindow& w) {
         auto& t = dynamic_cast<TavolaCoppie&>(w);
         return t.Label3[0]->text() + "|" + t.Label3[1]->text();
       },
       {"Perché tu sei già partito?|Perché tu è partito?"}},
      {"sentence to complete", {{"testiFosku/8/4.txt", {"Perché tu#sei già partito#? [partire]"}}}, Apri<Form18>,
       [](ExerciseWindow& w) { return Riga(w) + "|" + dynamic_cast<Form18&>(w).Label1->text(); },
       {"Perché tu _____ ?|partire - passato prossimo indicativo"}},
      {"infinitive lists",
       {{"testiFosku/1/are.txt", {"parl"}}, {"testiFosku/1/ere.txt", {"cred"}}, {"testiFosku/1/ire.txt", {"dorm"}}},
       Apri<Form1>, Riga, {"parlare", "credere", "dormire"}},
      {"regular-verb lists",
       {{"testiFosku/2/regolariare.txt", {"parl"}}, {"testiFosku/2/regolariere.txt", {"cred"}},
        {"testiFosku/2/regolariire.txt", {"dorm"}}},
       Apri<Form6>, [](ExerciseWindow& w) { return dynamic_cast<Form6&>(w).RispostaAttesa; },
       {"parlare", "credere", "dormire"}},
  };
  for (const Caso& c : casi) {
    for (const Salvataggio& s : kSalvataggi) {
      SCOPED_TRACE(std::string(c.nome) + ", " + s.nome);
      testsupport::TempProgramFolder cartella;
      for (const File& f : c.files) Scrivi(cartella, f, s);
      messages.clear();
      ExerciseWindow& w = c.finestra();
      w.Show();
      std::set<std::string> visti;
      for (int n = 0; n < 60; ++n) {
        visti.insert(c.mostrato(w).toStdString());
        w.GeneraEsercizio();
      }
      EXPECT_EQ(visti, c.attesi);
      EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
      w.Unload();
    }
  }
}

// The shipped files, and the older teachers' files like them, read exactly as before: their
// accented letters in Windows-1252 are never taken for UTF-8.
TEST_F(TeacherLines, ShippedFilesStillReadAsWindows1252) {
  testsupport::TempProgramFolder cartella(true);
  int accentati = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(cartella.path() + "/testiFosku")) {
    if (!e.is_regular_file()) continue;
    const std::string bytes = platform::ReadFileBytes(e.path().string()).value();
    EXPECT_EQ(platform::DecodeText(bytes), platform::DecodeCp1252(bytes)) << e.path();
    accentati += bytes.find_first_of("\xE0\xE8\xE9\xEC\xF2\xF9") != std::string::npos;
  }
  EXPECT_GE(accentati, 10);
}
