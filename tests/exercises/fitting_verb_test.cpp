#include <gtest/gtest.h>

#include <QTest>
#include <map>
#include <set>

#include "exercise_window/contatori.h"
#include "exercises/sentences/form19_fitting_verb.h"
#include "platform/commandbutton.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "support/exercise_fixture.h"
#include "support/ink.h"
#include "support/pixels.h"
#include "support/shipped_data.h"
#include "support/temp_dirs.h"

namespace {

const QColor kVerde(0, 192, 0), kRosso(255, 0, 0), kAzzurro(192, 255, 255);

class FittingVerb : public testsupport::ExerciseTest {
 protected:
  // Opens the window on a file of these lines.
  Form19& Apri(const std::vector<std::string>& righe) {
    std::string bytes;
    for (const auto& r : righe) bytes += platform::EncodeCp1252(r) + "\r\n";
    programma.Write("testiFosku/9/fosku.txt", bytes);
    auto& w = testsupport::Mostrata<Form19>();
    return w;
  }
  testsupport::TempProgramFolder programma;
};

QStringList Didascalie(Form19& w) {
  QStringList d;
  for (QPushButton* b : w.Command1) d << b->text();
  return d;
}

}  // namespace

TEST_F(FittingVerb, LinesTakenApart) {
  struct Caso {
    std::string riga;
    bool valida;
    QString frase, giusto;
    std::array<QString, 4> errati;
  };
  const std::vector<Caso> casi = {
      {"Il pesce#nel mare.[nuota,vola,legge,scrive,abbaia]", true, "Il pesce _____ nel mare.", "nuota",
       {"vola", "legge", "scrive", "abbaia"}},
      // Only the first "#" is the gap; nothing is trimmed.
      {" Un # e un#.[a,b,c,d,e]", true, " Un  _____  e un#.", "a", {"b", "c", "d", "e"}},
      // A comma after the fourth stays in the last verb; a line that does not end with "]" breaks
      // the format.
      {"X#.[a,b,c,d,e,f]", true, "X _____ .", "a", {"b", "c", "d", "e,f"}},
      {"Il gatto#sul divano.[dorme,vola,nuota,scrive,cuce", false, "", "", {}},
      {"X#.[a,b,c,d,e]x", false, "", "", {}},
      // Two commas side by side: an empty verb.
      {"X#.[a,,c,d,e]", true, "X _____ .", "a", {"", "c", "d", "e"}},
      {"", false, "", "", {}},
      {"Senza parentesi#.", false, "", "", {}},
      {"Senza spazio vuoto.[a,b,c,d,e]", false, "", "", {}},
      {"Poche virgole#.[a,b,c,d]", false, "", "", {}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.riga);
    const auto f = AnalizzaFraseConVerbi(c.riga);
    ASSERT_EQ(f.has_value(), c.valida);
    if (!f) continue;
    EXPECT_EQ(f->frase, c.frase);
    EXPECT_EQ(f->giusto, c.giusto);
    EXPECT_EQ(f->errati, c.errati);
  }
}

TEST_F(FittingVerb, TheRightVerbLandsOnEveryButtonAlike) {
  auto& w = Apri({"La mucca#l'erba.[mangia,guida,scrive,legge,telefona]"});
  std::map<int, int> volte;
  const int n = 2000;
  for (int i = 0; i < n; ++i) {
    w.GeneraEsercizio();
    ASSERT_EQ(w.Command1[static_cast<size_t>(w.RispostaGiusta)]->text(), "mangia");
    QStringList d = Didascalie(w);
    d.sort();
    ASSERT_EQ(d, (QStringList{"guida", "legge", "mangia", "scrive", "telefona"}));
    ++volte[w.RispostaGiusta];
  }
  ASSERT_EQ(volte.size(), 5u);
  for (const auto& [k, v] : volte) EXPECT_NEAR(v, n / 5, 80) << k;
}

