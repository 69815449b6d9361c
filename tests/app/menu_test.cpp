#include <gtest/gtest.h>

#include <QLabel>
#include <QMoveEvent>
#include <QTest>
#include <QMenuBar>
#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

#include "app/formavvio.h"
#include "app/forminfo.h"
#include "app/formmenu.h"
#include "exercise_window/exercisewindow.h"
#include "tables/form3_conjugation_tables.h"
#include "app/finestre.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "services/fontfit.h"
#include "services/modulonavigate.h"
#include "settings/moduloperini.h"
#include "support/pixels.h"
#include "support/temp_dirs.h"

namespace {

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ModuloPerIni::FileIni = ModuloPerIni::kFileIni;
    ModuloPerIni::PreparaCartelle();
    ModuloPerIni::ImpostazioniPredefinite();
    Module1::RegistraFinestre();  // as the program does before any window shows
    // Message boxes are answered, never shown; a test that expects some reads and clears them.
    platform::SetMsgBoxHandler([this](const QString& t, int) {
      messaggi << t;
      return platform::vbOK;
    });
  }
  void TearDown() override {
    for (auto* f : platform::Form::LoadedForms()) f->Unload();
    Module1::RegistraFinestre();  // a test may have given the menu other buttons
    platform::Form::SetFrameOverride({});
    platform::SetScreenSizeOverride({});
    platform::SetMsgBoxHandler({});
    EXPECT_TRUE(messaggi.isEmpty()) << "messages the test did not expect: " << messaggi.join(" | ").toStdString();
  }
  std::string Ini() const { return home_.config() + "/ImpostazioniProgrammiOlmea/Fosku/fosku.INI"; }
  FormMenu& Menu() { return platform::Instance<FormMenu>(); }
  QPushButton* Esci() { return Menu().Command1[static_cast<size_t>(FormMenu::IndiceEsci())]; }
  testsupport::TempHome home_;
  QStringList messaggi;
};

QColor Colour(QWidget* w) { return platform::BackColor(w); }

}  // namespace

TEST_F(MenuTest, StartWindowOpensTheMenuAndExactlyOneWindowIsLoaded) {
  auto& avvio = platform::Instance<FormAvvio>();
  avvio.Show();
  QTest::mouseClick(avvio.Command1, Qt::LeftButton);
  EXPECT_TRUE(Menu().IsLoaded());
  EXPECT_FALSE(avvio.IsLoaded());
  EXPECT_EQ(platform::Form::LoadedCount(), 1);
}

TEST_F(MenuTest, CaptionsAsWritten) {
  Menu().Show();
  EXPECT_EQ(Menu().Command1[0]->text(), "Coniugazione\r\n(fosku all'infinito)");
  EXPECT_EQ(Menu().Command1[4]->text(), " Risalire all'infinito dei fosku ");
  EXPECT_EQ(Menu().Command1[6]->text(), " Il modo dei fosku");
  EXPECT_EQ(Menu().Command1[14]->text(), "Corretto scorretto\r\n1°");
  EXPECT_EQ(Menu().Command1[16]->text(), "Attivo passivo\r\n2°");
  EXPECT_EQ(Menu().Command1.back(), Esci());
  EXPECT_EQ(Esci()->text(), "Esci");
  EXPECT_EQ(Menu().Check1->text(), "Suoni attivati");
  // Buttons are laid in four columns of six rows: 19 stands under 14, "Esci" bottom right.
  const QRectF b19 = platform::TwipsRect(Menu().Command1[19]);
  const QRectF b14 = platform::TwipsRect(Menu().Command1[14]);
  EXPECT_NEAR(b19.left(), b14.left(), 1);
  EXPECT_GT(b19.top(), b14.top());
  EXPECT_GT(platform::TwipsRect(Esci()).left(), b19.left());
  EXPECT_GT(platform::TwipsRect(Esci()).top(), platform::TwipsRect(Menu().Check1).top());
}

