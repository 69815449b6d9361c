#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "conjugation/forms.h"
#include "conjugation/modulo_fosku.h"
#include "conjugation/verb_lists.h"
#include "exercise_window/contatori.h"
#include "exercise_window/rispostascritta.h"
#include "exercises/verbs/form11_classification.h"
#include "platform/random.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "support/exercise_fixture.h"
#include "platform/printer.h"
#include "support/recording_surface.h"
#include "support/temp_dirs.h"

namespace {

const QColor kBlu(0, 0, 255);
const QColor kAzzurro(192, 255, 255);
constexpr int kInvio = 13;

enum Passo { kInfinito, kClasse, kPersona, kModo, kTempo };
constexpr Passo kPassi[] = {kInfinito, kClasse, kPersona, kModo, kTempo};
const char* NomePasso(Passo p) {
  static const char* nomi[] = {"infinito", "classe", "persona", "modo", "tempo"};
  return nomi[p];
}

class Classify : public testsupport::ExerciseTest {
 protected:
  Form11& w = platform::Instance<Form11>();

  int SuoniGiusti() const { return Conta("si.wav"); }
  int SuoniSbagliati() const { return Conta("no.wav"); }
  int Conta(const char* file) const {
    return static_cast<int>(std::count_if(sounds.begin(), sounds.end(), [&](const std::string& s) {
      return s.size() >= 6 && s.substr(s.size() - 6) == file;
    }));
  }
  QString Cella(int k) const { return w.Griglia->TextMatrix(w.RigaItem(), k); }

