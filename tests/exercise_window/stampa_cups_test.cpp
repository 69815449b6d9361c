// Printing through a real print service: a CUPS daemon of the test's own (its own folder, port
// and socket), started and stopped by the test, with a queue that writes its jobs, after the
// system's PDF filters, to a file in the test's folder.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "exercises/verbs/form11_classification.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "support/exercise_fixture.h"
#include "support/temp_dirs.h"

namespace {

using namespace std::chrono_literals;

// The daemon's own port: the first free one of 16310 to 16319 (the test speaks to it through its
// socket; the port keeps it from taking the system's).
int PortaLibera() {
  for (int porta = 16310; porta <= 16319; ++porta) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(porta));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool libera = bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    if (libera) return porta;
  }
  return 16319;
}
const char* const kPpd = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

QString Programma(const char* nome) {
  return QStandardPaths::findExecutable(QString::fromUtf8(nome), {"/usr/sbin", "/usr/bin", "/sbin", "/usr/local/sbin"});
}

// A CUPS daemon of the test's own, in the foreground, until the object goes.
class CupsPrivato {
 public:
  CupsPrivato() : base_(QString::fromStdString(dir_.path())), socket_(base_ + "/cups.sock") {
    // The daemon's filters run as its own user when it is started by root: they must reach
    // the spool folder inside.
    chmod(dir_.path().c_str(), 0755);
    for (const char* d : {"root", "spool/tmp", "cache", "state", "log"}) QDir(base_).mkpath(d);
    dir_.Write("cupsd.conf", QStringLiteral("Listen localhost:%1\nListen %2\nBrowsing Off\nWebInterface No\n"
                                            "DefaultAuthType None\nDefaultPolicy aperta\nLogLevel warn\n"
                                            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                            "<Policy aperta>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                                 .arg(PortaLibera())
                                 .arg(socket_)
                                 .toStdString());
    dir_.Write("cups-files.conf", QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                                                 "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/log/error_log\n"
                                                 "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                                 "Printcap %1/printcap\nFileDevice Yes\n")
                                      .arg(base_)
                                      .toStdString());
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert("CUPS_SERVER", socket_);
    env_.insert("CUPS_SERVERROOT", base_ + "/root");  // where root's lpoptions go: never the system's
  }
  ~CupsPrivato() {
    Riprendi();
    Ferma();
  }

  // Starts the daemon and waits (at most 20 s) until it answers.
  bool Avvia() {
    daemon_.setProcessEnvironment(env_);
    daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    daemon_.start(Programma("cupsd"), {"-f", "-c", base_ + "/cupsd.conf", "-s", base_ + "/cups-files.conf"});
    if (!daemon_.waitForStarted(10000)) return false;
    const auto servizio = platform::SystemPrintService(1s, 1s);
    return QTest::qWaitFor(
        [&] {
          return daemon_.state() == QProcess::Running &&
                 servizio->Printers(std::chrono::steady_clock::now() + 1s).answer == platform::ServiceAnswer::Answered;
        },
        20000);
  }
  void Ferma() {
    if (daemon_.state() == QProcess::NotRunning) return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(10000)) {
      daemon_.kill();
      daemon_.waitForFinished(10000);
    }
  }
  // The daemon stops answering (as a hung or remote print server does), then goes on.
  void Sospendi() {
    if (daemon_.state() == QProcess::Running) kill(static_cast<pid_t>(daemon_.processId()), SIGSTOP);
  }
  void Riprendi() {
    if (daemon_.state() == QProcess::Running) kill(static_cast<pid_t>(daemon_.processId()), SIGCONT);
  }
  // Runs one of CUPS's administration commands on this daemon; true when it succeeded.
  bool Comando(const char* nome, const QStringList& argomenti) {
    QProcess p;
    p.setProcessEnvironment(env_);
    p.start(Programma(nome), argomenti);
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  }
  // A queue that writes what it prints, as PDF, to `<name>.pdf` in the daemon's folder.
  bool Coda(const QString& nome) {
    return Comando("lpadmin", {"-p", nome, "-E", "-v", "file://" + Uscita(nome), "-P", QString::fromUtf8(kPpd)});
  }
  QString Uscita(const QString& nome) const { return base_ + "/" + nome + ".pdf"; }
  // The page log: one line for each job printed, with the job's name.
  QString Pagine() const {
    QFile f(base_ + "/log/page_log");
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }
  const QString& Socket() const { return socket_; }
  QString Radice() const { return base_ + "/root"; }

 private:
  testsupport::TempDir dir_;
  QString base_;
  QString socket_;
  QProcessEnvironment env_;
  QProcess daemon_;
};

// An exercise window printing through the system's print service, pointed at the test's daemon.
class PrintServiceOfTheSystem : public testsupport::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    qputenv("CUPS_SERVER", cups.Socket().toUtf8());
    qputenv("CUPS_SERVERROOT", cups.Radice().toUtf8());
    platform::SetPrintService(platform::SystemPrintService(500ms, 3s));
  }
  void TearDown() override {
    platform::SetPrintService(nullptr);
    qputenv("CUPS_SERVER", prima_);
    if (radicePrima_.isNull()) {
      qunsetenv("CUPS_SERVERROOT");
    } else {
      qputenv("CUPS_SERVERROOT", radicePrima_);
    }
    ExerciseTest::TearDown();
  }
  CupsPrivato cups;

 private:
  QByteArray prima_ = qgetenv("CUPS_SERVER");
  QByteArray radicePrima_ = qgetenv("CUPS_SERVERROOT");
};

}  // namespace

