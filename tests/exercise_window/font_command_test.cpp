// The font command of every exercise window: the font chosen in the dialog becomes the setting of
// the window's own font group, and no other, and the window's texts show it at once.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <map>
#include <string>

#include "app/finestre.h"
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

// How each exercise window's font command shows, by its class: the controls that take the
// font, or none for a window with no font command (no item, or an item that does nothing).
using ControlliDi = std::function<Controlli(ExerciseWindow&)>;

template <typename F, typename T>
ControlliDi Di(Controlli (*controlli)(T&)) {
  return [controlli](ExerciseWindow& w) { return controlli(static_cast<F&>(w)); };
}

const std::map<std::string, ControlliDi>& Comandi() {
  static const std::map<std::string, ControlliDi> c = {
      {"Form1", Di<Form1>(DiBottoni)},
      {"Form7", Di<Form7>(DiBottoni)},
      {"Form12", Di<Form12>(DiBottoni)},
      {"Form5", Di<Form5>(DiBottoni)},
      {"Form20", Di<Form20>(DiBottoni)},
      {"Form4", Di<Form4>(DiBottoni)},
      {"Form17", Di<Form17>(DiBottoni)},
      {"Form13", Di<Form13>(DiBottoni)},
      {"Form2", Di<Form2>(DiRisposta)},
      {"Form6", Di<Form6>(DiRisposta)},
      {"Form18", Di<Form18>(DiRisposta)},
      {"Form9", Di<Form9>(DiParole)},
      {"Form15", Di<Form15>(DiParole)},
      {"Form16", Di<Form16>(DiCoppie)},
      {"Form14", Di<Form14>(DiCoppie)},
      {"Form8", Di<Form8>(DiTabelle)},
      {"Form10", Di<Form10>(DiTabelle)},
      {"Form19", {}},
      {"Form11", {}},
  };
  return c;
}

// The exercise windows of the menu, by class.
std::vector<std::string> Esercizi() {
  std::vector<std::string> classi;
  for (const FinestraMenu& f : Module1::FinestreMenu()) {
    if (f.esercizio) classi.push_back(f.classe);
  }
  return classi;
}

class FontCommand : public testsupport::ExerciseTest, public ::testing::WithParamInterface<std::string> {};

}  // namespace

TEST_P(FontCommand, TheChosenFontBecomesTheGroupsAndTheWindowShowsIt) {
  const auto& righe = Module1::FinestreMenu();
  const auto riga = std::find_if(righe.begin(), righe.end(), [](const FinestraMenu& f) { return f.classe == GetParam(); });
  ASSERT_NE(riga, righe.end());
  const auto comando = Comandi().find(GetParam());
  ASSERT_NE(comando, Comandi().end()) << "no font command case for " << GetParam();
  auto& w = dynamic_cast<ExerciseWindow&>(*riga->apri());
  w.Show();
  messages.clear();  // what the window said when it opened
  int chiesto = 0;
  CommDlgs::SetFontChooser([&](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
    ++chiesto;
    return CommDlgs::FontChoice{"DejaVu Serif", 140, 400, false, false};
  });
  const auto prima = ModuloPerIni::Impostazioni;
  if (!comando->second) {
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
    const bool suo = g == static_cast<size_t>(riga->gruppoFont);
    EXPECT_EQ(ModuloPerIni::Impostazioni.NomeFont[g], suo ? "DejaVu Serif" : prima.NomeFont[g]) << "group " << g;
    EXPECT_EQ(ModuloPerIni::Impostazioni.DimensioneFont[g], suo ? 14 : prima.DimensioneFont[g]) << "group " << g;
  }
  const Controlli c = comando->second(w);
  ASSERT_FALSE(c.nomeEDimensione.empty());
  for (QWidget* x : c.nomeEDimensione) {
    EXPECT_EQ(x->font().family(), "DejaVu Serif") << x->metaObject()->className();
    EXPECT_EQ(x->font().pointSize(), 14) << x->metaObject()->className();
  }
  for (QWidget* x : c.soloNome) EXPECT_EQ(x->font().family(), "DejaVu Serif") << x->metaObject()->className();
}

INSTANTIATE_TEST_SUITE_P(Windows, FontCommand, ::testing::ValuesIn(Esercizi()),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });
