#include "platform/instance.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace platform {
namespace {
#ifdef _WIN32
HANDLE g_mutex = nullptr;
#else
int g_fd = -1;
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
  std::string dir;
  if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run != nullptr && *run != '\0') {
    dir = run;
  } else if (const char* tmp = std::getenv("TMPDIR"); tmp != nullptr && *tmp != '\0') {
    dir = tmp;
  } else {
    dir = "/tmp";
  }
  const std::string path = dir + "/" + name + "-" + std::to_string(getuid()) + ".lock";
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;  // cannot make a lock at all: do not refuse to start
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  g_fd = fd;
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
  if (g_fd >= 0) {
    close(g_fd);
    g_fd = -1;
  }
#endif
}

}  // namespace platform
