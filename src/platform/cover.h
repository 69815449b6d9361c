// A widget laid over everything else on its window's surface, as the results grid covers the
// exercise. While it is shown, the widgets under it take neither the focus nor keys (Enter or
// Space must not press a button nobody sees): the focus moves onto the covering widget, or to
// nothing when that takes no focus, and when it is hidden again the focus returns where it was.
#pragma once

class QWidget;

namespace platform {

// From now on, each showing of `over` covers its siblings and their children in this way. The
// watch lives as long as `over`.
void CoverWhenShown(QWidget* over);

}  // namespace platform
