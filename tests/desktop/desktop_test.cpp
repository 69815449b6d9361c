// The program on a real desktop, as a pupil meets it: an X server of the test's own (Xvfb, on the
// first free display, which it names itself: other X servers may run beside it), a window manager
// (openbox) that keeps a dock 40 pixels high along the top of the screen, the real program, and
// real keys and pointer moves sent through the X server (xdotool). A probe loaded into the program
// (tests/support/close_probe, as "foskustato") says what the pupil would see: the test waits for
// that, a window on show or the focus on a control, never for a fixed time.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <filesystem>
#include <functional>
#include <map>

#include "support/temp_dirs.h"

namespace {

// How long anything may take on a loaded machine before the test gives up on it.
constexpr int kAttesa = 30000;

// What the probe tells of the program at one moment.
struct Stato {
  QString finestra;  // the active window's title
  QString fuoco;     // the control with the focus: its address, so that a move shows
  QString classe, testo, pannello;
  bool visibile = false;
  QString cornice, area;  // the window's frame, the screen's available area: "x,y,w,h"
  QStringList pannelli;   // the status bar's panels on show
  bool vivo = true;       // the program answered

  // The number at the end of the status panel that begins with `etichetta`, or -1.
  int Conta(const QString& etichetta) const {
    for (const QString& p : pannelli) {
      if (p.startsWith(etichetta)) {
        bool ok = false;
        const int n = p.mid(etichetta.size()).trimmed().toInt(&ok);
        return ok ? n : -1;
      }
    }
    return -1;
  }
  int Esatti() const { return Conta("Esatti"); }
  int Errati() const { return Conta("Errati"); }
  std::string Descrizione() const {
    return QStringLiteral("window \"%1\", focus %2 \"%3\" in \"%4\", panels %5")
        .arg(finestra, classe, testo, pannello, pannelli.join(" | "))
        .toStdString();
  }
};

class Desktop : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* strumento : {"Xvfb", "openbox", "xdotool", "xprop"}) {
      ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(strumento)).isEmpty())
          << strumento << " is missing: scripts/install-deps installs it";
    }
    // The server writes its display number once it takes connections. It never resets: a reset when
    // the last of the test's own clients leaves would turn away the window manager connecting then.
    xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    ASSERT_TRUE(xvfb_.waitForStarted(kAttesa));
    QElapsedTimer t;
    t.start();
    QByteArray numero;
    while (!numero.contains('\n') && t.elapsed() < kAttesa && xvfb_.state() == QProcess::Running) {
      xvfb_.waitForReadyRead(200);
      numero += xvfb_.readAllStandardOutput();
    }
    ASSERT_TRUE(numero.contains('\n')) << "no X server: " << xvfb_.readAllStandardError().toStdString();
    display_ = ":" + QString::fromLatin1(numero.trimmed());

    const std::string rc = casa_.Write("openbox/rc.xml",
                                       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
                                       "  <margins><top>40</top><bottom>0</bottom><left>0</left><right>0</right></margins>\n"
                                       "  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>\n"
                                       "</openbox_config>\n");
    openbox_.setProcessEnvironment(Ambiente());
    openbox_.start("openbox", {"--config-file", QString::fromStdString(rc), "--sm-disable"});
    ASSERT_TRUE(openbox_.waitForStarted(kAttesa));
    // The window manager is at work once it has set the screen's work area, less the dock.
    QString area;
    const auto alLavoro = [&] { return (area = Esegui({"xprop", "-root", "_NET_WORKAREA"})).contains("0, 40, 1024, 728"); };
    ASSERT_TRUE(QTest::qWaitFor(alLavoro, kAttesa)) << "no window manager: " << area.toStdString();

    QProcessEnvironment env = Ambiente();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(casa_.path() + "/.config"));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime_.path()));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("QT_PLUGIN_PATH", QString::fromStdString(testsupport::RuntimeDir() + "/test-plugins"));
    env.insert("QT_QPA_GENERIC_PLUGINS", "foskustato");
    env.insert("LSAN_OPTIONS", QStringLiteral("suppressions=" FOSKU_SOURCE_DIR "/tests/desktop/lsan.supp"));
    fosku_.setProcessEnvironment(env);
    fosku_.start(QString::fromStdString(testsupport::RuntimeDir() + "/fosku"), {});
    ASSERT_TRUE(fosku_.waitForStarted(kAttesa));
  }

  void TearDown() override {
    for (QProcess* p : {&fosku_, &openbox_, &xvfb_}) {
      if (p->state() == QProcess::NotRunning) continue;
      p->terminate();
      if (!p->waitForFinished(kAttesa)) {
        p->kill();
        p->waitForFinished(kAttesa);
      }
    }
  }

  QProcessEnvironment Ambiente() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("HOME", QString::fromStdString(casa_.path()));
    env.remove("QT_QPA_PLATFORM");
    return env;
  }

  // Runs a tool on the test's display; its standard output.
  QString Esegui(const QStringList& comando) {
    QProcess p;
    p.setProcessEnvironment(Ambiente());
    p.start(comando.front(), comando.mid(1));
    if (!p.waitForFinished(kAttesa)) {
      p.kill();
      p.waitForFinished(kAttesa);
      ADD_FAILURE() << comando.join(QLatin1Char(' ')).toStdString() << " did not end";
    }
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  // Keys as the pupil presses them ("Return", "alt+m", "shift+Tab").
  void Tasti(const QStringList& tasti) { Esegui(QStringList{"xdotool", "key"} + tasti); }
  void Tasto(const QString& tasto) { Tasti({tasto}); }
  void Scrivi(const QString& testo) { Esegui({"xdotool", "type", "--delay", "30", testo}); }

  // One line of the probe's, for one line of the test's.
  QString Chiedi(const QString& domanda) {
    fosku_.write((domanda + QLatin1Char('\n')).toUtf8());
    QElapsedTimer t;
    t.start();
    while (!fosku_.canReadLine() && fosku_.state() == QProcess::Running && t.elapsed() < kAttesa) {
      fosku_.waitForReadyRead(200);
    }
    return fosku_.canReadLine() ? QString::fromUtf8(fosku_.readLine()).trimmed() : QString();
  }

  Stato Leggi() {
    Stato s;
    const QString riga = Chiedi("stato");
    s.vivo = riga.startsWith("stato");
    std::map<QString, QString> campi;
    for (const QString& campo : riga.split(QLatin1Char('\t'))) {
      const qsizetype uguale = campo.indexOf(QLatin1Char('='));
      if (uguale > 0) campi[campo.left(uguale)] = campo.mid(uguale + 1);
    }
    s.finestra = campi["finestra"];
    const QStringList fuoco = campi["fuoco"].split(QLatin1Char('|'));
    if (fuoco.size() == 5) {
      s.fuoco = fuoco[0];
      s.classe = fuoco[1];
      s.testo = fuoco[2];
      s.pannello = fuoco[3];
      s.visibile = fuoco[4] == "1";
    }
    s.cornice = campi["cornice"];
    s.area = campi["area"];
    if (!campi["pannelli"].isEmpty()) s.pannelli = campi["pannelli"].split(QLatin1Char('|'));
    return s;
  }

  // Asks until the condition holds; fails (saying what was last seen) when it does not in time
  // or the program is gone.
  Stato Attendi(const std::function<bool(const Stato&)>& condizione, const char* cosa) {
    QElapsedTimer t;
    t.start();
    Stato s = Leggi();
    while (s.vivo && !condizione(s) && t.elapsed() < kAttesa) {
      QThread::msleep(20);  // between two questions, not a wait for the answer
      s = Leggi();
    }
    if (!s.vivo) {
      ADD_FAILURE() << "the program is gone while waiting for " << cosa << " (exit status "
                    << static_cast<int>(fosku_.exitStatus()) << ", code " << fosku_.exitCode() << ")\n"
                    << fosku_.readAllStandardError().toStdString();
    } else if (!condizione(s)) {
      ADD_FAILURE() << "never " << cosa << ": " << s.Descrizione();
    }
    return s;
  }
  Stato AttendiFuoco(const QString& finestra, const QString& testo) {
    const std::string cosa = "the focus on \"" + testo.toStdString() + "\" in \"" + finestra.toStdString() + "\"";
    return Attendi([&](const Stato& s) { return s.finestra == finestra && s.testo == testo; }, cosa.c_str());
  }

  // A click of the real pointer on the button on show with this caption; the pointer stays there.
  void Clic(const QString& didascalia) {
    const QStringList dove = Chiedi("dove " + didascalia).split(QLatin1Char(' '));
    ASSERT_EQ(dove.size(), 3) << "no button \"" << didascalia.toStdString() << "\" on show";
    Esegui({"xdotool", "mousemove", dove[1], dove[2], "click", "1"});
  }

  // The window on show comes to fill the screen's available area (the window manager frames it
  // once it is shown, and the window takes its place again then): the dock stays in view.
  void SottoIlDock() {
    const Stato s = Attendi([](const Stato& s) { return !s.cornice.isEmpty() && s.cornice == s.area; },
                            "the window's frame on the screen's available area");
    EXPECT_EQ(s.area.toStdString(), "0,40,1024,728") << "the screen less the dock";
  }

  // Space on the control with the focus until an answer is right, moving on by `tasto` after
  // each wrong one, at most `prove` times: a wrong answer leaves the focus where it is, and the key
  // that moves it never answers and stays among the controls on show of the open step.
  Stato RispondiFinoAlGiusto(Stato s, const std::function<bool(const Stato&)>& giusto, const QString& tasto, int prove) {
    for (int prova = 0; prova < prove && !giusto(s) && !HasFailure(); ++prova) {
      const Stato prima = s;
      Tasto("space");
      s = Attendi([&](const Stato& s) { return s.Errati() == prima.Errati() + 1 || giusto(s); }, "the answer judged");
      if (giusto(s)) break;
      EXPECT_EQ(s.fuoco.toStdString(), prima.fuoco.toStdString()) << "a wrong answer leaves the focus where it is";
      Tasto(tasto);
      s = Attendi([&](const Stato& s) { return s.fuoco != prima.fuoco; }, "the focus moved");
      EXPECT_EQ(s.Errati(), prima.Errati() + 1) << "the key that moves the focus never answers";
      EXPECT_EQ(s.pannello.toStdString(), prima.pannello.toStdString()) << "the focus stays in the open step";
      EXPECT_TRUE(s.visibile) << "the focus never reaches a control that is not on show";
    }
    return s;
  }

  void AlMenu() {
    AttendiFuoco("Fosku", "Avvio");
    SottoIlDock();
    Tasto("Return");
    AttendiFuoco("Fosku", "Coniugazione (fosku all'infinito)");
    SottoIlDock();
  }

  testsupport::TempDir casa_, runtime_;
  QProcess xvfb_, openbox_, fosku_;
  QString display_;
};

