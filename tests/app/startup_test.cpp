#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QFont>
#include <QFontInfo>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <algorithm>
#include <array>
#include <filesystem>
#include <span>
#include <vector>
#include <unistd.h>

#include "app/formavvio.h"
#include "app/module1.h"
#include "platform/form.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "settings/moduloperini.h"
#include "support/temp_dirs.h"

namespace fs = std::filesystem;

namespace {

QProcessEnvironment Environment(const testsupport::TempHome& home, const std::string& runtime) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", QString::fromStdString(home.home()));
  env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.config()));
  env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
  env.insert("QT_QPA_PLATFORM", "offscreen");
  return env;
}

QString Program() { return QString::fromStdString(testsupport::RuntimeDir() + "/fosku"); }

// How long a start may take on a slow machine before the test gives up on it.
constexpr int kAttesa = 30000;

// The environment with the probe that says when the program shows its first window.
QProcessEnvironment ConAnnuncio(QProcessEnvironment env) {
  env.insert("QT_PLUGIN_PATH", QString::fromStdString(testsupport::RuntimeDir() + "/test-plugins"));
  env.insert("QT_QPA_GENERIC_PLUGINS", "foskushown");
  return env;
}

// What became of a start with that probe: it showed its window, or it ended; undecided when
// neither happened within the bound.
enum class Esito { Mostrata, Finita, Indecisa };

// Waits, within one bound for all of them, until each start has shown its window or ended. Every
// outcome is known before the test goes on (and kills a copy): a start still loading its
// libraries when another one is killed would find the lock free.
std::vector<Esito> Esiti(std::span<QProcess> avvii) {
  std::vector<Esito> esiti(avvii.size(), Esito::Indecisa);
  std::vector<QByteArray> uscite(avvii.size());
  QElapsedTimer trascorso;
  trascorso.start();
  while (std::count(esiti.begin(), esiti.end(), Esito::Indecisa) > 0 && trascorso.elapsed() < kAttesa) {
    for (size_t i = 0; i < avvii.size(); ++i) {
      if (esiti[i] != Esito::Indecisa) continue;
      QProcess& p = avvii[i];
      p.waitForReadyRead(avvii.size() > 1 ? 20 : 100);
      const bool finita = p.state() == QProcess::NotRunning;
      uscite[i] += p.readAllStandardOutput();
      if (uscite[i].contains("fosku: window shown")) {
        esiti[i] = Esito::Mostrata;
      } else if (finita) {
        esiti[i] = Esito::Finita;
      }
    }
  }
  return esiti;
}

// Waits until the program started with that probe shows a window (true) or ends (false).
bool FinestraMostrata(QProcess& p) { return Esiti(std::span(&p, 1)).front() == Esito::Mostrata; }

}  // namespace

TEST(StartUp, FirstStartMakesTheFoldersAndASecondStartTouchesNothing) {
  testsupport::TempHome home;
  testsupport::TempDir runtime;
  const std::string outer = home.config() + "/ImpostazioniProgrammiOlmea";

  QProcess first;
  first.setProcessEnvironment(ConAnnuncio(Environment(home, runtime.path())));
  first.start(Program(), {});
  ASSERT_TRUE(first.waitForStarted(kAttesa));
  // The program runs until its window is closed; its folders are made before it shows one.
  ASSERT_TRUE(FinestraMostrata(first));
  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_TRUE(fs::is_directory(outer + "/Fosku"));
  EXPECT_TRUE(fs::exists(outer + "/leggimi.txt"));
  EXPECT_FALSE(fs::exists(outer + "/Fosku/fosku.INI"));  // nothing is saved before "Esci"

  // With the first one running, a second start ends at once and re-creates nothing.
  fs::remove_all(outer);
  QProcess second;
  second.setProcessEnvironment(Environment(home, runtime.path()));
  second.start(Program(), {});
  ASSERT_TRUE(second.waitForFinished(kAttesa));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_FALSE(fs::exists(outer));
  EXPECT_EQ(first.state(), QProcess::Running);

  first.kill();
  first.waitForFinished(kAttesa);

  // Once the first has ended, a new start runs again.
  QProcess third;
  third.setProcessEnvironment(ConAnnuncio(Environment(home, runtime.path())));
  third.start(Program(), {});
  ASSERT_TRUE(third.waitForStarted(kAttesa));
  ASSERT_TRUE(FinestraMostrata(third));
  EXPECT_EQ(third.state(), QProcess::Running);
  EXPECT_TRUE(fs::is_directory(outer + "/Fosku"));
  third.kill();
  third.waitForFinished(kAttesa);
}

