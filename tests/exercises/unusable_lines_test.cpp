// Lines a window cannot use are never drawn, and the messages about data files say what is wrong
// with which file, by the path where the program looked for it.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "exercises/sentences/form12_transitive_intransitive.h"
#include "exercises/sentences/form13_predicate.h"
#include "exercises/sentences/form15_person.h"
#include "exercises/sentences/form19_fitting_verb.h"
#include "exercises/sentences/form20_correct_incorrect.h"
#include "exercises/sentences/form9_recognise_verb.h"
#include "exercises/sentences/tavola_coppie.h"
#include "exercises/verbs/form18_complete_sentence.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "exercises/verbs/form5_form_conjugation.h"
#include "platform/textfile.h"
#include "support/exercise_fixture.h"
#include "support/temp_dirs.h"

namespace {

using File = std::pair<std::string, std::vector<std::string>>;  // relative path, lines

class UnusableLines : public testsupport::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    platform::SetMsgBoxHandler([this](const QString& t, int code) {
      messages << t;
      codes.push_back(code);
      return platform::vbOK;
    });
  }
  static void Scrivi(const File& f, const testsupport::TempProgramFolder& cartella) {
    std::string bytes;
    for (const auto& r : f.second) bytes += platform::EncodeCp1252(r) + "\r\n";
    cartella.Write(f.first, bytes);
  }
  void Scrivi(const File& f) { Scrivi(f, programma); }

  std::vector<int> codes;
  testsupport::TempProgramFolder programma;
};

// What a window shows of its item: the words of a sentence board, the two sentences of a pair
// board, or the item's text in the grid row.
QString Parole(ExerciseWindow& w) {
  QString s;
  for (const QLabel* l : dynamic_cast<TavolaParole&>(w).Label3) {
    if (!l->isHidden()) s += l->text();
  }
  return s;
}
QString Coppia(ExerciseWindow& w) {
  auto& t = dynamic_cast<TavolaCoppie&>(w);
  return t.Label3[0]->text() + "|" + t.Label3[1]->text();
}
QString RigaGriglia(ExerciseWindow& w) { return w.Griglia->TextMatrix(w.RigaItem(), 1); }

template <class F>
ExerciseWindow& Apri() { return platform::Instance<F>(); }

}  // namespace