  void Scrivi(const QString& testo) {
    w.Text1->setText(testo);
    w.Text1_KeyUp(kInvio, 0);
  }
  // A real click on an option: on its round indicator, which is always inside the click area.
  static void Clic(QRadioButton* o) { QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2)); }

  // What the item on show expects, worked out from the engine and the window's own draw.
  QString InfinitoGiusto() const {
    const int c = w.ConiugazioneScelta;
    if (c == 3) return QStringLiteral("essere");
    if (c == 4) return QStringLiteral("avere");
    static const char* desinenze[] = {"are", "ere", "ire"};
    return QString::fromStdString(CostruisciFosku::CurrentVerb(c).Radice + desinenze[c]);
  }
  int ModoGiusto() const { return w.TempoEstratto < 8 ? 0 : (w.TempoEstratto < 12 ? 1 : 2); }
  QString PersonaGiusta() const {
    const int p = w.PersonaEstratta;
    static const char* numeri[] = {"1°", "2°", "3°"};
    return QString::fromUtf8(numeri[p % 3]) +
           (p >= 3 ? QStringLiteral(" persona plurale") : QStringLiteral(" persona singolare"));
  }
  QString FormaAttesa() const {
    const auto forme = CostruisciFosku::BuildForms(w.TempoEstratto, w.ConiugazioneScelta,
                                                   CostruisciFosku::CurrentVerb(w.ConiugazioneScelta), true);
    return QString::fromStdString((*forme)[static_cast<size_t>(w.PersonaEstratta)]);
  }

  QRadioButton* OpzioneGiusta(Passo p) const {
    switch (p) {
      case kClasse:
        return w.Option2[static_cast<size_t>(w.ConiugazioneScelta)];
      case kPersona:
        return w.Option1[static_cast<size_t>(w.PersonaEstratta)];
      case kModo:
        return w.Option3[static_cast<size_t>(ModoGiusto())];
      case kTempo:
        return w.Option4[static_cast<size_t>(w.TempoEstratto)];
      default:
        return nullptr;
    }
  }
  // A wrong option of the step among those the pupil can reach (for the tense, in the panel shown).
  QRadioButton* OpzioneSbagliata(Passo p) const {
    switch (p) {
      case kClasse:
        return w.Option2[static_cast<size_t>((w.ConiugazioneScelta + 1) % 5)];
      case kPersona:
        return w.Option1[static_cast<size_t>((w.PersonaEstratta + 4) % 6)];
      case kModo:
        return w.Option3[static_cast<size_t>((ModoGiusto() + 2) % 3)];
      case kTempo: {
        const int m = ModoGiusto();
        const int primo = m == 0 ? 0 : (m == 1 ? 8 : 12);
        const int n = m == 0 ? 8 : (m == 1 ? 4 : 2);
        return w.Option4[static_cast<size_t>(primo + (w.TempoEstratto - primo + 1) % n)];
      }
      default:
        return nullptr;
    }
  }
  // The pupil answers step p right (true) or wrong; returns what the step's grid cell gains.
  QString Rispondi(Passo p, bool giusta) {
    if (p == kInfinito) {
      const QString testo = giusta ? QStringLiteral("  ") + InfinitoGiusto().toUpper() + QStringLiteral(" ")
                                   : InfinitoGiusto() + QStringLiteral("x ");
      Scrivi(testo);
      return giusta ? InfinitoGiusto() : testo + QStringLiteral(" * ");
    }
    QRadioButton* o = giusta ? OpzioneGiusta(p) : OpzioneSbagliata(p);
    const QString didascalia = o->text();
    Clic(o);
    if (!giusta) return didascalia + QStringLiteral(" * ");
    return p == kPersona ? PersonaGiusta() : didascalia;
  }
  // The panel of a step (the tense panel of the item's mood for the tense).
  QWidget* Pannello(Passo p) const {
    switch (p) {
      case kInfinito:
        return w.Text1;
      case kClasse:
        return w.Picture2;
      case kPersona:
        return w.Picture1;
      case kModo:
        return w.Picture3;
      default:
        return w.Picture4[static_cast<size_t>(ModoGiusto())];
    }
  }
  std::vector<QRadioButton*> Opzioni(Passo p) const {
    switch (p) {
      case kClasse:
        return {w.Option2.begin(), w.Option2.end()};
      case kPersona:
        return {w.Option1.begin(), w.Option1.end()};
      case kModo:
        return {w.Option3.begin(), w.Option3.end()};
      case kTempo:
        return {w.Option4.begin(), w.Option4.end()};
      default:
        return {};
    }
  }

  // Every step before `aperto` is locked blue, `aperto` is open in light cyan, every later step
  // locked blue; the tense panels are hidden until the tense is open, and then only the mood's
  // is shown. `aperto` past the tense: the item is done.
  void ControllaStato(int aperto) {
    for (Passo p : {kClasse, kPersona, kModo}) {
      SCOPED_TRACE(NomePasso(p));
      QWidget* pannello = Pannello(p);
      EXPECT_EQ(pannello->isEnabled(), p == aperto);
      const QColor atteso = p == aperto ? kAzzurro : kBlu;
      EXPECT_EQ(platform::BackColor(pannello), atteso);
      for (QRadioButton* o : Opzioni(p)) EXPECT_EQ(platform::BackColor(o), atteso);
    }
    EXPECT_EQ(w.Text1->isEnabled(), aperto == kInfinito);
    for (int m = 0; m < 3; ++m) {
      // Once answered, the tense panel stays on show, locked, until the next item.
      const bool visibile = aperto >= kTempo && m == ModoGiusto();
      EXPECT_EQ(w.Picture4[static_cast<size_t>(m)]->isVisible(), visibile) << m;
      if (visibile && aperto == kTempo) {
        EXPECT_TRUE(w.Picture4[static_cast<size_t>(m)]->isEnabled());
        EXPECT_EQ(platform::BackColor(w.Picture4[static_cast<size_t>(m)]), kAzzurro);
      }
    }
    if (aperto == kTempo) {
      for (QRadioButton* o : w.Option4) EXPECT_EQ(platform::BackColor(o), kAzzurro);
    }
    EXPECT_EQ(w.BottoneAvanti->isEnabled(), aperto > kTempo);
  }

  // Walks one item through its five steps, a wrong answer before each right one.
  void ClassificaItem() {
    const int riga = w.RigaItem();
    ASSERT_GT(riga, 0);
    EXPECT_EQ(w.Label1->text(), FormaAttesa());
    EXPECT_EQ(w.Griglia->TextMatrix(riga, 1), w.Label1->text());
    EXPECT_EQ(w.InfinitoAtteso, InfinitoGiusto());
    const int esatti = Module1::Esatti;
    const int errati = Module1::Errati;
    const int giusti = SuoniGiusti();
    for (Passo p : kPassi) {
      SCOPED_TRACE(NomePasso(p));
      ControllaStato(p);
      // The step after this one cannot be answered yet.
      if (p != kTempo) {
        const int prima = Module1::Esatti + Module1::Errati;
        Passo dopo = static_cast<Passo>(p + 1);
        if (dopo == kTempo) {
          w.Option4_Click(w.TempoEstratto);  // its panel is not even shown
        } else {
          Clic(OpzioneGiusta(dopo));
        }
        EXPECT_EQ(Module1::Esatti + Module1::Errati, prima);
        EXPECT_TRUE(w.Griglia->TextMatrix(riga, 2 + dopo).isEmpty());
      }
      const int sbagliati = SuoniSbagliati();
      const QString errore = Rispondi(p, false);
      EXPECT_EQ(Module1::Errati, errati + p + 1);
      EXPECT_EQ(SuoniSbagliati(), sbagliati + 1);
      EXPECT_EQ(w.Griglia->TextMatrix(riga, 2 + p), errore);
      ControllaStato(p);  // a wrong answer changes nothing

      const QString giusta = Rispondi(p, true);
      EXPECT_EQ(Module1::Esatti, esatti + p + 1);
      EXPECT_EQ(SuoniSbagliati(), sbagliati + 1);
      // Only the last step sounds right.
      EXPECT_EQ(SuoniGiusti(), giusti + (p == kTempo ? 1 : 0));
      EXPECT_EQ(w.Griglia->TextMatrix(riga, 2 + p), errore + giusta);
      EXPECT_EQ(w.StatusBar1->PanelText(1), QStringLiteral("Esatti  %1").arg(Module1::Esatti));
      EXPECT_EQ(w.StatusBar1->PanelText(2), QStringLiteral("Errati  %1").arg(Module1::Errati));
      if (p != kInfinito) {
        // The step's panel is locked in blue.
        EXPECT_FALSE(Pannello(p)->isEnabled());
        EXPECT_EQ(platform::BackColor(Pannello(p)), kBlu);
      }
      if (p == kPersona) {
        EXPECT_EQ(w.Label6->text(), PersonaGiusta());
      }
    }
    ControllaStato(kTempo + 1);
    for (QFrame* p : w.Picture4) EXPECT_EQ(platform::BackColor(p), kBlu);
    for (QRadioButton* o : w.Option4) EXPECT_EQ(platform::BackColor(o), kBlu);
    EXPECT_TRUE(w.Picture4[static_cast<size_t>(ModoGiusto())]->isVisible());
    EXPECT_EQ(w.focusWidget(), w.BottoneAvanti);
    EXPECT_EQ(Module1::Esatti, esatti + 5);
    EXPECT_EQ(Module1::Errati, errati + 5);
  }
};

}  // namespace

