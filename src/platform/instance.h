// The previous-instance test: a per-user lock held for the whole run.
#pragma once

#include <string>

namespace platform {

// Takes the lock named `name` (in $XDG_RUNTIME_DIR, else the temporary folder). Returns false
// when another running process holds it. The lock file is opened close-on-exec, so programs
// started from ours do not inherit it. Calling it again in the same process returns true.
bool TakeInstanceLock(const std::string& name);
// Drops the lock (tests use it; the program keeps it until it ends).
void ReleaseInstanceLock();

}  // namespace platform
