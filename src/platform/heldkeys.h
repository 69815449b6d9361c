// A key held down is one press. Under X11 a held key arrives as press, release, press,
// release..., and the toolkit marks the repeats only when it finds the next press already
// queued; on a busy machine it is not there yet and a repeat arrives unmarked. The watch knows a
// repeat by what the window system writes on it (a repeat's release and its press carry one time
// stamp) and lets, of each press of Return, Enter or Space, only the press itself and its first
// release reach the program's controls: a button clicks at most once, an answer box judges at
// most once, and the press that brings the next item never answers on it. A box that takes text
// keeps the repeats of Space (a held Space there writes blanks, as anywhere).
#pragma once

namespace platform {

// Puts the watch on every key the application receives (once; later calls do nothing).
void WatchHeldKeys();

}  // namespace platform
