#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QFont>
#include <QFontInfo>
#include <QProcess>
#include <QScreen>
#include <array>
#include <filesystem>
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

}  // namespace

TEST(StartUp, FirstStartMakesTheFoldersAndASecondStartTouchesNothing) {
  testsupport::TempHome home;
  testsupport::TempDir runtime;
  const std::string outer = home.config() + "/ImpostazioniProgrammiOlmea";

  QProcess first;
  first.setProcessEnvironment(Environment(home, runtime.path()));
  first.start(Program(), {});
  ASSERT_TRUE(first.waitForStarted(5000));
  // The program runs until its window is closed: wait for its folders to appear.
  for (int i = 0; i < 100 && !fs::exists(outer + "/Fosku"); ++i) first.waitForFinished(50);
  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_TRUE(fs::is_directory(outer + "/Fosku"));
  EXPECT_TRUE(fs::exists(outer + "/leggimi.txt"));
  EXPECT_FALSE(fs::exists(outer + "/Fosku/fosku.INI"));  // nothing is saved before "Esci"

  // With the first one running, a second start ends at once and re-creates nothing.
  fs::remove_all(outer);
  QProcess second;
  second.setProcessEnvironment(Environment(home, runtime.path()));
  second.start(Program(), {});
  ASSERT_TRUE(second.waitForFinished(5000));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_FALSE(fs::exists(outer));
  EXPECT_EQ(first.state(), QProcess::Running);

  first.kill();
  first.waitForFinished(5000);

  // Once the first has ended, a new start runs again.
  QProcess third;
  third.setProcessEnvironment(Environment(home, runtime.path()));
  third.start(Program(), {});
  ASSERT_TRUE(third.waitForStarted(5000));
  for (int i = 0; i < 100 && !fs::exists(outer + "/Fosku"); ++i) third.waitForFinished(50);
  EXPECT_EQ(third.state(), QProcess::Running);
  EXPECT_TRUE(fs::is_directory(outer + "/Fosku"));
  third.kill();
  third.waitForFinished(5000);
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
    ASSERT_TRUE(fosku.waitForStarted(5000));
    const bool finito = fosku.waitForFinished(8000);
    if (!finito) {
      fosku.kill();
      fosku.waitForFinished(5000);
    }
    ASSERT_TRUE(finito) << "the program outlived its last window: " << fosku.readAllStandardError().toStdString();
    EXPECT_EQ(fosku.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(fosku.exitCode(), 0) << fosku.readAllStandardError().toStdString();
    EXPECT_FALSE(fs::exists(ini));  // the close box saves nothing

    // The lock went with it: the next start runs (and stays until it is closed).
    QProcess dopo;
    dopo.setProcessEnvironment(Environment(home, runtime.path()));
    dopo.start(Program(), {});
    ASSERT_TRUE(dopo.waitForStarted(5000));
    EXPECT_FALSE(dopo.waitForFinished(1500));
    EXPECT_EQ(dopo.state(), QProcess::Running);
    dopo.kill();
    dopo.waitForFinished(5000);
  }
}

TEST(StartUp, ThreeStartsAtOnceLeaveOneCopyWhenAFolderStandsInPlaceOfTheLockFile) {
  testsupport::TempHome home;
  testsupport::TempDir runtime;
  fs::create_directories(runtime.path() + "/fosku-" + std::to_string(getuid()) + ".lock/x");
  std::array<QProcess, 3> starts;
  for (QProcess& p : starts) {
    p.setProcessEnvironment(Environment(home, runtime.path()));
    p.start(Program(), {});
  }
  for (QProcess& p : starts) ASSERT_TRUE(p.waitForStarted(5000));
  // The copies that lose end at once; give them time, then count the ones still running.
  auto running = [&starts](int ms) {
    int n = 0;
    for (QProcess& p : starts) n += p.waitForFinished(ms) || p.state() != QProcess::Running ? 0 : 1;
    return n;
  };
  for (int i = 0; i < 100 && running(20) > 1; ++i) {
  }
  EXPECT_EQ(running(300), 1);  // a second winner would have shown by now
  for (QProcess& p : starts) {
    if (p.state() == QProcess::Running) {
      p.kill();
    } else {
      EXPECT_EQ(p.exitCode(), 0);
    }
    p.waitForFinished(5000);
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
