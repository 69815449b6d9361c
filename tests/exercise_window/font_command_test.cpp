// The font command of every exercise window: the font chosen in the dialog becomes the setting of
// the window's own font group, and no other, and the window's texts show it at once.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <ostream>

#include "exercises/sentences/form12_transitive_intransitive.h"
#include "exercises/sentences/form13_predicate.h"
#include "exercises/sentences/form15_person.h"
#include "exercises/sentences/form17_active_passive.h"
#include "exercises/sentences/form19_fitting_verb.h"
#include "exercises/sentences/form20_correct_incorrect.h"
#include "exercises/sentences/form9_recognise_verb.h"
#include "exercises/sentences/tavola_coppie.h"
#include "exercises/verbs/form10_complete_tables.h"
#include "exercises/verbs/form11_classification.h"
#include "exercises/verbs/form18_complete_sentence.h"
#include "exercises/verbs/form1_infinitive_conjugation.h"
#include "exercises/verbs/form2_root_ending.h"
#include "exercises/verbs/form4_past_present_future.h"
#include "exercises/verbs/form5_form_conjugation.h"
#include "exercises/verbs/form6_find_infinitive.h"
#include "exercises/verbs/form7_mood.h"
#include "exercises/verbs/form8_mixed_tables.h"
#include "support/exercise_fixture.h"

namespace {

// The controls that show the group's font after the command: the chosen name and size, or (the
// answer buttons, fitted to their width) the name alone.
struct Controlli {
  std::vector<QWidget*> nomeEDimensione;
  std::vector<QWidget*> soloNome;
};

template <typename T>
std::vector<QWidget*> Widget(const T& controlli) {
  return std::vector<QWidget*>(controlli.begin(), controlli.end());
}

Controlli DiBottoni(BottoniRisposta& w) { return {{w.Label2}, Widget(w.Command1)}; }
Controlli DiRisposta(RispostaScritta& w) {
  Controlli c{Widget(w.Text1), {}};
  c.nomeEDimensione.push_back(w.Label2);
  return c;
}
Controlli DiParole(TavolaParole& w) { return {Widget(w.Label3), {}}; }
Controlli DiCoppie(TavolaCoppie& w) {
  Controlli c{Widget(w.Label3), {}};
  for (QLabel* l : w.Label4) c.nomeEDimensione.push_back(l);
  return c;
}
Controlli DiTabelle(TabelleTrascinabili& w) {
  Controlli c{Widget(w.Label1), {}};
  for (QWidget* l : w.Label3) c.nomeEDimensione.push_back(l);
  return c;
}

struct ConFont {
  const char* nome;
  std::function<ExerciseWindow&()> apri;
  int gruppo;  // 0: the window has no font command
  std::function<Controlli(ExerciseWindow&)> controlli;
};

void PrintTo(const ConFont& f, std::ostream* os) { *os << f.nome; }

template <typename F, typename T>
ConFont Riga(const char* nome, int gruppo, Controlli (*controlli)(T&)) {
  return {nome, [] () -> ExerciseWindow& { return platform::Instance<F>(); }, gruppo,
          [controlli](ExerciseWindow& w) { return controlli(static_cast<F&>(w)); }};
}

const std::vector<ConFont>& ConFonts() {
  static const std::vector<ConFont> f = {
      Riga<Form1>("Form1", 1, DiBottoni),
      Riga<Form7>("Form7", 1, DiBottoni),
      Riga<Form12>("Form12", 1, DiBottoni),
      Riga<Form5>("Form5", 2, DiBottoni),
      Riga<Form20>("Form20", 2, DiBottoni),
      Riga<Form4>("Form4", 2, DiBottoni),
      Riga<Form17>("Form17", 2, DiBottoni),
      Riga<Form13>("Form13", 3, DiBottoni),
      Riga<Form2>("Form2", 2, DiRisposta),
      Riga<Form6>("Form6", 2, DiRisposta),
      Riga<Form18>("Form18", 3, DiRisposta),
      Riga<Form9>("Form9", 4, DiParole),
      Riga<Form15>("Form15", 4, DiParole),
      Riga<Form16>("Form16", 4, DiCoppie),
      Riga<Form14>("Form14", 3, DiCoppie),
      Riga<Form8>("Form8", 3, DiTabelle),
      Riga<Form10>("Form10", 5, DiTabelle),
      Riga<Form19>("Form19", 0, DiBottoni),
      Riga<Form11>("Form11", 0, +[](ExerciseWindow&) { return Controlli{}; }),
  };
  return f;
}

class FontCommand : public testsupport::ExerciseTest, public ::testing::WithParamInterface<ConFont> {};

}  // namespace

TEST_P(FontCommand, TheChosenFontBecomesTheGroupsAndTheWindowShowsIt) {
  const ConFont& f = GetParam();
  ExerciseWindow& w = f.apri();
  w.Show();
  messages.clear();  // what the window said when it opened
  int chiesto = 0;
  CommDlgs::SetFontChooser([&](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
    ++chiesto;
    return CommDlgs::FontChoice{"DejaVu Serif", 140, 400, false, false};
  });
  const auto prima = ModuloPerIni::Impostazioni;
  if (f.gruppo == 0) {
    // No font command: no item (Form11), or an item that does nothing (Form19).
    if (w.mnuFont != nullptr) w.mnuFont->trigger();
    EXPECT_EQ(chiesto, 0);
    EXPECT_EQ(ModuloPerIni::Impostazioni.NomeFont, prima.NomeFont);
    EXPECT_EQ(ModuloPerIni::Impostazioni.DimensioneFont, prima.DimensioneFont);
    return;
  }
  ASSERT_NE(w.mnuFont, nullptr);
  w.mnuFont->trigger();
  EXPECT_EQ(chiesto, 1);
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
  for (size_t g = 1; g <= 5; ++g) {
    const bool suo = g == static_cast<size_t>(f.gruppo);
    EXPECT_EQ(ModuloPerIni::Impostazioni.NomeFont[g], suo ? "DejaVu Serif" : prima.NomeFont[g]) << "group " << g;
    EXPECT_EQ(ModuloPerIni::Impostazioni.DimensioneFont[g], suo ? 14 : prima.DimensioneFont[g]) << "group " << g;
  }
  const Controlli c = f.controlli(w);
  ASSERT_FALSE(c.nomeEDimensione.empty());
  for (QWidget* x : c.nomeEDimensione) {
    EXPECT_EQ(x->font().family(), "DejaVu Serif") << x->metaObject()->className();
    EXPECT_EQ(x->font().pointSize(), 14) << x->metaObject()->className();
  }
  for (QWidget* x : c.soloNome) EXPECT_EQ(x->font().family(), "DejaVu Serif") << x->metaObject()->className();
}

INSTANTIATE_TEST_SUITE_P(Windows, FontCommand, ::testing::ValuesIn(ConFonts()),
                         [](const ::testing::TestParamInfo<ConFont>& i) { return std::string(i.param.nome); });