TEST_F(Classify, OpeningState) {
  testsupport::TempProgramFolder programma(true);
  Module1::Esatti = 7;
  Module1::Errati = 3;
  w.Show();
  EXPECT_EQ(w.windowTitle(), "Catalogare i fosku");
  EXPECT_EQ(Module1::Esatti, 0);
  EXPECT_EQ(Module1::Errati, 0);
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  0");
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  0");
  EXPECT_EQ(w.Label2->text(), "Voce del verbo");
  for (QWidget* c : std::initializer_list<QWidget*>{w.Label1, w.Label2, w.Label6, w.Text1}) {
    EXPECT_EQ(c->font().family(), "Arial");
    EXPECT_EQ(c->font().pointSize(), 20);  // the fourth font setting
  }

  // The menu bar: no font command, the two menus of the window before the reset.
  QStringList barra;
  for (QAction* a : w.menuBar()->actions()) barra << a->text();
  EXPECT_EQ(barra, QStringList({"&Utilità", "Modi - &Tempi", "Declinazioni", "&Azzera conteggio ", "Torna al &menù"}));
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->shortcut(), QKeySequence(QStringLiteral("F%1").arg(i)));
  }
  for (int i = 0; i <= 5; ++i) {
    EXPECT_EQ(w.mnud[static_cast<size_t>(i)]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F%1").arg(i + 1)));
  }
  // Seven columns are printed across the page.
  QStringList chiamate;
  platform::SetPrinterFactory([&] {
    auto s = std::make_unique<testsupport::RecordingSurface>();
    s->keepCalls = &chiamate;
    return s;
  });
  platform::SetMsgBoxHandler([](const QString&, int) { return platform::vbYes; });
  w.mnuStamp->trigger();
  platform::SetPrinterFactory({});
  EXPECT_TRUE(chiamate.contains("orientation 2"));
  EXPECT_EQ(w.mnuFont, nullptr);
  for (QAction* a : w.mnuUtil->actions()) EXPECT_NE(a->text(), "Font");
  QStringList livelli, classi;
  for (QAction* a : w.mnuliv->actions()) livelli << a->text();
  for (QAction* a : w.mnuDec->actions()) classi << a->text();
  EXPECT_EQ(livelli, QStringList({"Indicativo - tempi semplici", "Indicativo - tempi composti",
                                  "Indicativo - tempi semplici e composti", "Congiuntivo",
                                  "Indicativo e congiuntivo ", "Condizionale", "Tutti"}));
  EXPECT_EQ(classi, QStringList({"prima", "seconda", "terza", "essere", "avere", "tutte"}));
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->isChecked(), i == 7) << i;
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(w.mnud[static_cast<size_t>(i)]->isChecked(), i == 5) << i;
  // A check mark, as in the tables' menus, not the round mark of an exclusive group.
  for (QMenu* m : {w.mnuliv, w.mnuDec}) {
    for (QAction* a : m->actions()) EXPECT_TRUE(a->isCheckable() && a->actionGroup() == nullptr) << a->text().toStdString();
  }
  EXPECT_EQ(w.Livello, 7);
  EXPECT_EQ(w.FiltroConiugazione, 5);

  // The options' captions.
  const QStringList attese2 = {"1°", "2°", "3°", "essere", "avere"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(w.Option2[static_cast<size_t>(i)]->text(), attese2[i]);
  const QStringList attese1 = {"1°", "2°", "3°", "1°", "2°", "3°"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(w.Option1[static_cast<size_t>(i)]->text(), attese1[i]);
  const QStringList attese3 = {"indicativo", "congiuntivo", "condizionale"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(w.Option3[static_cast<size_t>(i)]->text(), attese3[i]);
  for (int t = 0; t < 14; ++t) {
    EXPECT_EQ(w.Option4[static_cast<size_t>(t)]->text().toStdString(), ModuloFosku::TempiBrevi[static_cast<size_t>(t)]);
    // Each tense option lies in the panel of its mood.
    EXPECT_EQ(w.Option4[static_cast<size_t>(t)]->parentWidget(), w.Picture4[static_cast<size_t>(Form11::ModoDelTempo(t))]);
  }

  // The grid: seven columns in 36ths of the window's width, the first item in row 1.
  ASSERT_EQ(w.Griglia->Cols(), 7);
  EXPECT_FALSE(w.Griglia->isVisible());
  const long u = platform::RoundHalfEven(w.Width()) / 36;
  const std::vector<int> fattori = {1, 8, 5, 3, 5, 5, 5};
  const QStringList intestazioni = {"", "Cataloga i fosku", "Infinito", "Coniugazione", "Persona", "Modo", "Tempo"};
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(w.Griglia->ColWidth(k), fattori[static_cast<size_t>(k)] * u) << k;
    EXPECT_EQ(w.Griglia->TextMatrix(0, k), intestazioni[k]) << k;
  }
  EXPECT_EQ(w.Griglia->Rows(), 2);
  EXPECT_EQ(w.RigaItem(), 1);
  EXPECT_EQ(w.Griglia->TextMatrix(1, 0), "1");
  EXPECT_EQ(w.Griglia->TextMatrix(1, 1), w.Label1->text());
  EXPECT_FALSE(w.Label1->text().isEmpty());

  // Only the infinitive is open; the form and the infinitive agree with the engine.
  ControllaStato(kInfinito);
  EXPECT_TRUE(w.Text1->text().isEmpty());
  EXPECT_EQ(w.Label1->text(), FormaAttesa());
  EXPECT_EQ(w.InfinitoAtteso, InfinitoGiusto());
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_TRUE(sounds.empty());
}

TEST_F(Classify, TheFiveStepsInOrderOverManyItems) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  std::set<int> classi;
  for (int n = 0; n < 25; ++n) {
    SCOPED_TRACE(n);
    classi.insert(w.ConiugazioneScelta);
    ClassificaItem();
    if (HasFatalFailure()) return;
    // The next item: its own row, the infinitive open again, nothing selected.
    const int riga = w.RigaItem();
    QTest::mouseClick(w.BottoneAvanti, Qt::LeftButton);
    EXPECT_EQ(w.RigaItem(), riga + 1);
    EXPECT_EQ(w.Griglia->TextMatrix(riga + 1, 0), QString::number(riga + 1));
    EXPECT_TRUE(w.Text1->text().isEmpty());
    EXPECT_TRUE(w.Label6->text().isEmpty());
    for (QButtonGroup* g : {w.Gruppo1, w.Gruppo2, w.Gruppo3, w.Gruppo4}) EXPECT_EQ(g->checkedButton(), nullptr);
    for (QFrame* p : w.Picture4) EXPECT_TRUE(p->isEnabled());  // hidden, ready for the next mood
    ControllaStato(kInfinito);
    // The finished row keeps its marks.
    EXPECT_FALSE(w.Griglia->TextMatrix(riga, 6).isEmpty());
  }
  EXPECT_EQ(classi, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST_F(Classify, TypedInfinitive) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  w.mnud_Click(0);
  const QString inf = InfinitoGiusto();
  ASSERT_TRUE(inf.endsWith("are"));
  EXPECT_EQ(w.focusWidget(), w.Text1);  // the infinitive can be typed at once
  // Not Enter, an empty box, a box of blanks: nothing at all.
  w.Text1->setText(inf);
  w.Text1_KeyUp(65, 0);
  Scrivi("");
  Scrivi("   ");
  EXPECT_EQ(Module1::Esatti + Module1::Errati, 0);
  EXPECT_TRUE(sounds.empty());
  EXPECT_TRUE(Cella(2).isEmpty());

  struct Caso {
    QString scritto;
    bool giusto;
  };
  const std::vector<Caso> casi = {
      {inf.left(inf.size() - 3), false},                      // the root alone
      {inf.left(inf.size() - 3) + "ere", false},              // another conjugation
      {inf + "e", false},                                     // one letter more
      {inf.left(inf.size() - 1) + QString::fromUtf8("è"), false},  // accents count
  };
  QString colonna;
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.scritto.toStdString());
    Scrivi(c.scritto);
    colonna += c.scritto + " * ";
    EXPECT_EQ(Cella(2), colonna);
    EXPECT_TRUE(w.Text1->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.Text1);
    EXPECT_EQ(w.Text1->text(), c.scritto);  // the box keeps the text
  }
  EXPECT_EQ(Module1::Errati, static_cast<int>(casi.size()));
  EXPECT_EQ(SuoniSbagliati(), static_cast<int>(casi.size()));

  // Released on the keypad's Enter, the real key goes through the same judging.
  w.Text1->setText(" " + inf.toUpper() + "  ");
  QTest::keyRelease(w.Text1, Qt::Key_Enter);
  EXPECT_EQ(Module1::Esatti, 1);
  EXPECT_EQ(Cella(2), colonna + inf);  // the infinitive as the engine writes it, not as typed
  EXPECT_FALSE(w.Text1->isEnabled());
  EXPECT_EQ(SuoniGiusti(), 0);
  // Answered: no further judging.
  w.Text1_KeyUp(kInvio, 0);
  EXPECT_EQ(Module1::Esatti, 1);
}

