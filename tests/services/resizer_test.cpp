#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "platform/form.h"
#include "platform/twips.h"
#include "services/clsresize.h"

namespace {

// A window with three controls at known design places.
class ProvaForm : public platform::Form {
 public:
  QLabel* plain = nullptr;
  QLabel* fixed = nullptr;
  QPushButton* leftWidth = nullptr;
  int resizes = 0;
  double designW = 9000, designH = 6000;

 protected:
  void Form_Load() override {
    SetDesignSize(designW, designH);
    plain = AddControl(new QLabel("a", Surface()), 900, 600, 1800, 1200);
    fixed = AddControl(new QLabel("b", Surface()), 300, 300, 600, 600);
    platform::SetTag(fixed, "@");
    leftWidth = AddControl(new QPushButton("c", Surface()), 3000, 3000, 1500, 900);
    platform::SetTag(leftWidth, "@lw");
    resizer = std::make_unique<clsResize>();
    resizer->SourceForm(this);
  }
  void Form_Resize() override {
    ++resizes;
    if (resizer) resizer->ResizeControls();
  }

 public:
  std::unique_ptr<clsResize> resizer;
};

struct ScreenOverride {
  explicit ScreenOverride(QSizeF twips) {
    platform::SetScreenSizeOverride([twips] { return twips; });
  }
  ~ScreenOverride() { platform::SetScreenSizeOverride({}); }
};

void ExpectRect(QWidget* w, double l, double t, double wd, double h, const char* what) {
  const QRectF r = platform::TwipsRect(w);
  EXPECT_NEAR(r.left(), l, 1e-6) << what;
  EXPECT_NEAR(r.top(), t, 1e-6) << what;
  EXPECT_NEAR(r.width(), wd, 1e-6) << what;
  EXPECT_NEAR(r.height(), h, 1e-6) << what;
}

}  // namespace

TEST(Resizer, SizesToThreeQuartersOfTheScreenAndCentres) {
  struct Case {
    double screenW, screenH, width, height, left, top;
  };
  // 1024 x 768 and 1366 x 768 pixels at 15 twips per pixel.
  const Case cases[] = {{15360, 11520, 11520, 8640, 1920, 1440}, {20490, 11520, 15367, 8640, 2561.5, 1440}};
  for (const auto& c : cases) {
    ScreenOverride screen({c.screenW, c.screenH});
    ProvaForm f;
    f.Show();
    f.resizer->SizeFormToScreen(75);
    // The window is placed in whole pixels: within one pixel (15 twips) of the figures.
    EXPECT_NEAR(f.Width(), c.width, 15);
    EXPECT_NEAR(f.Height(), c.height, 15);
    EXPECT_NEAR(f.Left(), c.left, 15);
    EXPECT_NEAR(f.Top(), c.top, 15);
    f.Unload();
  }
}

TEST(Resizer, ScalesInProportionFromTheDesignWithoutDrift) {
  ProvaForm f;
  f.designW = 9000;
  f.designH = 6000;
  f.Show();
  f.resizer->ResizeControls();  // first call: records and stops
  ExpectRect(f.plain, 900, 600, 1800, 1200, "recorded, unchanged");
  EXPECT_EQ(f.resizer->BaseWidth(), 9000);
  EXPECT_EQ(f.resizer->BaseHeight(), 6000);

  // 9000 x 6000 to 13500 x 9000: everything by 1.5.
  f.resize(platform::ToPixelsX(13500), platform::ToPixelsY(9000) + (f.height() - f.Surface()->height()));
  f.resizer->ResizeControls();
  ASSERT_NEAR(f.ScaleWidth(), 13500, 1e-6);
  ExpectRect(f.plain, 1350, 900, 2700, 1800, "all four scaled");
  ExpectRect(f.fixed, 300, 300, 600, 600, "a tag of @ alone never moves");
  ExpectRect(f.leftWidth, 4500, 3000, 2250, 900, "@lw: left and width only");

  // Many odd sizes, then back: the controls return exactly to their design places.
  for (int i = 0; i < 25; ++i) {
    f.resize(317 + 13 * i, 211 + 7 * i + (f.height() - f.Surface()->height()));
    f.resizer->ResizeControls();
  }
  f.resize(platform::ToPixelsX(9000), platform::ToPixelsY(6000) + (f.height() - f.Surface()->height()));
  f.resizer->ResizeControls();
  ExpectRect(f.plain, 900, 600, 1800, 1200, "back to design, no drift");
  ExpectRect(f.leftWidth, 3000, 3000, 1500, 900, "back to design, no drift");
  f.Unload();
}

TEST(Resizer, TagLettersSelectProperties) {
  struct Case {
    const char* tag;
    double l, t, w, h;
  };
  // Design 1000,1000,1000,1000 on 9000 x 6000; window doubled.
  const Case cases[] = {
      {"", 2000, 2000, 2000, 2000},       {"@", 1000, 1000, 1000, 1000},
      {"@lw", 2000, 1000, 2000, 1000},    {"@height", 1000, 2000, 1000, 2000},
      {"LTWH", 2000, 2000, 2000, 2000},   {"@T,H", 1000, 2000, 1000, 2000},
  };
  for (const auto& c : cases) {
    platform::Form host;
    struct F : platform::Form {
      QLabel* l = nullptr;
      const char* tag = "";
      void Form_Load() override {
        SetDesignSize(9000, 6000);
        l = AddControl(new QLabel("x", Surface()), 1000, 1000, 1000, 1000);
        platform::SetTag(l, tag);
      }
    } f;
    f.tag = c.tag;
    f.Show();
    clsResize r;
    r.SourceForm(&f);
    r.ResizeControls();
    f.resize(platform::ToPixelsX(18000), platform::ToPixelsY(12000) + (f.height() - f.Surface()->height()));
    r.ResizeControls();
    ExpectRect(f.l, c.l, c.t, c.w, c.h, c.tag);
    f.Unload();
  }
}

TEST(Resizer, ZeroBaseSizeAndNoControlsAreLeftAlone) {
  struct F : platform::Form {
    QLabel* l = nullptr;
    void Form_Load() override {
      SetDesignSize(0, 0);
      l = AddControl(new QLabel("x", Surface()), 100, 100, 100, 100);
    }
  } f;
  f.Show();
  f.Surface()->resize(0, 0);
  clsResize r;
  r.SourceForm(&f);
  r.ResizeControls();  // records a zero base size
  f.Surface()->resize(300, 300);
  r.ResizeControls();  // must not divide by zero
  ExpectRect(f.l, 100, 100, 100, 100, "unscaled");
  f.Unload();

  clsResize unbound;
  unbound.ResizeControls();  // no window: nothing happens
  unbound.SizeFormToScreen(75);
}