TEST_F(MenuTest, EsciWritesTheSettingsAndTheCloseBoxDoesNot) {
  Menu().Show();
  ASSERT_TRUE(Menu().Check1->isChecked());
  QTest::mouseClick(Menu().Check1, Qt::LeftButton);
  EXPECT_FALSE(ModuloPerIni::Impostazioni.SuoniAttivati);

  // Closing the window with its close box: nothing is written.
  Menu().close();
  EXPECT_EQ(platform::Form::LoadedCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(Ini()));

  Menu().Show();
  EXPECT_FALSE(Menu().Check1->isChecked());  // the switch as the record holds it
  QTest::mouseClick(Esci(), Qt::LeftButton);
  EXPECT_EQ(platform::Form::LoadedCount(), 0);
  const auto bytes = platform::ReadFileBytes(Ini());
  ASSERT_TRUE(bytes.has_value());
  // Line by line exactly as written (the data readers drop blanks at a line's end).
  const auto lines = platform::SplitLines(*bytes);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "False");
  EXPECT_EQ(lines[2], " 48 ");
}

TEST_F(MenuTest, EsciSaysSoWhenTheSettingsCannotBeSaved) {
  // A folder stands where the settings file should be: neither a new file nor the old one can
  // take the settings.
  std::filesystem::create_directories(Ini() + "/x");
  QStringList messages;
  platform::SetMsgBoxHandler([&](const QString& text, int code) {
    messages << text;
    EXPECT_EQ(code, platform::vbCritical);
    return platform::vbOK;
  });
  Menu().Show();
  QTest::mouseClick(Esci(), Qt::LeftButton);
  EXPECT_EQ(platform::Form::LoadedCount(), 0);  // the program ends all the same
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QString::fromStdString(Ini()))) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains("cartella")) << messages[0].toStdString();
}

TEST_F(MenuTest, AboutAndChiudiRunTheMenuStepsAgain) {
  Menu().Show();
  Menu().Command1_MouseMove(3);  // a colour that a new load must forget
  QTest::mouseClick(Menu().Check1, Qt::LeftButton);
  Menu().mnuAbout->trigger();
  auto& info = platform::Instance<FormInfo>();
  EXPECT_TRUE(info.IsLoaded());
  EXPECT_FALSE(Menu().IsLoaded());
  EXPECT_EQ(platform::Form::LoadedCount(), 1);
  EXPECT_EQ(info.Label4->text(), "");
  EXPECT_FALSE(info.Label1->text().isEmpty());
  EXPECT_EQ(info.Command1->text(), "Chiudi");
  EXPECT_EQ(Colour(info.Surface()), QColor(255, 255, 192));
  // The labels lie on the same light yellow, as the pupil sees it on the box, with readable text.
  const QImage box = testsupport::Rendered(info.Surface());
  for (QLabel* l : {info.Label1, info.Label3, info.Label4}) {
    SCOPED_TRACE(l == info.Label1 ? "Label1" : l == info.Label3 ? "Label3" : "Label4");
    EXPECT_EQ(Colour(l), QColor(255, 255, 192));
    const QColor sfondo = testsupport::Background(box, l->geometry());
    EXPECT_EQ(sfondo, QColor(255, 255, 192));
    if (!l->text().isEmpty()) {
      EXPECT_GE(testsupport::Contrast(testsupport::MostContrasting(box, sfondo, l->geometry()), sfondo), 4.5);
    }
  }

  QTest::mouseClick(info.Command1, Qt::LeftButton);
  EXPECT_TRUE(Menu().IsLoaded());
  EXPECT_FALSE(info.IsLoaded());
  EXPECT_EQ(platform::Form::LoadedCount(), 1);
  // Load ran again: the buttons are back to the system colour, the captions are set;
  // activation ran again: the check box shows the record, the menu covers the screen.
  EXPECT_NE(Colour(Menu().Command1[3]), QColor(255, 0, 0));
  EXPECT_NE(Colour(Menu().Command1[3]), QColor(192, 255, 255));
  EXPECT_EQ(Menu().Command1[5]->text(), "Coniugazione\r\n(fosku coniugati)");
  EXPECT_FALSE(Menu().Check1->isChecked());
  EXPECT_EQ(Menu().frameGeometry().topLeft(), QPoint(0, 0));
}

