#include "support/temp_dirs.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <thread>

#include "platform/paths.h"

namespace fs = std::filesystem;

namespace testsupport {

TempDir::TempDir() {
  std::random_device rd;
  std::error_code ec;
  // A name taken is drawn again; a temporary folder that takes no new folder at all ends the
  // test program with the reason rather than trying for ever.
  for (int tentativo = 0; tentativo < 100; ++tentativo) {
    fs::path p = fs::temp_directory_path() / ("fosku-test-" + std::to_string(rd()));
    if (fs::create_directory(p, ec)) {
      path_ = p.string();
      return;
    }
  }
  throw std::runtime_error("no temporary folder can be made: " + ec.message());
}

TempDir::~TempDir() {
  std::error_code ec;
  // A test may have made a folder read-only; give write back before removing.
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& relative, const std::string& bytes) const {
  fs::path p = fs::path(path_) / relative;
  WriteTo(p.string(), bytes);
  return p.string();
}

void TempDir::WriteTo(const std::string& path, const std::string& bytes) {
  fs::path p(path);
  std::error_code ec;
  fs::create_directories(p.parent_path(), ec);
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

namespace {
void SetOrUnset(const char* name, bool had, const std::string& value) {
  if (had) {
    setenv(name, value.c_str(), 1);
  } else {
    unsetenv(name);
  }
}
}  // namespace

TempHome::TempHome() {
  if (const char* h = std::getenv("HOME")) { hadHome_ = true; oldHome_ = h; }
  if (const char* x = std::getenv("XDG_CONFIG_HOME")) { hadXdg_ = true; oldXdg_ = x; }
  setenv("HOME", dir_.path().c_str(), 1);
  setenv("XDG_CONFIG_HOME", config().c_str(), 1);
}

TempHome::~TempHome() {
  SetOrUnset("HOME", hadHome_, oldHome_);
  SetOrUnset("XDG_CONFIG_HOME", hadXdg_, oldXdg_);
}

TempProgramFolder::TempProgramFolder(bool copyShippedData) : old_(platform::ProgramFolder()) {
  if (copyShippedData) {
    for (const char* sub : {"testiFosku", "suoni"}) {
      fs::path from = fs::path(RuntimeDir()) / sub;
      std::error_code ec;
      if (fs::exists(from, ec)) fs::copy(from, fs::path(dir_.path()) / sub, fs::copy_options::recursive, ec);
    }
  }
  platform::SetProgramFolder(dir_.path());
}

TempProgramFolder::~TempProgramFolder() { platform::SetProgramFolder(old_); }

std::vector<std::string> TempProgramFolder::DataFiles() const {
  std::vector<std::string> files;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(path() + "/testiFosku", ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    if (it->is_regular_file()) files.push_back(it->path().string());
  }
  return files;
}

std::string RuntimeDir() { return FOSKU_RUNTIME_DIR; }

Fifo::Fifo(std::string path) : path_(std::move(path)) {
  std::error_code ec;
  fs::create_directories(fs::path(path_).parent_path(), ec);
  made_ = mkfifo(path_.c_str(), 0600) == 0;
  if (!made_) return;
  writer_ = std::thread([this] {
    std::unique_lock<std::mutex> lock(mutex_);
    const auto deadline = std::chrono::steady_clock::now() + kHang * 3 / 2;
    if (wake_.wait_until(lock, deadline, [this] { return stop_; })) return;
    while (!stop_) {
      const int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) close(fd);  // a reader waiting to open gets the pipe, then its end
      wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return stop_; });
    }
  });
}

Fifo::~Fifo() {
  if (writer_.joinable()) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    writer_.join();
  }
  if (made_) unlink(path_.c_str());
}

FileSizeLimit::FileSizeLimit(unsigned long long bytes) {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  old_ = limit.rlim_cur;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = old_;
  setrlimit(RLIMIT_FSIZE, &limit);
}

namespace {

// Waits at most a hang's length for the child to end; one that is still running then is killed,
// a failure. Its wait status, or -1 when it cannot be waited for.
int WaitForChild(pid_t child) {
  int status = 0;
  const auto limit = std::chrono::steady_clock::now() + kHang;
  pid_t ended = 0;
  while ((ended = waitpid(child, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < limit) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (ended < 0) return -1;
  if (ended == 0) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    ADD_FAILURE() << "the child process did not end within " << kHang.count() / 1000 << " s";
  }
  return status;
}

}  // namespace

int RunInChild(const std::function<void()>& body) {
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    body();
    _exit(0);
  }
  return WaitForChild(child);
}

int RunAsPlainUser(const std::vector<std::string>& own, const std::function<int()>& body, unsigned uid) {
  const bool root = geteuid() == 0;
  if (root) {
    for (const auto& path : own) {
      if (lchown(path.c_str(), uid, kNobody) != 0) return -1;
      std::error_code ec;
      if (!fs::is_directory(fs::symlink_status(path, ec))) continue;
      for (auto it = fs::recursive_directory_iterator(path, ec); !ec && it != fs::recursive_directory_iterator();
           it.increment(ec)) {
        if (lchown(it->path().c_str(), uid, kNobody) != 0) return -1;
      }
    }
  }
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (root && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(uid) != 0)) _exit(125);
    _exit(body());
  }
  // The body is the code under test: one that hangs is stopped after a bound, a failure.
  const int status = WaitForChild(child);
  if (!WIFEXITED(status)) return -1;
  const int code = WEXITSTATUS(status);
  return code == 125 ? -1 : code;
}

}  // namespace testsupport
