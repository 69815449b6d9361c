#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <filesystem>

#include "app/formavvio.h"
#include "platform/form.h"
#include "platform/twips.h"
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