// A move of the real mouse with no button held, as the window system delivers it: to the control
// under the pointer (every control here tracks the mouse), passed on to its container when the
// control leaves it unhandled.
static void MuoviMouse(QWidget* superficie, QPoint p) {
  QWidget* sotto = superficie->childAt(p);
  if (sotto == nullptr) sotto = superficie;
  const QPointF qui = sotto->mapFrom(superficie, p);
  QMouseEvent e(QEvent::MouseMove, qui, sotto->mapToGlobal(qui), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(sotto, &e);
}

TEST_F(MenuTest, HoverColoursUnderRealMouseMoves) {
  Menu().Show();
  const int esci = FormMenu::IndiceEsci();
  QWidget* superficie = Menu().Surface();
  const QColor rosso(255, 0, 0), azzurro(192, 255, 255);
  auto centro = [&](int i) { return Menu().Command1[static_cast<size_t>(i)]->geometry().center(); };
  // The colour each button shows on the screen.
  auto dipinto = [&](int i) { return testsupport::Background(testsupport::Rendered(Menu().Command1[static_cast<size_t>(i)])); };
  struct Passo {
    QPoint dove;
    int rosso;  // the button that must be red, -1 for none
  };
  const std::vector<Passo> passi = {
      {centro(3), 3}, {centro(3) + QPoint(3, 2), 3}, {centro(4), 4}, {centro(esci), esci}, {QPoint(2, 2), -1},
      {centro(0), 0}, {Menu().Check1->geometry().center(), 0}};
  for (size_t k = 0; k < passi.size(); ++k) {
    MuoviMouse(superficie, passi[k].dove);
    for (int i = 0; i < static_cast<int>(Menu().Command1.size()); ++i) {
      const QColor atteso = i == passi[k].rosso ? rosso : azzurro;
      EXPECT_EQ(Colour(Menu().Command1[static_cast<size_t>(i)]), atteso) << "step " << k << ", button " << i;
      if (i == passi[k].rosso || i == 0 || i == 3) {
        EXPECT_EQ(dipinto(i), atteso) << "step " << k << ", button " << i;
      }
    }
  }
}

// The menu leaves while the pointer rests on one of its buttons: as each button is hidden the
// window system tells the pointer has crossed to what now lies under it (the menu's background),
// which the hover handlers meet. A pupil's keys on the menu, Return and Space on a button and then
// Return on "Esci", open the window and end the program as they should.
TEST_F(MenuTest, KeysOnTheMenuWithThePointerOnAButton) {
  testsupport::TempProgramFolder programma(true);
  // What the window system sends when a control under the pointer is hidden.
  class Incrocio : public QObject {
   public:
    bool eventFilter(QObject* watched, QEvent* event) override {
      auto* b = qobject_cast<QWidget*>(watched);
      if (event->type() == QEvent::Hide && b != nullptr && b->parentWidget() != nullptr) {
        QWidget* sotto = b->parentWidget();
        const QPointF qui = b->geometry().center();
        QEnterEvent entra(qui, qui, sotto->mapToGlobal(qui));
        QCoreApplication::sendEvent(sotto, &entra);
        QMouseEvent muovi(QEvent::MouseMove, qui, sotto->mapToGlobal(qui), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(sotto, &muovi);
      }
      return false;
    }
  } incrocio;
  const auto mostraMenu = [&] {
    Menu().Show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Menu()));
    QPushButton* sotto = Menu().Command1[5];
    QTest::mouseMove(sotto);
    MuoviMouse(Menu().Surface(), sotto->geometry().center());
    for (QPushButton* b : Menu().Command1) b->installEventFilter(&incrocio);
    ASSERT_EQ(Colour(sotto), QColor(255, 0, 0)) << "the pointer on a button";
  };
  for (Qt::Key k : {Qt::Key_Return, Qt::Key_Space}) {
    mostraMenu();
    Menu().Command1[0]->setFocus();
    QTest::keyClick(QApplication::focusWidget(), k);
    ASSERT_EQ(platform::Form::LoadedCount(), 1);
    ASSERT_EQ(platform::Form::LoadedForms().front()->windowTitle(), "Coniugazione (fosku all'infinito)");
    platform::ChangeWindow(platform::Form::LoadedForms().front(), &Menu());
  }
  mostraMenu();
  Menu().Command1[0]->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::focusWidget(), Esci()) << "Shift+Tab twice: \"Esci\"";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(platform::Form::LoadedCount(), 0);
  EXPECT_TRUE(std::filesystem::exists(Ini()));
}