TEST_F(FittingVerb, ClickingTheVerbs) {
  auto& w = Apri({"", "La mucca#l'erba.[mangia,guida,scrive,legge,telefona]"});
  EXPECT_EQ(w.Label2->text(), "La mucca _____ l'erba.");
  EXPECT_EQ(w.Griglia->TextMatrix(0, 1), "Frase");
  EXPECT_EQ(w.Griglia->TextMatrix(0, 2), "Verbo");
  EXPECT_EQ(w.Griglia->TextMatrix(0, 3), "Errori");
  EXPECT_EQ(w.Griglia->Cols(), 4);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 1), "La mucca _____ l'erba.");
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  0");
  const int giusto = w.RispostaGiusta;
  const int sbagliato = (giusto + 1) % 5;
  QPushButton* b = w.Command1[static_cast<size_t>(sbagliato)];
  QTest::mouseClick(b, Qt::LeftButton);
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(Module1::Errati, 2);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 3), "**");
  EXPECT_EQ(platform::BackColor(b), kRosso);
  EXPECT_TRUE(b->isEnabled());
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  2");

  QTest::mouseClick(w.Command1[static_cast<size_t>(giusto)], Qt::LeftButton);
  EXPECT_EQ(Module1::Esatti, 1);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 2), "mangia");
  EXPECT_EQ(platform::BackColor(w.Command1[static_cast<size_t>(giusto)]), kVerde);
  for (QPushButton* c : w.Command1) EXPECT_FALSE(c->isEnabled());
  EXPECT_TRUE(w.BottoneAvanti->isEnabled());
  EXPECT_TRUE(Played("si"));

  w.BottoneAvanti_Click();
  for (QPushButton* c : w.Command1) {
    EXPECT_TRUE(c->isEnabled());
    EXPECT_EQ(platform::BackColor(c), kAzzurro);
  }
  EXPECT_EQ(w.Griglia->Rows(), 3);
}

TEST_F(FittingVerb, FontsAndTheFontItem) {
  ModuloPerIni::Impostazioni.NomeFont[2] = "DejaVu Serif";
  ModuloPerIni::Impostazioni.DimensioneFont[2] = 30;
  ModuloPerIni::Impostazioni.NomeFont[3] = "DejaVu Sans Mono";
  ModuloPerIni::Impostazioni.DimensioneFont[3] = 17;
  auto& w = Apri({"La mucca#l'erba.[mangia,guida,scrive,legge,telefona]"});
  EXPECT_EQ(w.Label2->font().family(), "DejaVu Serif");
  EXPECT_EQ(w.Label2->font().pointSize(), 30);
  for (QPushButton* b : w.Command1) {
    EXPECT_EQ(b->font().family(), "DejaVu Sans Mono");
    EXPECT_EQ(b->font().pointSize(), 17);  // as set, not fitted
  }
  bool chiesto = false;
  CommDlgs::SetFontChooser([&](QWidget*, const CommDlgs::FontRequest&) -> std::optional<CommDlgs::FontChoice> {
    chiesto = true;
    return CommDlgs::FontChoice{"DejaVu Sans", 120, 400, false, false};
  });
  ASSERT_NE(w.mnuFont, nullptr);
  w.mnuFont->trigger();
  EXPECT_FALSE(chiesto);
  EXPECT_EQ(ModuloPerIni::Impostazioni.NomeFont[2], "DejaVu Serif");
}

