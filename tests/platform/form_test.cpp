// Where a window lies on the screen: its frame and title bar included, also when the window
// manager frames it only after it is shown.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMoveEvent>
#include <QPushButton>

#include "platform/form.h"
#include "platform/twips.h"

namespace {

class Finestra : public platform::Form {
 public:
  int attivazioni = 0, ridimensionamenti = 0;

 protected:
  void Form_Load() override { SetDesignSize(9000, 6000); }
  void Form_Activate() override {
    ++attivazioni;
    CopriSchermo();
  }
  void Form_Resize() override { ++ridimensionamenti; }
};

// A 1024 x 768 screen and a window system that frames the window when the test says so.
class FormGeometry : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetScreenSizeOverride([] { return QSizeF(1024 * 15.0, 768 * 15.0); });
    platform::Form::SetFrameOverride([this](const platform::Form*) { return cornice; });
  }
  void TearDown() override {
    f.Unload();
    platform::Form::SetFrameOverride({});
    platform::SetScreenSizeOverride({});
  }
  void Incornicia(QMargins m) {  // the frame is reported and the window moved
    cornice = m;
    QMoveEvent e(f.pos(), f.pos());
    QCoreApplication::sendEvent(&f, &e);
  }
  QMargins cornice;
  Finestra f;
  const QMargins openbox{1, 20, 1, 5};  // left, top (the title bar), right, bottom
};

}  // namespace

TEST_F(FormGeometry, AFrameThatArrivesLatePlacesTheWindowAgainOnce) {
  f.Show();
  ASSERT_EQ(f.geometry(), QRect(0, 0, 1024, 768));  // nothing known of a frame yet
  const int ridimensionamenti = f.ridimensionamenti;
  Incornicia(openbox);
  EXPECT_EQ(f.geometry(), QRect(1, 20, 1022, 743)) << "the frame fills the screen";
  EXPECT_EQ(f.attivazioni, 1) << "the activation step runs once per showing";
  EXPECT_EQ(f.ridimensionamenti, ridimensionamenti + 1);
  f.setGeometry(100, 120, 500, 400);  // a move of the pupil's stays
  Incornicia(openbox);
  EXPECT_EQ(f.geometry(), QRect(100, 120, 500, 400));

  // The outer measures count the frame.
  f.SetTop(1500);
  f.SetLeft(3000);
  f.SetWidth(6000);
  f.SetHeight(4500);
  EXPECT_EQ(f.geometry(), QRect(200 + 1, 100 + 20, 400 - 2, 300 - 25));
  EXPECT_DOUBLE_EQ(f.Top(), 1500);
  EXPECT_DOUBLE_EQ(f.Left(), 3000);
  EXPECT_DOUBLE_EQ(f.Width(), 6000);
  EXPECT_DOUBLE_EQ(f.Height(), 4500);
}

TEST_F(FormGeometry, TheNextShowingUsesTheFrameLearnt) {
  f.Show();
  Incornicia(openbox);
  f.Unload();
  cornice = QMargins();  // a new native window: not framed yet
  f.Show();
  EXPECT_EQ(f.geometry(), QRect(1, 20, 1022, 743)) << "whole on the screen before its frame arrives";
  const int ridimensionamenti = f.ridimensionamenti;
  Incornicia(openbox);
  EXPECT_EQ(f.ridimensionamenti, ridimensionamenti) << "the same frame: nothing is placed again";
}

namespace {

// A window whose handlers run on a control it drops when unloaded, as every window's do: a filter
// on the control and a handler of its signal. It counts what reaches them once its unload step
// has run, and whether it was still on the screen then.
class FinestraConControllo : public platform::Form {
 public:
  QPushButton* bottone = nullptr;
  bool scaricata = false, visibileAlloScarico = false;
  int eventiDopo = 0, clicDopo = 0;

 protected:
  void Form_Load() override {
    SetDesignSize(6000, 4000);
    scaricata = false;
    bottone = AddControl(new QPushButton(QStringLiteral("Avanti"), Surface()), 600, 600, 2400, 600);
    bottone->installEventFilter(this);
    Surface()->installEventFilter(this);
    connect(bottone, &QPushButton::clicked, this, [this] { clicDopo += scaricata ? 1 : 0; });
  }
  void Form_Unloaded() override {
    visibileAlloScarico = isVisible();
    scaricata = true;
    bottone = nullptr;
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (scaricata) ++eventiDopo;
    return platform::Form::eventFilter(watched, event);
  }
};

}  // namespace

// Unloading takes the window off the screen before its unload step drops its controls: what the
// toolkit sends while the window goes (the pointer crossing, focus, hide) meets a whole window,
// and from the unload step on nothing reaches the window's handlers, though the controls live on
// until the event loop discards them.
TEST(FormUnload, NothingReachesAWindowThatIsGoing) {
  FinestraConControllo f;
  f.Show();
  QPushButton* controllo = f.bottone;
  controllo->setFocus();
  f.Unload();
  EXPECT_FALSE(f.visibileAlloScarico) << "hidden before the unload step";
  EXPECT_EQ(f.eventiDopo, 0) << "no event reached the window's filters after its unload step";
  ASSERT_NE(controllo, nullptr);
  // An event and a click the toolkit still had in hand for the control.
  QEvent entra(QEvent::Enter);
  QCoreApplication::sendEvent(controllo, &entra);
  controllo->click();
  EXPECT_EQ(f.eventiDopo, 0);
  EXPECT_EQ(f.clicDopo, 0);
}