TEST_F(MenuTest, ButtonsTakeTheProbeSize) {
  Menu().Show();
  const int size = Menu().Command1[0]->font().pointSize();
  EXPECT_GE(size, 12);
  for (auto* b : Menu().Command1) {
    EXPECT_EQ(b->font().pointSize(), size);
    EXPECT_EQ(b->font().family(), "Arial");
  }
  // The probe text in font 1 at that size fills button 0; one point less does not.
  const QString probe = "  (fosku non all'infinito) ";
  const double width = platform::TwipsRect(Menu().Command1[0]).width();
  QFont f("Arial", size);
  if (size > 12) {
    EXPECT_GE(FontFit::TextWidthTwips(f, probe), width);
    f.setPointSize(size - 1);
    EXPECT_LT(FontFit::TextWidthTwips(f, probe), width);
  }
}

TEST(FontFitting, NarrowAndWideButtons) {
  const QString probe = "  (fosku non all'infinito) ";
  struct Case {
    double width;
    const char* what;
  };
  int previous = 0;
  for (const Case& c : {Case{100, "narrow: stays at 12"}, Case{3000, "medium"}, Case{6000, "wide"}, Case{12000, "wider"}}) {
    const int size = FontFit::FitPointSize("Arial", probe, c.width);
    EXPECT_GE(size, 12) << c.what;
    EXPECT_GE(size, previous) << c.what;
    QFont f("Arial", size);
    if (size > 12) {
      EXPECT_GE(FontFit::TextWidthTwips(f, probe), c.width) << c.what;
      f.setPointSize(size - 1);
      EXPECT_LT(FontFit::TextWidthTwips(f, probe), c.width) << c.what;
    }
    previous = size;
  }
  EXPECT_EQ(FontFit::FitPointSize("Arial", probe, 100), 12);
  EXPECT_GT(FontFit::FitPointSize("Arial", probe, 6000), FontFit::FitPointSize("Arial", probe, 3000));
  // An empty probe never grows and never loops; a huge width stops at the cap.
  EXPECT_EQ(FontFit::FitPointSize("Arial", "", 5000), 12);
  EXPECT_EQ(FontFit::FitPointSize("Arial", probe, 1e9, 12, 60), 60);
}

TEST_F(MenuTest, ManualOpensOnlyWhenThere) {
  testsupport::TempProgramFolder program;
  std::vector<std::string> opened;
  ModuloNavigate::SetOpener([&](const std::string& p) { opened.push_back(p); });
  Menu().Show();
  Menu().mnuDocum->trigger();
  EXPECT_TRUE(opened.empty());  // no manual: nothing happens
  EXPECT_TRUE(Menu().IsLoaded());
  program.Write("fosku.pdf", "%PDF-1.4");
  Menu().mnuDocum->trigger();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], program.path() + "/fosku.pdf");
  EXPECT_TRUE(Menu().IsLoaded());
  ModuloNavigate::SetOpener({});
}

TEST_F(MenuTest, UnbuiltWindowsHaveTheirButtonsDisabled) {
  FormMenu::RegistraPulsanti({{QStringLiteral("Da fare"), 0, 0, {}}});
  Menu().Show();
  ASSERT_EQ(Menu().Command1.size(), 2u);
  EXPECT_FALSE(Menu().Command1[0]->isEnabled());
  EXPECT_EQ(Esci(), Menu().Command1[1]);
  EXPECT_TRUE(Esci()->isEnabled());
  Menu().Command1_Click(0);  // nothing happens
  EXPECT_TRUE(Menu().IsLoaded());
  Menu().Command1_Click(25);  // out of range: nothing
  EXPECT_TRUE(Menu().IsLoaded());
}

// The table of the menu's windows is the list every test of all windows goes through: a window
// of the program left out of it would have no button, and those tests would pass it by unnoticed.
TEST_F(MenuTest, EveryWindowHasItsRowAndEveryButtonAPlaceOfItsOwn) {
  const auto& righe = Module1::FinestreMenu();
  for (const auto& [finestra, config] : TabellaFinestre()) {
    EXPECT_EQ(std::count_if(righe.begin(), righe.end(), [&](const FinestraMenu& r) { return r.finestra == finestra; }), 1)
        << "rows of the window \"" << config.titolo.toStdString() << "\" in the table of the menu's windows";
  }
  // On the menu, one button for each row and "Esci" last; no button lies over another or over
  // the sound switch, and all of them lie on the menu.
  Menu().Show();
  ASSERT_EQ(Menu().Command1.size(), righe.size() + 1);
  EXPECT_EQ(Esci()->text(), "Esci");
  std::vector<QWidget*> controlli(Menu().Command1.begin(), Menu().Command1.end());
  controlli.push_back(Menu().Check1);
  for (size_t i = 0; i < controlli.size(); ++i) {
    EXPECT_TRUE(Menu().Surface()->rect().contains(controlli[i]->geometry())) << i;
    for (size_t j = i + 1; j < controlli.size(); ++j) {
      EXPECT_FALSE(controlli[i]->geometry().intersects(controlli[j]->geometry())) << i << " and " << j;
    }
  }
}