TEST_F(PrintServiceOfTheSystem, PrintsThroughCupsAndTellsWhatItAnswers) {
  for (const char* p : {"cupsd", "lpadmin", "cupsreject", "cupsdisable"}) ASSERT_FALSE(Programma(p).isEmpty()) << p;
  ASSERT_TRUE(QFileInfo::exists(kPpd));
  ASSERT_TRUE(cups.Avvia());
  auto& w = testsupport::Mostrata<Form11>();
  const QString documenti = QString::fromStdString(home.home()) + "/Documents";
  const QRegularExpression nomeStampa(QStringLiteral("Fosku - %1 - \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d")
                                          .arg(QRegularExpression::escape(w.windowTitle())));
  QStringList boxes;
  platform::SetMsgBoxHandler(testsupport::Annota(boxes, platform::vbYes, true));
  // Ctrl+S as the pupil presses it: the boxes shown after "Avvio la stampa?", one a line.
  const auto stampa = [&] {
    boxes.clear();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(boxes.value(0), "36 Avvio la stampa?");
    return boxes.mid(1).join("\n| ").toStdString();
  };
  // The message of pages saved as a PDF in the documents, for the one file there (taken away).
  const auto salvata = [&](const QString& perche) {
    const QStringList pdf = QDir(documenti).entryList({"*.pdf"}, QDir::Files);
    QDir(documenti).removeRecursively();
    const QString dove = pdf.size() == 1 ? documenti + "/" + pdf[0] : QStringLiteral("(%1 files)").arg(pdf.size());
    return QStringLiteral("64 %1: la stampa è stata salvata nel file\n%2").arg(perche, dove).toStdString();
  };

  // One queue, no system default: the print goes there, under its name, in landscape.
  ASSERT_TRUE(cups.Coda("Aula"));
  EXPECT_EQ(stampa(), "64 Sto stampando");
  ASSERT_TRUE(QTest::qWaitFor([&] { return nomeStampa.match(cups.Pagine()).hasMatch(); }, 30000)) << cups.Pagine().toStdString();
  EXPECT_TRUE(cups.Pagine().startsWith("Aula ")) << cups.Pagine().toStdString();
  // The document that came out, once whole: the PDF printer's job header names it too.
  QByteArray pagine;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        QFile uscita(cups.Uscita("Aula"));
        pagine = uscita.open(QIODevice::ReadOnly) ? uscita.readAll() : QByteArray();
        return pagine.contains("%%EOF");
      },
      30000));
  EXPECT_TRUE(pagine.contains("%PDF"));
  EXPECT_TRUE(nomeStampa.match(QString::fromUtf8(pagine.left(pagine.indexOf("%PDF")))).hasMatch());
  // An A4 sheet, landscape.
  EXPECT_TRUE(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+842\\s+595\\s*\\]"))
                  .match(QString::fromLatin1(pagine))
                  .hasMatch());
  EXPECT_TRUE(QDir(documenti).entryList({"*.pdf"}, QDir::Files).isEmpty());

  // The queue turns jobs away: said with its cause, and the pages are saved.
  ASSERT_TRUE(cups.Comando("cupsreject", {"Aula"}));
  std::string detto = stampa();
  EXPECT_EQ(detto, "64 Sto stampando\n| " + salvata("La stampante «Aula» non accetta stampe in questo momento"));
  ASSERT_TRUE(cups.Comando("cupsaccept", {"Aula"}));

  // A paused queue takes the job and keeps it.
  ASSERT_TRUE(cups.Comando("cupsdisable", {"Aula"}));
  detto = stampa();
  EXPECT_TRUE(QString::fromStdString(detto).startsWith("64 Sto stampando\n| 48 La stampante «Aula» è in pausa")) << detto;
  EXPECT_TRUE(QDir(documenti).entryList({"*.pdf"}, QDir::Files).isEmpty());

  // Two queues and the system's default the second: the default prints; and so it does with an
  // instance of it (the user's options for it, listed beside the queues).
  ASSERT_TRUE(cups.Coda("Biblioteca"));
  ASSERT_TRUE(cups.Comando("lpadmin", {"-d", "Biblioteca"}));
  const QRegularExpression biblioteca(QStringLiteral("^Biblioteca "), QRegularExpression::MultilineOption);
  for (int volte = 1; volte <= 2; ++volte) {
    if (volte == 2) {
      ASSERT_TRUE(cups.Comando("lpoptions", {"-p", "Biblioteca/fronte-retro", "-o", "sides=two-sided-long-edge"}));
    }
    EXPECT_EQ(stampa(), "64 Sto stampando");
    EXPECT_TRUE(QTest::qWaitFor([&] { return cups.Pagine().count(biblioteca) >= volte; }, 30000));
  }

  // A daemon that does not answer: the window waits half a second, then saves the pages.
  cups.Sospendi();
  detto = stampa();
  cups.Riprendi();
  EXPECT_EQ(detto, salvata("Il servizio di stampa del sistema non ha risposto"));

  cups.Ferma();
  detto = stampa();
  EXPECT_EQ(detto, salvata("Il servizio di stampa del sistema non è attivo"));
}