const QString kMenu = "Fosku";
const QString kForm1 = "Coniugazione (fosku all'infinito)";

}  // namespace

// Back on the menu from an exercise, the pointer resting on a menu button: Return and Space on the
// button with the focus open its window, and "Esci" (reached by Shift+Tab) saves and ends the
// program, which ends well, as the menu goes away under the pointer each time.
TEST_F(Desktop, KeysOnTheMenuWithThePointerOnAButton) {
  AlMenu();
  Clic(kForm1);
  Attendi([](const Stato& s) { return s.finestra == kForm1; }, "the exercise");
  SottoIlDock();
  for (const char* tasto : {"Return", "space"}) {
    SCOPED_TRACE(tasto);
    Tasto("alt+m");
    AttendiFuoco(kMenu, kForm1);  // the pointer is still where the pupil clicked: on that button
    Tasto(QString::fromLatin1(tasto));
    Attendi([](const Stato& s) { return s.finestra == kForm1 && s.classe.contains("CommandButton"); },
            "the exercise, its first answer button focused");
  }
  Tasto("alt+m");
  AttendiFuoco(kMenu, kForm1);
  Tasti({"shift+Tab", "shift+Tab"});
  AttendiFuoco(kMenu, "Esci");
  Tasto("Return");
  ASSERT_TRUE(fosku_.waitForFinished(kAttesa)) << "\"Esci\" ends the program";
  const std::string errori = fosku_.readAllStandardError().toStdString();
  EXPECT_EQ(fosku_.exitStatus(), QProcess::NormalExit) << errori;
  EXPECT_EQ(fosku_.exitCode(), 0) << errori;
  EXPECT_TRUE(std::filesystem::exists(casa_.path() + "/.config/ImpostazioniProgrammiOlmea/Fosku/fosku.INI"));
}