TEST_F(MenuTest, EveryBuiltWindowOpensFromItsButtonAndReturnsToTheMenu) {
  testsupport::TempProgramFolder programma(true);  // with the shipped data no window has anything to complain of
  const auto& righe = Module1::FinestreMenu();
  Menu().Show();
  for (size_t i = 0; i < righe.size(); ++i) EXPECT_TRUE(Menu().Command1[i]->isEnabled()) << i;
  std::set<platform::Form*> aperte;
  for (size_t i = 0; i < righe.size(); ++i) {
    SCOPED_TRACE(righe[i].classe);
    Menu().Show();
    QTest::mouseClick(Menu().Command1[i], Qt::LeftButton);
    ASSERT_FALSE(Menu().IsLoaded());
    ASSERT_EQ(platform::Form::LoadedCount(), 1);
    platform::Form* finestra = platform::Form::LoadedForms().front();
    EXPECT_STREQ(finestra->metaObject()->className(), righe[i].classe);
    EXPECT_EQ(finestra->windowTitle(), righe[i].titolo);
    EXPECT_TRUE(aperte.insert(finestra).second) << "a window opened by two buttons";
    QAction* torna = nullptr;
    for (QAction* a : finestra->menuBar()->actions()) {
      // The return item; the two sentence-pair boards call it "&Esci".
      if (a->text() == QStringLiteral("Torna al &menù") || a->text() == QStringLiteral("&Esci")) torna = a;
    }
    ASSERT_NE(torna, nullptr);
    // Unloaded while the window shows, the menu keeps no display: no native window and no
    // picture of itself (a screen-sized image once it covered the screen).
    EXPECT_EQ(Menu().windowHandle(), nullptr);
    EXPECT_EQ(Menu().backingStore(), nullptr);
    torna->trigger();
    EXPECT_TRUE(Menu().IsLoaded());
    EXPECT_FALSE(finestra->IsLoaded());
    EXPECT_EQ(platform::Form::LoadedCount(), 1);
  }
  // After a visit to every window, none of them holds a display: the program holds what it
  // held after the first.
  for (platform::Form* f : aperte) {
    EXPECT_EQ(f->windowHandle(), nullptr) << f->windowTitle().toStdString();
    EXPECT_EQ(f->backingStore(), nullptr) << f->windowTitle().toStdString();
  }
  // The next-item arrow is one picture for every visit, not a new one each time.
  auto avanti = [&] {
    QTest::mouseClick(Menu().Command1[0], Qt::LeftButton);
    auto* w = dynamic_cast<ExerciseWindow*>(platform::Form::LoadedForms().front());
    EXPECT_NE(w, nullptr);
    if (w == nullptr) return qint64{0};
    const qint64 key = w->BottoneAvanti->icon().cacheKey();
    w->mnuEsci->trigger();
    return key;
  };
  const qint64 prima = avanti();
  EXPECT_EQ(avanti(), prima);
}