// The window on screen closed through the window system (its close box), with no other window
// loaded: the program ends by itself, saves nothing, and a new start runs again. The real program
// is started with a probe plugin that presses the buttons named and then sends the close.
TEST(StartUp, TheCloseBoxOfTheLastWindowEndsTheProgramAndFreesTheLock) {
  struct Caso {
    const char* passi;  // buttons pressed before the close, separated by "|"
    const char* finestra;
  };
  for (const Caso& c : {Caso{"", "the start window"}, Caso{"Avvio", "the menu"},
                        Caso{"Avvio|Tabelle mescolate", "an exercise window"}}) {
    SCOPED_TRACE(c.finestra);
    testsupport::TempHome home;
    testsupport::TempDir runtime;
    const std::string ini = home.config() + "/ImpostazioniProgrammiOlmea/Fosku/fosku.INI";
    QProcessEnvironment env = Environment(home, runtime.path());
    env.insert("QT_PLUGIN_PATH", QString::fromStdString(testsupport::RuntimeDir() + "/test-plugins"));
    env.insert("QT_QPA_GENERIC_PLUGINS", QStringLiteral("foskuclose:") + QString::fromUtf8(c.passi));
    QProcess fosku;
    fosku.setProcessEnvironment(env);
    fosku.start(Program(), {});
    ASSERT_TRUE(fosku.waitForStarted(kAttesa));
    const bool finito = fosku.waitForFinished(kAttesa);
    if (!finito) {
      fosku.kill();
      fosku.waitForFinished(kAttesa);
    }
    ASSERT_TRUE(finito) << "the program outlived its last window: " << fosku.readAllStandardError().toStdString();
    EXPECT_EQ(fosku.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(fosku.exitCode(), 0) << fosku.readAllStandardError().toStdString();
    EXPECT_FALSE(fs::exists(ini));  // the close box saves nothing

    // The lock went with it: the next start runs (it shows its window and stays).
    QProcess dopo;
    dopo.setProcessEnvironment(ConAnnuncio(Environment(home, runtime.path())));
    dopo.start(Program(), {});
    ASSERT_TRUE(dopo.waitForStarted(kAttesa));
    EXPECT_TRUE(FinestraMostrata(dopo));
    EXPECT_EQ(dopo.state(), QProcess::Running);
    dopo.kill();
    dopo.waitForFinished(kAttesa);
  }
}

TEST(StartUp, ThreeStartsAtOnceLeaveOneCopyWhenAFolderStandsInPlaceOfTheLockFile) {
  testsupport::TempHome home;
  testsupport::TempDir runtime;
  fs::create_directories(runtime.path() + "/fosku-" + std::to_string(getuid()) + ".lock/x");
  std::array<QProcess, 3> starts;
  for (QProcess& p : starts) {
    p.setProcessEnvironment(ConAnnuncio(Environment(home, runtime.path())));
    p.start(Program(), {});
  }
  for (QProcess& p : starts) ASSERT_TRUE(p.waitForStarted(kAttesa));
  // Each copy either shows its window or ends: exactly one shows it, the others end at once. No
  // copy is stopped before every start has had its say.
  const std::vector<Esito> esiti = Esiti(starts);
  for (QProcess& p : starts) {
    if (p.state() != QProcess::NotRunning) p.kill();
    p.waitForFinished(kAttesa);
  }
  EXPECT_EQ(std::count(esiti.begin(), esiti.end(), Esito::Mostrata), 1) << "windows shown";
  EXPECT_EQ(std::count(esiti.begin(), esiti.end(), Esito::Indecisa), 0) << "starts neither shown nor ended";
  for (size_t i = 0; i < starts.size(); ++i) {
    if (esiti[i] != Esito::Finita) continue;
    EXPECT_EQ(starts[i].exitStatus(), QProcess::NormalExit) << "start " << i;
    EXPECT_EQ(starts[i].exitCode(), 0) << "start " << i;
  }
}

TEST(StartUp, AFontNameTheSettingsFileCannotSpellIsSavedAsTheFontOnScreen) {
  testsupport::TempHome home;
  Module1::Main();
  for (auto* f : platform::Form::LoadedForms()) f->Unload();
  for (const char* name : {"Ωmega Sans", "Шрифт", "Liberation Sans"}) {
    SCOPED_TRACE(name);
    const std::string written = Module1::WritableFontName(name);
    EXPECT_FALSE(written.empty());
    EXPECT_TRUE(platform::FitsCp1252(written));
    // The name saved brings back the font the pupil saw.
    EXPECT_EQ(QFontInfo(QFont(QString::fromStdString(written))).family(), QFontInfo(QFont(name)).family());

    ModuloPerIni::ImpostazioniPredefinite();
    ModuloPerIni::Impostazioni.NomeFont[3] = name;
    ASSERT_TRUE(ModuloPerIni::SalvaImpostazioni());
    ModuloPerIni::LeggiImpostazioni();
    EXPECT_EQ(ModuloPerIni::Impostazioni.NomeFont[3], platform::FitsCp1252(name) ? name : written);
  }
}

TEST(StartWindow, CoversTheScreenWithItsControlsInProportion) {
  FormAvvio& avvio = platform::Instance<FormAvvio>();
  avvio.Show();
  ASSERT_TRUE(avvio.IsLoaded());
  EXPECT_EQ(platform::Form::LoadedCount(), 1);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(avvio.frameGeometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(avvio.frameGeometry().size(), screen.size());

  EXPECT_EQ(avvio.Label1->text(), "Fosku");
  EXPECT_EQ(avvio.Label2->text(), "16 dicembre 2005");
  EXPECT_EQ(avvio.Command1->text(), "Avvio");
  EXPECT_EQ(platform::ForeColor(avvio.Label1), QColor(192, 255, 255));
  EXPECT_EQ(platform::BackColor(avvio.Surface()), QColor(0, 0, 255));
  EXPECT_TRUE(avvio.Label1->font().bold());
  EXPECT_DOUBLE_EQ(avvio.Label1->font().pointSizeF(), 150);

  // The inner area grew from its design 9030 x 6750: the title grew by the same ratios.
  const double rx = avvio.ScaleWidth() / 9030.0;
  const double ry = avvio.ScaleHeight() / 6750.0;
  const QRectF title = platform::TwipsRect(avvio.Label1);
  EXPECT_NEAR(title.left(), 360 * rx, 1);
  EXPECT_NEAR(title.width(), 8295 * rx, 1);
  EXPECT_NEAR(title.top(), 360 * ry, 1);
  EXPECT_NEAR(title.height(), 4215 * ry, 1);
  EXPECT_GT(rx, 1.0);

  // Closing the only loaded window unloads it: no window is left.
  avvio.close();
  EXPECT_FALSE(avvio.IsLoaded());
  EXPECT_EQ(platform::Form::LoadedCount(), 0);
  EXPECT_EQ(avvio.Label1, nullptr);
}
