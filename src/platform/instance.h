// The previous-instance test: a per-user lock held for the whole run.
#pragma once

#include <string>

namespace platform {

// Takes the lock named `name`: lock files in $XDG_RUNTIME_DIR (when the session has one) and in
// the user's own settings folder (DriveC()), every one of them that can serve (only a plain
// file of the user's own serves), and on Linux a last place that needs no folder at all, a
// socket in the abstract namespace named for the user and the settings folder (held by a
// process of another user, it is no lock of ours). Returns false when another running process
// of ours holds any of them; true when the lock is taken, and also when no lock can be made
// anywhere (the program then starts without one). A runtime folder that appears while a copy
// runs does not let a second copy in, since both meet at the settings folder. The lock files
// and the socket are close-on-exec, so programs started from ours do not inherit them. Calling
// it again in the same process returns true.
bool TakeInstanceLock(const std::string& name);
// Drops the lock (tests use it; the program keeps it until it ends).
void ReleaseInstanceLock();

}  // namespace platform