// Every caption is read whole: where one is wider than its button at the chosen size, the five
// take one smaller size at which each lies inside its button, whatever the window and the font.
TEST_F(FittingVerb, EveryCaptionFitsItsButton) {
  const std::string lunghi = "In primavera gli alberi#di nuovo.[fioriranno,telefoneranno,abbaieranno,ha annaffiato,raccoglierà]";
  const std::string corti = "Il gatto#sul divano.[sta,va,ha,sa,fa]";
  struct Caso {
    const char* nome;
    std::string riga;
    const char* font;
    int punti;
    double scala;      // of the window, after it opened
    bool piuPiccolo;   // the captions do not fit at the chosen size
  };
  const std::vector<Caso> casi = {
      {"short verbs keep the chosen size", corti, "Arial", 24, 1.0, false},
      {"long verbs", lunghi, "Arial", 24, 1.0, true},
      {"long verbs in a small window", lunghi, "Arial", 24, 0.55, true},
      {"long verbs in a large font", lunghi, "DejaVu Sans", 48, 1.0, true},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    ModuloPerIni::Impostazioni.NomeFont[3] = c.font;
    ModuloPerIni::Impostazioni.DimensioneFont[3] = static_cast<std::int16_t>(c.punti);
    auto& w = Apri({c.riga});
    if (c.scala != 1.0) testsupport::Scala(w, c.scala, c.scala);
    for (int n = 0; n < 3; ++n) {
      const int punti = w.Command1[0]->font().pointSize();
      EXPECT_EQ(punti < c.punti, c.piuPiccolo) << punti;
      for (QPushButton* b : w.Command1) {
        SCOPED_TRACE(b->text().toStdString());
        EXPECT_EQ(b->font().pointSize(), punti) << "one size for all five";
        EXPECT_EQ(b->font().family(), c.font);
        // On the pixels: a caption wider than its button is cut where its letters would leave
        // the button's caption area, so ink stands on the area's first or last column.
        b->clearFocus();  // no focus frame on those columns
        const QImage img = testsupport::Rendered(b);
        const QRect area = static_cast<platform::CommandButton*>(b)->CaptionArea();
        bool fuori = false;
        for (int y = area.top(); y <= area.bottom(); ++y) {
          for (int x : {area.left(), area.right()}) fuori = fuori || testsupport::Ink(img, x, y);
        }
        EXPECT_FALSE(fuori);
      }
      w.GeneraEsercizio();  // the same five on other buttons
    }
    w.Unload();
  }
}

TEST_F(FittingVerb, NoUsableLineNeverHangs) {
  for (const std::vector<std::string>& righe :
       {std::vector<std::string>{}, std::vector<std::string>{"", "senza parentesi", "poche#[a,b]"}}) {
    messages.clear();
    auto& w = Apri(righe);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("fosku.txt"));
    for (QPushButton* b : w.Command1) EXPECT_FALSE(b->isEnabled());
    w.Unload();
  }
}

TEST_F(FittingVerb, ShippedFile) {
  testsupport::TempProgramFolder shipped(true);
  const std::string file = shipped.path() + "/testiFosku/9/fosku.txt";
  const auto righe = testsupport::RigheSpedite(file);
  EXPECT_GE(righe.size(), 30u);
  EXPECT_LE(righe.size(), static_cast<size_t>(Form19::kCapacita));
  std::set<std::string> viste;
  for (const auto& r : righe) {
    const auto f = AnalizzaFraseConVerbi(r);
    ASSERT_TRUE(f.has_value()) << r;
    EXPECT_TRUE(r.back() == ']') << r;
    EXPECT_FALSE(f->giusto.isEmpty()) << r;
    std::set<QString> verbi = {f->giusto};
    for (const QString& v : f->errati) {
      EXPECT_FALSE(v.isEmpty() || v.contains(',')) << r;
      verbi.insert(v);
    }
    EXPECT_EQ(verbi.size(), 5u) << r;  // five different verbs
    EXPECT_TRUE(viste.insert(r).second) << r;
  }
}

TEST_F(FittingVerb, AnEmptyWrongVerbLeavesOneButtonBlankAndTheGridHasItsWidths) {
  auto& w = Apri({"Il sole#.[splende,,corre,legge,canta]"});
  int vuoti = 0;
  for (QPushButton* b : w.Command1) vuoti += b->text().isEmpty() ? 1 : 0;
  EXPECT_EQ(vuoti, 1);
  EXPECT_FALSE(w.Command1[static_cast<size_t>(w.RispostaGiusta)]->text().isEmpty());
  const long u = platform::RoundHalfEven(w.Width()) / 36;
  const std::vector<long> fattori = {1, 8, 2, 2};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(w.Griglia->ColWidth(k), fattori[static_cast<size_t>(k)] * u) << k;
}