// Every compound form of essere («io sono stato», «che essi fossero stati») is stare's too: the
// pupil may name either verb, and the class step then expects the class of the verb named.
TEST_F(Classify, StareIsRightForEveryCompoundFormOfEssere) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  const std::set<int> composti = {4, 5, 6, 7, 10, 11, 13};
  struct Caso {
    int classe;     // the class menu's choice: essere or avere
    QString scritto;
    QString nominato;  // the verb named, as the grid shows it ("" for a wrong answer)
    int classeNominata;
  };
  const std::vector<Caso> casi = {
      {3, "stare", "stare", 0}, {3, "  STARE ", "stare", 0}, {3, "essere", "essere", 3}, {4, "stare", "", 0},
  };
  std::set<int> tempiConStare;
  for (const Caso& c : casi) {
    w.mnud[static_cast<size_t>(c.classe)]->trigger();
    for (int n = 0; n < 40; ++n) {
      SCOPED_TRACE(c.scritto.toStdString() + " for tense " + std::to_string(w.TempoEstratto) + ", class " +
                   std::to_string(c.classe));
      const bool giusto = !c.nominato.isEmpty() && (c.nominato == "essere" || composti.count(w.TempoEstratto) > 0);
      const int esatti = Module1::Esatti, errati = Module1::Errati;
      QTest::keyClicks(w.Text1, c.scritto);
      QTest::keyClick(w.Text1, Qt::Key_Return);
      if (!giusto) {
        EXPECT_EQ(Module1::Errati, errati + 1);
        EXPECT_EQ(Cella(2), c.scritto + " * ");
        EXPECT_TRUE(w.Text1->isEnabled());
        w.GeneraEsercizio();
        continue;
      }
      if (c.nominato == "stare") tempiConStare.insert(w.TempoEstratto);
      EXPECT_EQ(Module1::Esatti, esatti + 1);
      EXPECT_EQ(Cella(2), c.nominato);
      // The other of the two classes is wrong now, the named verb's right.
      const int altra = c.classeNominata == 0 ? 3 : 0;
      Clic(w.Option2[static_cast<size_t>(altra)]);
      EXPECT_EQ(Module1::Errati, errati + 1);
      Clic(w.Option2[static_cast<size_t>(c.classeNominata)]);
      EXPECT_EQ(Cella(3), w.Option2[static_cast<size_t>(altra)]->text() + " * " +
                              w.Option2[static_cast<size_t>(c.classeNominata)]->text());
      // Person, mood and tense are the same for both verbs.
      for (Passo p : {kPersona, kModo, kTempo}) Rispondi(p, true);
      EXPECT_EQ(Module1::Esatti, esatti + 5);
      EXPECT_TRUE(w.BottoneAvanti->isEnabled());
      QTest::mouseClick(w.BottoneAvanti, Qt::LeftButton);
    }
  }
  EXPECT_EQ(tempiConStare, composti);
}

