#include "services/clsresize.h"

#include <QWidget>
#include <cmath>

#include "platform/twips.h"

namespace Module1 {
std::unique_ptr<clsResize> Ridimensiona;

void NuovoRidimensiona(platform::Form* form) {
  Ridimensiona = std::make_unique<clsResize>();
  Ridimensiona->SourceForm(form);
  Ridimensiona->SizeFormToScreen(75);
}
}  // namespace Module1

clsResize::~clsResize() {
  ControlTable_.clear();
  SourceForm_ = nullptr;
}

void clsResize::SourceForm(platform::Form* New_SourceForm) { SourceForm_ = New_SourceForm; }

void clsResize::Initialise() {
  BaseWidth_ = platform::RoundHalfEven(SourceForm_->ScaleWidth());
  BaseHeight_ = platform::RoundHalfEven(SourceForm_->ScaleHeight());
  ControlTable_.clear();
  for (QWidget* c : SourceForm_->Controls()) {
    const QRectF r = platform::TwipsRect(c);
    ControlTable_.push_back({c, platform::RoundHalfEven(r.left()), platform::RoundHalfEven(r.top()),
                             platform::RoundHalfEven(r.width()), platform::RoundHalfEven(r.height())});
  }
  FirstTime_ = false;
}

void clsResize::SizeFormToScreen(std::uint8_t Percent) {
  if (!SourceForm_) return;
  if (FirstTime_) Initialise();
  const double screenH = platform::ScreenHeightTwips();
  const double screenW = platform::ScreenWidthTwips();
  const double H = std::floor(Percent / 100.0 * screenH);
  const double W = std::floor(Percent / 100.0 * screenW);
  SourceForm_->SetTop(static_cast<float>((screenH - H) / 2));
  SourceForm_->SetLeft(static_cast<float>((screenW - W) / 2));
  SourceForm_->SetHeight(H);
  SourceForm_->SetWidth(W);
  ResizeControls();
}

void clsResize::ResizeControls() {
  if (!SourceForm_) return;
  if (SourceForm_->Controls().empty()) return;
  if (SourceForm_->isMinimized()) return;
  if (FirstTime_) {
    Initialise();
    return;
  }
  // A window recorded with no inner size cannot be scaled: leave it as it is.
  if (BaseWidth_ <= 0 || BaseHeight_ <= 0) return;
  SourceForm_->setUpdatesEnabled(false);
  const double ratioY = SourceForm_->ScaleHeight() / BaseHeight_;
  const double ratioX = SourceForm_->ScaleWidth() / BaseWidth_;
  for (const auto& rec : ControlTable_) {
    QWidget* c = rec.control;
    if (c == nullptr) continue;  // a control that has gone since the recording
    QString selection = platform::Tag(c).toUpper();
    if (selection.isEmpty() || !selection.startsWith(QLatin1Char('@'))) selection = QStringLiteral("@L,T,W,H");
    QRectF r = platform::TwipsRect(c);
    if (selection.contains(QLatin1Char('L'))) r.moveLeft(rec.Left * ratioX);
    if (selection.contains(QLatin1Char('T'))) r.moveTop(rec.Top * ratioY);
    if (selection.contains(QLatin1Char('W'))) r.setWidth(rec.Width * ratioX);
    if (selection.contains(QLatin1Char('H'))) r.setHeight(rec.Height * ratioY);
    platform::SetTwipsRect(c, r);
  }
  SourceForm_->setUpdatesEnabled(true);
}