// Form11's five steps and an item of Form15, by the keyboard alone: in each step of Form11 Space
// answers, a wrong answer leaves the focus where it is, the arrows move it among the step's options
// on show and never answer, and a right answer gives the keys to the next step; in Form15 Tab goes
// from person to person, Space answers, and after the right person Return goes on.
TEST_F(Desktop, Form11AndForm15ByTheKeyboardAlone) {
  AlMenu();
  const QString form11 = "Catalogare i fosku";
  Clic(form11);
  Attendi([&](const Stato& s) { return s.finestra == form11 && s.classe == "QLineEdit"; },
          "the infinitive's box focused");
  SottoIlDock();
  Tasto("ctrl+F4");  // "Declinazioni", "essere": the infinitive is "essere"
  Scrivi("essere");
  Tasto("Return");
  for (const QString pannello : {"declinazione", "persona", "modo", "tempo"}) {
    SCOPED_TRACE(pannello.toStdString());
    Stato s = Attendi([&](const Stato& s) { return s.pannello == pannello; }, "the step's options focused");
    s = RispondiFinoAlGiusto(s, [&](const Stato& s) { return s.pannello != pannello; }, "Down", 9);
    ASSERT_NE(s.pannello, pannello) << "no option of the step was right";
  }
  Stato s = Attendi([](const Stato& s) { return s.classe.contains("CommandButton"); },
                    "the next-item button focused");
  EXPECT_EQ(s.Esatti(), 5) << "five steps right";
  Tasto("Return");
  Attendi([&](const Stato& s) { return s.classe == "QLineEdit" && s.testo.isEmpty(); },
          "the next item's infinitive box focused");

  const QString form15 = "Trova la persona del verbo";
  Tasto("alt+m");
  AttendiFuoco(kMenu, kForm1);
  SottoIlDock();  // the pointer goes where the button stands once the menu is in its place
  Clic(form15);
  AttendiFuoco(form15, "io");
  SottoIlDock();
  s = RispondiFinoAlGiusto(Leggi(), [](const Stato& s) { return s.testo == "Avanti"; }, "Tab", 6);
  ASSERT_EQ(s.testo.toStdString(), "Avanti") << "after the right person, the keys are on \"Avanti\"";
  EXPECT_EQ(s.Esatti(), 1);
  Tasto("Return");
  s = Attendi([](const Stato& s) { return s.testo == "io" && !s.pannelli.contains("Avanti"); },
              "the next sentence, the first person focused");
  EXPECT_EQ(s.Esatti(), 1) << "nothing answered by the key that went on";
}