TEST_F(Classify, SharedJudgingOfTypedAnswers) {
  struct Caso {
    QString scritto, atteso;
    std::optional<bool> giudizio;
  };
  const std::vector<Caso> casi = {
      {"", "avere", std::nullopt},
      {" \t ", "avere", std::nullopt},
      {"avere", "avere", true},
      {"  AVERE ", "avere", true},
      {"Essere", "essere", true},
      {"ave re", "avere", false},
      {"avere", "essere", false},
      {QString::fromUtf8("poté"), QString::fromUtf8("POTÉ"), true},
      {"pote", QString::fromUtf8("poté"), false},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.scritto.toStdString());
    EXPECT_EQ(GiudicaScritta(c.scritto, c.atteso), c.giudizio);
  }
  const QKeyEvent rilascio(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
  const QKeyEvent tastierino(QEvent::KeyRelease, Qt::Key_Enter, Qt::KeypadModifier);
  const QKeyEvent ripetuto(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
  const QKeyEvent premuto(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  const QKeyEvent altro(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
  EXPECT_TRUE(InvioRilasciato(&rilascio));
  EXPECT_TRUE(InvioRilasciato(&tastierino));
  EXPECT_FALSE(InvioRilasciato(&ripetuto));
  EXPECT_FALSE(InvioRilasciato(&premuto));
  EXPECT_FALSE(InvioRilasciato(&altro));
}

TEST_F(Classify, GridMarksOfWrongAndRightAnswers) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  w.mnulivello_Click(4);  // congiuntivo
  w.mnud_Click(1);        // -ere
  const QString inf = InfinitoGiusto();
  ASSERT_TRUE(inf.endsWith("ere"));
  EXPECT_TRUE(w.Label1->text().startsWith("che "));  // the congiuntivo carries "che" and the pronoun
  Scrivi("correre");
  Scrivi(" x ");
  Scrivi(inf);
  EXPECT_EQ(Cella(2), "correre *  x  * " + inf);
  Clic(w.Option2[0]);
  Clic(w.Option2[1]);
  EXPECT_EQ(Cella(3), QString::fromUtf8("1° * 2°"));
  const int p = w.PersonaEstratta;
  const int sbagliata = p < 3 ? p + 3 : p - 3;  // the same number, the other count
  Clic(w.Option1[static_cast<size_t>(sbagliata)]);
  Clic(w.Option1[static_cast<size_t>(p)]);
  EXPECT_EQ(Cella(4), w.Option1[static_cast<size_t>(sbagliata)]->text() + " * " + PersonaGiusta());
  Clic(w.Option3[0]);
  Clic(w.Option3[2]);
  Clic(w.Option3[1]);
  EXPECT_EQ(Cella(5), "indicativo * condizionale * congiuntivo");
  EXPECT_TRUE(w.Picture4[1]->isVisible());
  const int t = w.TempoEstratto;
  const int altro = t == 8 ? 11 : 8;
  Clic(w.Option4[static_cast<size_t>(altro)]);
  Clic(w.Option4[static_cast<size_t>(t)]);
  EXPECT_EQ(Cella(6), QString::fromStdString(ModuloFosku::TempiBrevi[static_cast<size_t>(altro)]) + " * " +
                          QString::fromStdString(ModuloFosku::TempiBrevi[static_cast<size_t>(t)]));
  EXPECT_EQ(Module1::Esatti, 5);
  EXPECT_EQ(Module1::Errati, 7);
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  7");
  EXPECT_TRUE(w.BottoneAvanti->isEnabled());
}

TEST_F(Classify, LevelsRestrictTheTense) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  struct Caso {
    int livello;
    std::set<int> tempi;
  };
  const std::vector<Caso> casi = {
      {1, {0, 1, 2, 3}},
      {2, {4, 5, 6, 7}},
      {3, {0, 1, 2, 3, 4, 5, 6, 7}},
      {4, {8, 9, 10, 11}},
      {5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {6, {12, 13}},
      {7, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.livello);
    platform::SeedRandom(static_cast<unsigned>(c.livello) * 7919u);
    w.mnulivello[static_cast<size_t>(c.livello)]->trigger();
    EXPECT_EQ(w.Livello, c.livello);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(w.mnulivello[static_cast<size_t>(i)]->isChecked(), i == c.livello);
    std::set<int> tempi;
    for (int n = 0; n < 300; ++n) {
      if (n > 0) w.GeneraEsercizio();
      tempi.insert(w.TempoEstratto);
      ASSERT_EQ(w.Label1->text(), FormaAttesa());
    }
    EXPECT_EQ(tempi, c.tempi);
  }
}

TEST_F(Classify, ConditionalLevelOpensTheThirdTensePanel) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  w.mnulivello[6]->trigger();
  for (int n = 0; n < 6; ++n) {
    SCOPED_TRACE(n);
    Rispondi(kInfinito, true);
    Rispondi(kClasse, true);
    Rispondi(kPersona, true);
    // Indicativo and congiuntivo are wrong here.
    Clic(w.Option3[0]);
    Clic(w.Option3[1]);
    EXPECT_EQ(Module1::Errati, 2 * (n + 1));
    Clic(w.Option3[2]);
    EXPECT_FALSE(w.Picture4[0]->isVisible());
    EXPECT_FALSE(w.Picture4[1]->isVisible());
    EXPECT_TRUE(w.Picture4[2]->isVisible());
    // The options of the hidden panels cannot be answered.
    w.Option4_Click(0);
    w.Option4_Click(9);
    EXPECT_EQ(Module1::Errati, 2 * (n + 1));
    Rispondi(kTempo, true);
    EXPECT_TRUE(w.BottoneAvanti->isEnabled());
    w.BottoneAvanti_Click();
  }
}

TEST_F(Classify, ClassMenuRestrictsTheClass) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  w.mnulivello[4]->trigger();  // the level stays while the class changes
  struct Caso {
    int voce;
    std::set<int> classi;
  };
  const std::vector<Caso> casi = {{0, {0}}, {1, {1}}, {2, {2}}, {3, {3}}, {4, {4}}, {5, {0, 1, 2, 3, 4}}};
  const char* desinenze[] = {"are", "ere", "ire"};
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.voce);
    w.mnud[static_cast<size_t>(c.voce)]->trigger();
    EXPECT_EQ(w.FiltroConiugazione, c.voce);
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(w.mnud[static_cast<size_t>(i)]->isChecked(), i == c.voce);
    std::set<int> classi;
    for (int n = 0; n < 200; ++n) {
      if (n > 0) {
        CostruisciFosku::IndiceEstratto = -7;  // essere and avere draw no row
        w.GeneraEsercizio();
      }
      const int k = w.ConiugazioneScelta;
      classi.insert(k);
      ASSERT_GE(w.TempoEstratto, 8);
      ASSERT_LE(w.TempoEstratto, 11);
      if (k >= 3) {
        ASSERT_EQ(w.InfinitoAtteso, k == 3 ? "essere" : "avere");
        if (n > 0) {
          ASSERT_EQ(CostruisciFosku::IndiceEstratto, -7);
        }
      } else {
        const int riga = CostruisciFosku::IndiceEstratto;
        ASSERT_GE(riga, 1);
        ASSERT_LE(riga, CostruisciFosku::CountOf(k));
        ASSERT_EQ(CostruisciFosku::RadiceScelta, CostruisciFosku::RowOf(k, riga).Radice);
        ASSERT_EQ(w.InfinitoAtteso.toStdString(), CostruisciFosku::RadiceScelta + desinenze[k]);
      }
      ASSERT_EQ(w.Label1->text(), FormaAttesa());
    }
    EXPECT_EQ(classi, c.classi);
  }
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Classify, AMenuReplacesAnItemLeftHalfWay) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  // Stopped at the tense: the new item starts again at the infinitive.
  Rispondi(kInfinito, true);
  Rispondi(kClasse, true);
  Rispondi(kPersona, true);
  Rispondi(kModo, true);
  ControllaStato(kTempo);
  const int riga = w.RigaItem();
  w.mnud[3]->trigger();
  EXPECT_EQ(w.RigaItem(), riga + 1);
  EXPECT_TRUE(w.Griglia->TextMatrix(riga, 6).isEmpty());  // the abandoned row has no tense
  EXPECT_FALSE(w.Griglia->TextMatrix(riga, 5).isEmpty());
  ControllaStato(kInfinito);
  for (QButtonGroup* g : {w.Gruppo1, w.Gruppo2, w.Gruppo3}) EXPECT_EQ(g->checkedButton(), nullptr);
  EXPECT_TRUE(w.Label6->text().isEmpty());
  // The class panel left open by the old item does not take answers for the new one.
  const int prima = Module1::Esatti + Module1::Errati;
  Clic(w.Option2[3]);
  EXPECT_EQ(Module1::Esatti + Module1::Errati, prima);

  // Finished: a menu puts the next-item button away too.
  ClassificaItem();
  w.mnulivello[1]->trigger();
  ControllaStato(kInfinito);
}