TEST_F(UnusableLines, EveryWindowKindDrawsOnlyTheLineItCanAsk) {
  struct Caso {
    const char* nome;
    std::vector<File> files;
    std::function<ExerciseWindow&()> finestra;
    std::function<QString(ExerciseWindow&)> mostrato;
    std::set<QString> attesi;  // the usable items, as the window shows them
  };
  const std::vector<Caso> casi = {
      {"Form9",
       {{"testiFosku/3/liv1.txt",
         {"il gatto#0#dorme#0#",             // no chunk is the predicate
          "[dorme]#1#il gatto#0#",           // the predicate is hidden
          "il gatto#0# #1#",                 // the predicate has no text
          "il cane#0#abbaia#1#", "senza cancelletti", "   "}}},
       Apri<Form9>, Parole, {"Il cane abbaia "}},
      {"Form15",
       {{"testiFosku/3/sottinteso.txt",
         {"piove#1#",                        // no hidden subject
          "[ io ]#0#vado#1#",                // a subject no button accepts
          "[tizio]#0#va#1#",                 // the same
          "[lui]#0#",                        // nothing shown
          "[Noi]#0#andiamo#1#al mare#0#"}}},
       Apri<Form15>, Parole, {"Andiamo al mare "}},
      {"Form13",
       {{"testiFosku/5/Verbale.txt", {"Il gatto##sul divano.#", "Senza segni.", "Il gatto#dorme#sul divano.#"}},
        {"testiFosku/5/nominale.txt", {"La zuppa# #oggi.#", "La zuppa#è calda#oggi.#"}}},
       Apri<Form13>, RigaGriglia, {"dorme ", "è calda "}},
      {"Form19",
       {{"testiFosku/9/fosku.txt",
         {"Il sole#.[,splende,corre,legge,canta]",   // the right verb is blank
          "Il sole#.[splende,Splende,corre,legge,canta]",  // a wrong verb reads as the right one
          "Il sole#.[splende,corre,legge,canta]",    // four verbs only
          "Il gatto#sul divano.[dorme,vola,nuota,scrive,cuce",  // no closing bracket
          "Il pesce#nel mare.[nuota,vola,legge,scrive,abbaia]"}}},
       Apri<Form19>, RigaGriglia, {"Il pesce _____ nel mare."}},
      {"Form20",
       {{"testiFosku/6/corrette.txt", {"Oggi piove.", "Noi andiamo al mare."}},
        {"testiFosku/6/scorrette.txt", {" oggi piove. ", "Noi va al mare."}}},  // one sentence in both lists
       Apri<Form20>, RigaGriglia, {"Noi andiamo al mare.", "Noi va al mare."}},
      {"Form14",
       {{"testiFosku/6/corrette scorrette.txt", {"Noi andiamo.#   ", "#Noi va.", "senza segno", "Io vado.#Io va."}}},
       Apri<Form14>, Coppia, {"Io vado.|Io va."}},
      {"Form18",
       {{"testiFosku/8/0.txt", {"Oggi # #al mare. [andare]", "senza segni", "Oggi#vado#al mare. [andare]"}}},
       Apri<Form18>, RigaGriglia, {"Oggi _____ al mare."}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    messages.clear();
    for (const File& f : c.files) Scrivi(f);
    ExerciseWindow& w = c.finestra();
    w.Show();
    std::set<QString> visti;
    for (int n = 0; n < 40; ++n) {
      visti.insert(c.mostrato(w));
      w.GeneraEsercizio();
    }
    EXPECT_EQ(visti, c.attesi);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
    w.Unload();
  }
}

TEST_F(UnusableLines, ALongSentenceIsMadeSmallerToFitAboveWhatLiesUnderIt) {
  auto frase = [](int parole, int predicato) {
    std::string s;
    for (int i = 0; i < parole; ++i) s += "parola" + std::to_string(i) + (i == predicato ? "#1#" : "#0#");
    return s;
  };
  // The second sentence of each file cannot fit even at the smallest size: it is never drawn.
  const std::string troppo = frase(3000, 2);
  struct Caso {
    const char* nome;
    File file;
    size_t parole;  // word labels of the sentence that fits
    std::function<TavolaParole&()> finestra;
    std::function<int(TavolaParole&)> fondo;
  };
  const std::vector<Caso> casi = {
      {"Form9", {"testiFosku/3/liv1.txt", {frase(120, 100), troppo}}, 120,
       [] () -> TavolaParole& { return platform::Instance<Form9>(); },
       [](TavolaParole& w) { return w.Surface()->height(); }},
      {"Form15", {"testiFosku/3/sottinteso.txt", {"[noi]#0#" + frase(40, 30), "[noi]#0#" + troppo}}, 41,
       [] () -> TavolaParole& { return platform::Instance<Form15>(); },
       [](TavolaParole& w) { return dynamic_cast<Form15&>(w).Frame1->y(); }},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    Scrivi(c.file);
    TavolaParole& w = c.finestra();
    w.Show();
    for (int n = 0; n < 6; ++n) {
      ASSERT_EQ(w.Label3.size(), c.parole);
      const int punti = w.Label3.back()->font().pointSize();
      EXPECT_LT(punti, ModuloPerIni::Impostazioni.DimensioneFont[4]);
      EXPECT_GE(punti, TavolaParole::kPuntiMinimi);
      for (const QLabel* l : w.Label3) {
        EXPECT_EQ(l->font().pointSize(), punti);
        if (l->isHidden()) continue;
        EXPECT_LE(l->x() + l->width(), w.Surface()->width());
        EXPECT_LE(l->y() + l->height(), c.fondo(w));
      }
      w.GeneraEsercizio();
    }
    EXPECT_TRUE(messages.isEmpty());
    // The font dialog starts from the chosen size, not from the smaller one.
    int chiesta = 0;
    CommDlgs::SetFontChooser([&](QWidget*, const CommDlgs::FontRequest& r) -> std::optional<CommDlgs::FontChoice> {
      chiesta = r.pointSizeTenths;
      return std::nullopt;
    });
    w.mnuFont->trigger();
    EXPECT_EQ(chiesta, 10 * ModuloPerIni::Impostazioni.DimensioneFont[4]);
    w.Unload();
  }
}

TEST_F(UnusableLines, MessagesSayWhatIsWrongWithWhichFile) {
  struct Caso {
    const char* nome;
    std::vector<File> files;
    std::function<ExerciseWindow&()> finestra;
    std::vector<std::string> nominati;  // the files the message names, relative to the program's folder
    QString difetto;                    // what it says of them
    int icona;
  };
  const std::vector<Caso> casi = {
      {"Form9 missing", {{"testiFosku/3/liv2.txt", {"il cane#0#abbaia#1#"}}}, Apri<Form9>,
       {"testiFosku/3/liv1.txt"}, "manca il file", platform::vbCritical},
      {"Form9 empty", {{"testiFosku/3/liv1.txt", {"", "  "}}}, Apri<Form9>, {"testiFosku/3/liv1.txt"}, "è vuoto",
       platform::vbCritical},
      {"Form9 unusable", {{"testiFosku/3/liv1.txt", {"il gatto#0#dorme#0#"}}}, Apri<Form9>,
       {"testiFosku/3/liv1.txt"}, "non ha nessuna riga utilizzabile", platform::vbCritical},
      {"Form15 missing", {{"testiFosku/3/liv1.txt", {"il cane#0#abbaia#1#"}}}, Apri<Form15>,
       {"testiFosku/3/sottinteso.txt"}, "manca il file", platform::vbCritical},
      {"Form16 empty", {{"testiFosku/7/attivopassivo1.txt", {}}}, Apri<Form16>, {"testiFosku/7/attivopassivo1.txt"},
       "è vuoto", platform::vbCritical},
      {"Form13 one list unusable",
       {{"testiFosku/5/Verbale.txt", {"senza segni"}}, {"testiFosku/5/nominale.txt", {"La zuppa#è calda#oggi.#"}}},
       Apri<Form13>, {"testiFosku/5/Verbale.txt"}, "non ha nessuna riga utilizzabile", platform::vbExclamation},
      {"Form12 one list missing", {{"testiFosku/4/transitivi.txt", {"leggere, scrivere"}}}, Apri<Form12>,
       {"testiFosku/4/intransitivi.txt"}, "manca il file", platform::vbExclamation},
      // A conjugation with no list: its button could never be right.
      {"Form1 one conjugation missing",
       {{"testiFosku/1/are.txt", {"parl", "cant"}}, {"testiFosku/1/ire.txt", {"dorm"}}}, Apri<Form1>,
       {"testiFosku/1/ere.txt"}, "manca il file", platform::vbExclamation},
      {"Form5 one conjugation empty",
       {{"testiFosku/2/regolariare.txt", {"parl"}}, {"testiFosku/2/regolariire.txt", {"dorm"}},
        {"testiFosku/2/regolariere.txt", {" "}}},
       Apri<Form5>, {"testiFosku/2/regolariere.txt", "testiFosku/2/regolariereei.txt"}, "", platform::vbExclamation},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    testsupport::TempProgramFolder cartella;
    messages.clear();
    codes.clear();
    for (const File& f : c.files) Scrivi(f, cartella);
    ExerciseWindow& w = c.finestra();
    w.Show();
    // A window that goes on with what it has says it once, when it opens.
    if (w.RigaItem() > 0) {
      for (int n = 0; n < 20; ++n) w.GeneraEsercizio();
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(codes[0], c.icona);
    for (const auto& f : c.nominati) {
      EXPECT_TRUE(messages[0].contains(QString::fromStdString("\"" + cartella.path() + "/" + f + "\"")))
          << messages[0].toStdString();
    }
    EXPECT_TRUE(messages[0].contains(c.difetto)) << messages[0].toStdString();
    EXPECT_FALSE(messages[0].contains("manca o è vuoto"));
    EXPECT_FALSE(messages[0].contains("\\"));
    // A word board with nothing to show leaves no empty word label on the window.
    if (auto* t = dynamic_cast<TavolaParole*>(&w)) {
      for (const QLabel* l : t->Label3) EXPECT_TRUE(l->isHidden());
    }
    w.Unload();
  }
}

TEST_F(UnusableLines, TheSentenceWithoutItsSubjectStartsWithACapital) {
  struct Caso {
    std::string riga;
    QString prima, dopo;  // before the answer (the grid's text too), once the subject is shown
    int bottone;
  };
  const std::vector<Caso> casi = {
      {"[Io]#0#vado#1#a scuola.#0#", "Vado a scuola. ", "Io vado a scuola. ", 0},
      {"[noi]#0#andiamo#1#", "Andiamo ", "Noi andiamo ", 3},
      {"domani#0#[voi]#0#partite#1#", "Domani partite ", "Domani voi partite ", 4},
      {"[essi]#0#«dormono»#1#", "«dormono» ", "Essi «dormono» ", 5},
      {"[NOI]#0#Andiamo#1#", "Andiamo ", "NOI Andiamo ", 3},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.riga);
    Scrivi({"testiFosku/3/sottinteso.txt", {c.riga}});
    auto& w = testsupport::Mostrata<Form15>();
    EXPECT_EQ(Parole(w), c.prima);
    w.Command1_Click((c.bottone + 1) % 6);
    EXPECT_EQ(w.Griglia->TextMatrix(1, 1), c.prima);
    w.Command1_Click(c.bottone);
    EXPECT_EQ(w.Griglia->TextMatrix(2, 1), c.prima);
    QString dopo;
    for (const QLabel* l : w.Label3) dopo += l->text();
    EXPECT_EQ(dopo, c.dopo);
    w.Unload();
  }
}
