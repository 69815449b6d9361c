// Files the program writes are whole or not there: each is written under a temporary name in its
// own folder and takes its real name only once every byte of it is on the disk, so a failure, a
// kill or a power cut never leaves part of a file under the name. A file-size limit (`ulimit -f`)
// makes a write fail like a full disk does; it never ends the program (the kernel's signal for
// it is caught, for the whole program, by a handler that does nothing).
#pragma once

#include <functional>
#include <string>

namespace platform {

// Why a file could not be written, for a person, in Italian ("accesso negato", "il disco è
// pieno"…), from the system's error number. `file` is the file meant: a folder missing on its
// way is named by its path.
std::string WriteFailure(int err, const std::string& file);

// A new file being written in `folder` under a temporary name: `stem` itself when nothing stands
// there or only a file of the user's own that an earlier run left (it is replaced), else a name
// of its own beside it (`stem` and a suffix), so that no stray entry (a folder, a link, a pipe,
// another user's file) can block a save. It is created new, never through a link. A file never
// given its name is removed when the object dies.
class PendingFile {
 public:
  PendingFile(const std::string& folder, const std::string& stem);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // The system's error number of the first failure; 0 while everything went well.
  int Error() const { return error_; }
  // The open file (-1 when it could not be made), for what only the descriptor can do.
  int Descriptor() const { return fd_; }
  // Appends the bytes; false (and Error() set) when they could not all be written.
  bool Write(const char* data, std::size_t size);
  // Notes a failure met outside this object (the first one is kept).
  void Fail(int err);

  // Flushes the file to the disk and renames it over `path` (whatever entry stands there is
  // replaced by it). Returns the error number, 0 when done.
  int Replace(const std::string& path);
  // Flushes the file to the disk and gives it the first of the names `name(1)`, `name(2)`…
  // (full paths in the same folder) at which no entry at all stands, never replacing one: a link
  // (even one to nothing), a folder or a pipe takes a name as a file does. `named` gets the path
  // it took. Returns the error number, 0 when done.
  int Publish(const std::function<std::string(int)>& name, std::string* named);

 private:
  int Finish();  // flush to the disk and close; the error number
  std::string folder_;
  std::string path_;  // the temporary's path while it has one
  int fd_ = -1;
  int error_ = 0;
};

}  // namespace platform
