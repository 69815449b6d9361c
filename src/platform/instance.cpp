#include "platform/instance.h"

#include <cstdlib>

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
int g_fd = -1;

enum class Lock { Taken, HeldElsewhere, Unusable };

// Tries one lock file. Only a plain file of our own user serves: anything else in its place
// (a folder, a link, another user's file, which could hold the lock for ever) is unusable.
Lock TryLock(const std::string& path) {
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
  g_fd = fd;
  return Lock::Taken;
}

std::string RuntimeFolder() {
  if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run != nullptr && *run != '\0') return run;
  if (const char* tmp = std::getenv("TMPDIR"); tmp != nullptr && *tmp != '\0') return tmp;
  return "/tmp";
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
  if (g_fd >= 0) return true;
  // Every start of the same user walks the same places in the same order, so all of them meet
  // at the first place that can serve.
  const std::string places[] = {RuntimeFolder() + "/" + name + "-" + std::to_string(getuid()) + ".lock",
                                DriveC() + "/." + name + ".lock"};
  for (const std::string& path : places) {
    switch (TryLock(path)) {
      case Lock::Taken: return true;
      case Lock::HeldElsewhere: return false;
      case Lock::Unusable: break;
    }
  }
  return true;  // no lock can be made anywhere: do not refuse to start
#endif
}

void ReleaseInstanceLock() {
#ifdef _WIN32
  if (g_mutex != nullptr) {
    CloseHandle(g_mutex);
    g_mutex = nullptr;
  }
#else
  if (g_fd >= 0) {
    close(g_fd);
    g_fd = -1;
  }
#endif
}

}  // namespace platform
