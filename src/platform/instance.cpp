#include "platform/instance.h"

#include <cstdlib>

#include <string>
#include <vector>

#include "platform/paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace {
#ifdef _WIN32
HANDLE g_mutex = nullptr;
#else
std::vector<int> g_fds;  // the lock files held, one for each place that could serve
bool g_taken = false;

enum class Lock { Taken, HeldElsewhere, Unusable };

// Tries one lock file. Only a plain file of our own user serves: anything else in its place
// (a folder, a link, another user's file, which could hold the lock for ever) is unusable.
Lock TryLock(const std::string& path, int& held) {
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
  if (fd < 0) return Lock::Unusable;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
    close(fd);
    return Lock::Unusable;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    close(fd);
    return err == EWOULDBLOCK ? Lock::HeldElsewhere : Lock::Unusable;
  }
  held = fd;
  return Lock::Taken;
}

void CloseAll() {
  for (const int fd : g_fds) close(fd);
  g_fds.clear();
}
#endif
}  // namespace

bool TakeInstanceLock(const std::string& name) {
#ifdef _WIN32
  if (g_mutex != nullptr) return true;
  g_mutex = CreateMutexA(nullptr, TRUE, ("Local\\" + name).c_str());
  if (g_mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(g_mutex);
    g_mutex = nullptr;
    return false;
  }
  return true;
#else
  if (g_taken) return true;
  // The places a start of this user may lock: the session's runtime folder, when the session has
  // one, and the user's settings folder; never a folder shared with other users. The runtime
  // folder can appear while a copy runs (the toolkit makes it at start-up), so no place alone
  // is enough: a start locks every place that can serve and gives way when any of them is held.
  std::vector<std::string> places;
  if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run != nullptr && *run != '\0') {
    places.push_back(std::string(run) + "/" + name + "-" + std::to_string(getuid()) + ".lock");
  }
  if (const std::string config = DriveC(); !config.empty()) places.push_back(config + "/." + name + ".lock");
  for (const std::string& path : places) {
    int fd = -1;
    switch (TryLock(path, fd)) {
      case Lock::Taken: g_fds.push_back(fd); break;
      case Lock::HeldElsewhere: CloseAll(); return false;
      case Lock::Unusable: break;
    }
  }
  g_taken = true;  // with no place that can serve, the program starts without a lock
  return true;
#endif
}

void ReleaseInstanceLock() {
#ifdef _WIN32
  if (g_mutex != nullptr) {
    CloseHandle(g_mutex);
    g_mutex = nullptr;
  }
#else
  CloseAll();
  g_taken = false;
#endif
}

}  // namespace platform