TEST_F(Classify, AClassWithoutVerbsIsReportedAndNeverHangs) {
  testsupport::TempProgramFolder programma;
  // Only -are verbs; the -ere files are missing and the -ire list holds only blank rows.
  programma.Write("testiFosku/2/regolariare.txt", platform::EncodeCp1252("cant\r\nparl\r\n"));
  programma.Write("testiFosku/2/regolariire.txt", "\r\n  \r\n");
  w.Show();
  EXPECT_TRUE(messages.isEmpty());
  std::set<int> classi;
  for (int n = 0; n < 200; ++n) {
    w.GeneraEsercizio();
    classi.insert(w.ConiugazioneScelta);
  }
  EXPECT_EQ(classi, (std::set<int>{0, 3, 4}));
  EXPECT_TRUE(messages.isEmpty());

  struct Caso {
    int voce;
    QStringList file;
  };
  const std::vector<Caso> casi = {{1, {"regolariere.txt", "regolariereei.txt"}},
                                  {2, {"regolariire.txt", "regolariireisco.txt"}}};
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.voce);
    messages.clear();
    const int righe = w.Griglia->Rows();
    const int riga = w.RigaItem();
    const QString forma = w.Label1->text();
    w.mnud[static_cast<size_t>(c.voce)]->trigger();
    ASSERT_EQ(messages.size(), 1);
    for (const QString& f : c.file) EXPECT_TRUE(messages[0].contains(f)) << messages[0].toStdString();
    // The class is put out of reach; the item on show stays, under the class menu's old choice.
    EXPECT_FALSE(w.mnud[static_cast<size_t>(c.voce)]->isEnabled());
    EXPECT_FALSE(w.mnud[static_cast<size_t>(c.voce)]->isChecked());
    EXPECT_TRUE(w.mnud[5]->isChecked());
    EXPECT_EQ(w.Griglia->Rows(), righe);
    EXPECT_EQ(w.RigaItem(), riga);
    EXPECT_EQ(w.Label1->text(), forma);
    EXPECT_TRUE(w.Text1->isEnabled());
  }
  // Changing the level draws again from the classes that have verbs, in silence.
  messages.clear();
  for (int l = 1; l <= 7; ++l) w.mnulivello[static_cast<size_t>(l)]->trigger();
  EXPECT_TRUE(messages.isEmpty());
  // Another class brings its items.
  w.mnud[0]->trigger();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(w.ConiugazioneScelta, 0);
  EXPECT_GT(w.RigaItem(), 0);
  EXPECT_TRUE(w.Text1->isEnabled());
  Rispondi(kInfinito, true);
  EXPECT_EQ(Module1::Esatti, 1);
}

