// Test fixtures: temporary folders for HOME and for the program's folder.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed when the object dies.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  // Writes raw bytes to a file below the folder (creating the folders on the way); returns its path.
  std::string Write(const std::string& relative, const std::string& bytes) const;
  // Writes raw bytes to a file at an absolute path (creating its folders).
  static void WriteTo(const std::string& path, const std::string& bytes);

 private:
  std::string path_;
};

// Points HOME and XDG_CONFIG_HOME at a fresh temporary folder for the object's life, so
// nothing a test does touches the real configuration folder.
class TempHome {
 public:
  TempHome();
  ~TempHome();
  const std::string& home() const { return dir_.path(); }
  std::string config() const { return dir_.path() + "/.config"; }

 private:
  TempDir dir_;
  std::string oldHome_, oldXdg_;
  bool hadHome_ = false, hadXdg_ = false;
};

// Points the program's folder at a fresh temporary folder for the object's life. With
// `copyShippedData`, the data files the build lays beside the program are copied into it.
class TempProgramFolder {
 public:
  explicit TempProgramFolder(bool copyShippedData = false);
  ~TempProgramFolder();
  const std::string& path() const { return dir_.path(); }
  std::string Write(const std::string& relative, const std::string& bytes) const {
    return dir_.Write(relative, bytes);
  }
  // The data files in it (under testiFosku), each by its full path.
  std::vector<std::string> DataFiles() const;

 private:
  TempDir dir_;
  std::string old_;
};

// The folder where the build lays the program and its shipped data.
std::string RuntimeDir();

// How long a test waits before it calls a wait a hang. A bound in a test catches code that would
// wait for ever; it never times the code, which a loaded machine may run ten times slower.
constexpr std::chrono::milliseconds kHang{30000};

// A named pipe at `path` (its folders made) with no writer: whoever opens it to read waits for
// a writer. After longer than a hang the object plays the writer, opening and closing the other
// end until it dies, so a test whose code would wait for ever still ends (and fails on its
// bound); the pipe is removed when the object dies.
class Fifo {
 public:
  explicit Fifo(std::string path);
  ~Fifo();
  Fifo(const Fifo&) = delete;
  Fifo& operator=(const Fifo&) = delete;
  bool made() const { return made_; }

 private:
  std::string path_;
  bool made_ = false;
  bool stop_ = false;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::thread writer_;
};

// Holds the file-size limit (`ulimit -f`) at `bytes` for the object's life: a write past it
// fails (or, in a program that lets the kernel's signal through, ends the program).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long long old_ = 0;
};

// Runs `body` in a child process that has no power over files that are not its own: as root,
// the child becomes the unprivileged user "nobody" and `own` (with everything below) is handed
// to that user first, so a read-only folder is read-only for it too. `uid` names another
// unprivileged user (one the password database may not know). Returns the child's exit code
// (`body`'s result), or -1 when the child could not run.
constexpr unsigned kNobody = 65534;
int RunAsPlainUser(const std::vector<std::string>& own, const std::function<int()>& body, unsigned uid = kNobody);

// Runs `body` in a child process (which then ends with code 0) and waits for it at most a hang's
// length; one still running then is killed, a failure. The child's wait status, or -1 when it
// could not run.
int RunInChild(const std::function<void()>& body);

}  // namespace testsupport
