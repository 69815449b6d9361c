// The previous-instance test: a per-user lock held for the whole run.
#pragma once

#include <string>

namespace platform {

// Takes the lock named `name`: a lock file in $XDG_RUNTIME_DIR (else $TMPDIR, else /tmp) or,
// when that one cannot serve (a folder or another user's file in its place), one in the
// user's own settings folder (DriveC()). Returns false when another running process holds
// it; true when the lock is taken, and also when no lock can be made anywhere (the program
// then starts without one). The lock file is opened close-on-exec, so programs started from
// ours do not inherit it. Calling it again in the same process returns true.
bool TakeInstanceLock(const std::string& name);
// Drops the lock (tests use it; the program keeps it until it ends).
void ReleaseInstanceLock();

}  // namespace platform