TEST_F(Classify, TheGridHidesTheWindowsMenus) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  w.mnuVisual->trigger();
  EXPECT_TRUE(w.Griglia->isVisible());
  EXPECT_FALSE(w.mnuliv->menuAction()->isVisible());
  EXPECT_FALSE(w.mnuDec->menuAction()->isVisible());
  EXPECT_FALSE(w.mnuAzzera->isVisible());
  EXPECT_TRUE(w.mnuStamp->isVisible());
  w.mnuChiudi->trigger();
  EXPECT_FALSE(w.Griglia->isVisible());
  EXPECT_TRUE(w.mnuliv->menuAction()->isVisible());
  EXPECT_TRUE(w.mnuDec->menuAction()->isVisible());

  // The reset leaves the item alone.
  Rispondi(kInfinito, false);
  Rispondi(kInfinito, true);
  w.mnuAzzera->trigger();
  EXPECT_EQ(w.StatusBar1->PanelText(1), "Esatti  0");
  EXPECT_EQ(w.StatusBar1->PanelText(2), "Errati  0");
  ControllaStato(kClasse);
}

TEST_F(Classify, ReopeningStartsAfresh) {
  testsupport::TempProgramFolder programma(true);
  w.Show();
  w.mnulivello[2]->trigger();
  w.mnud[4]->trigger();
  Rispondi(kInfinito, true);
  Rispondi(kClasse, true);
  Rispondi(kPersona, false);
  ASSERT_EQ(w.Griglia->Rows(), 4);
  w.mnuEsci->trigger();
  EXPECT_FALSE(w.IsLoaded());

  w.Show();
  EXPECT_EQ(w.Livello, 7);
  EXPECT_EQ(w.FiltroConiugazione, 5);
  EXPECT_TRUE(w.mnulivello[7]->isChecked());
  EXPECT_FALSE(w.mnulivello[2]->isChecked());
  EXPECT_TRUE(w.mnud[5]->isChecked());
  EXPECT_FALSE(w.mnud[4]->isChecked());
  EXPECT_EQ(Module1::Esatti, 0);
  EXPECT_EQ(Module1::Errati, 0);
  EXPECT_EQ(w.Griglia->Rows(), 2);
  EXPECT_EQ(w.RigaItem(), 1);
  ControllaStato(kInfinito);
  // Items of every tense and class again.
  std::set<int> tempi, classi;
  for (int n = 0; n < 300; ++n) {
    w.GeneraEsercizio();
    tempi.insert(w.TempoEstratto);
    classi.insert(w.ConiugazioneScelta);
  }
  EXPECT_EQ(tempi.size(), 14u);
  EXPECT_EQ(classi.size(), 5u);
}