// Under a window manager that frames each window only after it is shown, every window's frame,
// title bar included, fills the screen's available area: the first window once its frame arrives
// (without running its activation step again), every later one from its first showing. The
// screen has a dock along its top and a panel at its left, which stay in view.
TEST_F(MenuTest, UnderAWindowManagerEveryFrameFillsTheScreen) {
  testsupport::TempProgramFolder programma(true);
  const QMargins openbox(1, 20, 1, 5);
  const QRect schermo(48, 40, 1024 - 48, 768 - 40);
  std::set<const platform::Form*> incorniciate;
  platform::SetScreenOverride([schermo] { return platform::ScreenAreas{QRect(0, 0, 1024, 768), schermo}; });
  platform::Form::SetFrameOverride([&](const platform::Form* f) { return incorniciate.count(f) ? openbox : QMargins(); });
  auto intera = [&](platform::Form& f) { return f.geometry().marginsAdded(openbox) == schermo; };
  auto incornicia = [&](platform::Form& f) {
    incorniciate.insert(&f);
    QMoveEvent e(f.pos(), f.pos());
    QCoreApplication::sendEvent(&f, &e);
  };

  auto testi = [](platform::Form& f) {
    QStringList t;
    for (auto* l : f.Surface()->findChildren<QLabel*>()) t << l->text();
    return t;
  };

  auto& avvio = platform::Instance<FormAvvio>();
  avvio.Show();
  incornicia(avvio);
  EXPECT_TRUE(intera(avvio));
  QTest::mouseClick(avvio.Command1, Qt::LeftButton);
  EXPECT_TRUE(intera(Menu()));
  Menu().mnuAbout_Click();
  EXPECT_TRUE(intera(platform::Instance<FormInfo>())) << "the about box";
  platform::ChangeWindow(&platform::Instance<FormInfo>(), &Menu());
  for (int i = 0; i < FormMenu::IndiceEsci(); ++i) {
    SCOPED_TRACE(Module1::FinestreMenu()[static_cast<size_t>(i)].classe);
    incorniciate.clear();
    Menu().Command1_Click(i);
    ASSERT_EQ(platform::Form::LoadedCount(), 1);
    platform::Form& finestra = *platform::Form::LoadedForms().front();
    EXPECT_TRUE(intera(finestra)) << "on its first showing";
    const QStringList prima = testi(finestra);
    incornicia(finestra);
    EXPECT_TRUE(intera(finestra)) << "once framed";
    EXPECT_EQ(testi(finestra), prima) << "no second activation: the item drawn stays";
    platform::ChangeWindow(&finestra, &Menu());
  }
}

// Every data file replaced by garbage (random bytes, stray "#", "[", "]", commas, line ends): each
// window still opens, draws, and goes back to the menu, with at most a "Fosku" message.
TEST_F(MenuTest, GarbageDataNeverCrashesOrHangsAWindow) {
  testsupport::TempProgramFolder programma(true);
  const auto& righe = Module1::FinestreMenu();
  int esercizi = 0;
  const std::vector<std::string> files = programma.DataFiles();
  ASSERT_GE(files.size(), 30u);
  std::mt19937 caso(20261208);
  const std::string alfabeto = "ab cdè#[],.\r\n\r\n##[[]]\"\t\x80\xe0\xff";
  for (int giro = 0; giro < 3; ++giro) {
    SCOPED_TRACE(giro);
    for (const auto& f : files) {
      std::string bytes;
      const size_t n = caso() % (giro == 0 ? 40 : 1500);  // the first round: tiny files, often empty
      for (size_t i = 0; i < n; ++i) bytes += alfabeto[caso() % alfabeto.size()];
      testsupport::TempDir::WriteTo(f, bytes);
    }
    for (size_t i = 0; i < righe.size(); ++i) {
      SCOPED_TRACE(righe[i].classe);
      Menu().Show();
      Menu().Command1_Click(static_cast<int>(i));
      ASSERT_EQ(platform::Form::LoadedCount(), 1);
      platform::Form* finestra = platform::Form::LoadedForms().front();
      if (auto* esercizio = dynamic_cast<ExerciseWindow*>(finestra)) {
        ++esercizi;
        for (int n = 0; n < 10; ++n) esercizio->GeneraEsercizio();
        esercizio->mnuVisual_Click();
        esercizio->mnuChiudi_Click();
        esercizio->mnuEsci_Click();
      } else if (auto* tavole = dynamic_cast<Form3*>(finestra)) {
        for (int k = 0; k < 5; ++k) {
          tavole->Option1_Click(k);
          for (int t = 0; t < 16; ++t) tavole->Option2_Click(t);
          tavole->mnuVis_Click();
          tavole->mnuChiudi_Click();
        }
        tavole->mnuEsci_Click();
      } else {
        ADD_FAILURE() << "a window this test does not know how to drive";
        finestra->Unload();
      }
      EXPECT_TRUE(Menu().IsLoaded());
    }
  }
  EXPECT_EQ(esercizi, 3 * std::count_if(righe.begin(), righe.end(), [](const FinestraMenu& r) { return r.esercizio; }));
  EXPECT_FALSE(messaggi.isEmpty());  // tiny or empty files are reported
  messaggi.clear();
}
