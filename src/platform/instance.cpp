#include "platform/instance.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <string>
#include <thread>
#include <vector>

#include "platform/paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace platform {
namespace {
#ifdef _WIN32
HANDLE g_mutex = nullptr;
#else
std::vector<int> g_fds;  // the lock files held, one for each place that could serve
bool g_taken = false;
#ifdef __linux__
int g_socket = -1;                 // the listening socket held, when one is
std::thread* g_answer = nullptr;  // what answers the starts that knock on it
#endif

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

#ifdef __linux__
// The place that needs no folder: a listening socket in the abstract namespace, which every
// process of the machine shares and which goes with the process that holds it. The name is the
// user's and the settings folder's (a hash of its path: copies with one settings file meet
// there, also when the folder cannot be made or the user has no home at all). Any user may bind
// any name, so a name already bound is held by us only when its listener is a process of our
// own user; one of another user is no lock of ours and blocks nothing.
Lock TrySocket(const std::string& name, int& held) {
  std::uint64_t hash = 1469598103934665603ULL;  // FNV-1a
  for (const unsigned char c : DriveC()) hash = (hash ^ c) * 1099511628211ULL;
  const std::string key = name + "-" + std::to_string(geteuid()) + "-" + std::to_string(hash);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, key.data(), std::min(key.size(), sizeof(address.sun_path) - 1));
  const auto length =
      static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + std::min(key.size(), sizeof(address.sun_path) - 1));
  const auto* at = reinterpret_cast<const sockaddr*>(&address);

  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return Lock::Unusable;
  if (bind(fd, at, length) == 0 && listen(fd, SOMAXCONN) == 0) {
    held = fd;
    // Every later start connects to learn whose the socket is: each connection is taken and
    // dropped at once, so they never fill the queue (a full queue would tell them nothing).
    g_answer = new std::thread([fd] {
      for (;;) {
        const int knock = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (knock >= 0) {
          close(knock);
        } else if (errno != EINTR && errno != ECONNABORTED && errno != EMFILE && errno != ENFILE) {
          return;  // the socket was shut down
        }
      }
    });
    return Lock::Taken;
  }
  const bool bound = errno == EADDRINUSE;
  close(fd);
  if (!bound) return Lock::Unusable;
  // Whose is it? A connection tells the listener's user.
  const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (probe < 0) return Lock::Unusable;
  Lock result = Lock::Unusable;
  ucred peer{};
  socklen_t size = sizeof peer;
  if (connect(probe, at, length) == 0 && getsockopt(probe, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
      peer.uid == geteuid()) {
    result = Lock::HeldElsewhere;
  }
  close(probe);
  return result;
}
#endif

void CloseAll() {
  for (const int fd : g_fds) close(fd);
  g_fds.clear();
#ifdef __linux__
  if (g_socket >= 0) {
    shutdown(g_socket, SHUT_RDWR);  // ends the wait for a connection
    if (g_answer != nullptr) g_answer->join();
    delete g_answer;
    g_answer = nullptr;
    close(g_socket);
    g_socket = -1;
  }
#endif
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
  const auto take = [](Lock lock, int fd) {
    if (lock == Lock::Taken) g_fds.push_back(fd);
    if (lock != Lock::HeldElsewhere) return true;
    CloseAll();
    return false;
  };
  for (const std::string& path : places) {
    int fd = -1;
    const Lock lock = TryLock(path, fd);
    if (!take(lock, fd)) return false;
  }
#ifdef __linux__
  // And the last place, which needs no folder: with it a second start always ends at once.
  if (TrySocket(name, g_socket) == Lock::HeldElsewhere) {
    CloseAll();
    return false;
  }
#endif
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
