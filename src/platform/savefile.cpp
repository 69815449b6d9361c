#include "platform/savefile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/paths.h"

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
// A write past the file-size limit raises SIGXFSZ, whose default ends the program at once: the
// file is left cut short and nobody is told. Caught by a handler that does nothing, the write
// fails with EFBIG instead, and the program says so and goes on. A handler rather than "ignore",
// so that the programs ours starts (a PDF viewer) get the default back.
void NothingToDo(int) {}
[[maybe_unused]] const bool kFileSizeLimitIsAWriteError = [] {
  struct sigaction action {};
  action.sa_handler = NothingToDo;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  return sigaction(SIGXFSZ, &action, nullptr) == 0;
}();

// Flushes a folder's entries to the disk. File systems that cannot do it are not a failure.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Creates `path` new (never through a link, never over an entry); the descriptor or -1.
int CreateNew(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0666);
}

// Gives `from` the name `to` only where no entry stands at `to`. The error number, 0 when done;
// EEXIST when the name is taken.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return errno;
  // A file system that cannot rename without replacing: a second name, then the first goes.
  if (::link(from.c_str(), to.c_str()) == 0) {
    ::unlink(from.c_str());
    return 0;
  }
  if (errno == EEXIST || (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)) return errno;
  // Nor hard links (a memory stick's FAT): a look, then the rename.
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0) return EEXIST;
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}
#endif

}  // namespace

std::string WriteFailure(int err, const std::string& file) {
  const fs::path path(file);
  const std::string folder = path.has_parent_path() ? path.parent_path().string() : std::string(".");
  switch (err) {
    case EACCES:
    case EPERM: return "accesso negato";
    case EROFS: return "il disco è di sola lettura";
#ifdef EDQUOT
    case EDQUOT:
#endif
    case ENOSPC: return "il disco è pieno";
    case EFBIG: return "il file supera la dimensione massima consentita";
    case ENOENT:
      // A folder that may not be entered hides what is in it: that is no missing folder.
      return AccessOf(folder) == PathAccess::Denied ? "accesso negato alla cartella " + folder
                                                     : "la cartella " + folder + " non esiste";
    case ENOTDIR: return "una parte del percorso non è una cartella";
    case EISDIR: return "al posto del file c'è una cartella";
    case EEXIST: return "c'è già qualcos'altro con quel nome";
    case EINVAL: return "non è un file normale";
    case ELOOP: return "i collegamenti simbolici formano un ciclo";
    case EIO: return "errore del disco";
    default: return "errore di sistema " + std::to_string(err);
  }
}

void PendingFile::Fail(int err) {
  if (error_ == 0) error_ = err != 0 ? err : EIO;
}

#ifdef _WIN32
PendingFile::PendingFile(const std::string& folder, const std::string& stem)
    : folder_(folder), path_((fs::path(folder) / stem).string()) {
  std::error_code ec;
  fs::remove(path_, ec);
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  if (!out) error_ = EACCES;
}

PendingFile::~PendingFile() {
  std::error_code ec;
  if (!path_.empty()) fs::remove(path_, ec);
}

bool PendingFile::Write(const char* data, std::size_t size) {
  if (error_ != 0) return false;
  std::ofstream out(path_, std::ios::binary | std::ios::app);
  out.write(data, static_cast<std::streamsize>(size));
  out.flush();
  if (!out) error_ = EIO;
  return error_ == 0;
}

int PendingFile::Finish() { return error_; }

int PendingFile::Replace(const std::string& path) {
  if (Finish() != 0) return error_;
  std::error_code ec;
  fs::rename(path_, path, ec);
  if (ec) return EACCES;
  path_.clear();
  return 0;
}

int PendingFile::Publish(const std::function<std::string(int)>& name, std::string* named) {
  if (Finish() != 0) return error_;
  for (int n = 1; n <= 1000; ++n) {
    const std::string to = name(n);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(to, ec))) continue;
    fs::rename(path_, to, ec);
    if (ec) return EACCES;
    path_.clear();
    if (named != nullptr) *named = to;
    return 0;
  }
  return EEXIST;
}
#else
PendingFile::PendingFile(const std::string& folder, const std::string& stem) : folder_(folder) {
  const std::string base = (fs::path(folder) / stem).string();
  // A temporary that an earlier run left behind (cut short by a kill) is a plain file of ours:
  // it goes. Anything else at that name stays as it is, and the file takes a name of its own.
  struct stat st {};
  if (::lstat(base.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) ::unlink(base.c_str());
  fd_ = CreateNew(base);
  if (fd_ >= 0) {
    path_ = base;
    return;
  }
  error_ = errno;
  if (error_ != EEXIST && error_ != EISDIR && error_ != ELOOP) return;  // the folder itself refuses
  const auto tick = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string other = base + "-" + std::to_string(::getpid()) + "-" + std::to_string(tick % 1000000) + "-" +
                              std::to_string(attempt);
    fd_ = CreateNew(other);
    if (fd_ >= 0) {
      path_ = other;
      error_ = 0;
      return;
    }
    error_ = errno;
    if (error_ != EEXIST && error_ != EISDIR && error_ != ELOOP) return;
  }
}

PendingFile::~PendingFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!path_.empty()) ::unlink(path_.c_str());
}

bool PendingFile::Write(const char* data, std::size_t size) {
  if (error_ != 0 || fd_ < 0) return false;
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd_, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      Fail(n < 0 ? errno : EIO);
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

int PendingFile::Finish() {
  if (fd_ < 0) return error_ != 0 ? error_ : EIO;
  if (error_ == 0 && ::fsync(fd_) != 0) Fail(errno);
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) Fail(errno);  // a late write error shows up here
  if (error_ == 0) SyncFolder(folder_);
  return error_;
}

int PendingFile::Replace(const std::string& path) {
  if (Finish() != 0) return error_;
  if (::rename(path_.c_str(), path.c_str()) != 0) {
    Fail(errno);
    return error_;
  }
  path_.clear();
  SyncFolder(folder_);
  return 0;
}

int PendingFile::Publish(const std::function<std::string(int)>& name, std::string* named) {
  if (Finish() != 0) return error_;
  for (int n = 1; n <= 1000; ++n) {
    const std::string to = name(n);
    const int err = RenameNoReplace(path_, to);
    if (err == EEXIST) continue;
    if (err != 0) {
      Fail(err);
      return error_;
    }
    path_.clear();
    SyncFolder(folder_);
    if (named != nullptr) *named = to;
    return 0;
  }
  Fail(EEXIST);
  return error_;
}
#endif

}  // namespace platform
