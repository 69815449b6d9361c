// The main of every window test: one QApplication for the whole test program.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/paths.h"

namespace {

// A modal dialog that waits for an answer no test gives (a message box the test did not expect,
// a dialog its driver missed) would hold the test until the runner kills it, with no word of why.
// One that stays open this long fails the running test with its text and is closed. A box with
// nothing to press (the wait of a print) ends by itself and is left alone.
constexpr int kDialogoMassimo = 10000;  // ms

QWidget* DialogoCheAspetta() {
  QWidget* modale = QApplication::activeModalWidget();
  if (modale == nullptr) return nullptr;
  for (QAbstractButton* b : modale->findChildren<QAbstractButton*>()) {
    if (b->isVisible() && b->isEnabled()) return modale;
  }
  return nullptr;
}

void SorvegliaDialoghi() {
  static QPointer<QWidget> aperto;
  static QElapsedTimer da;
  QWidget* modale = DialogoCheAspetta();
  if (modale != aperto) {
    aperto = modale;
    da.start();
    return;
  }
  if (modale == nullptr || da.elapsed() < kDialogoMassimo) return;
  QString testo = modale->windowTitle();
  if (auto* box = qobject_cast<QMessageBox*>(modale)) testo += QStringLiteral(": ") + box->text();
  ADD_FAILURE() << "a dialog no test answered, closed after " << kDialogoMassimo / 1000 << " s: "
                << testo.toStdString();
  if (auto* dialogo = qobject_cast<QDialog*>(modale)) {
    dialogo->reject();
  } else {
    modale->close();
  }
  aperto = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (as CTest does before every run) needs no window system: nothing of Qt starts.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // No test reaches the machine's print service: a test that prints through one starts its own.
  qputenv("CUPS_SERVER", "/nonexistent/fosku-test/cups.sock");
  QApplication app(argc, argv);
  platform::SetProgramFolder(FOSKU_RUNTIME_DIR);
  QTimer sorveglianza;
  QObject::connect(&sorveglianza, &QTimer::timeout, &SorvegliaDialoghi);
  sorveglianza.start(250);
  return RUN_ALL_TESTS();
}
