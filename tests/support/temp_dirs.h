// Test fixtures: temporary folders for HOME and for the program's folder.
#pragma once

#include <string>

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

 private:
  TempDir dir_;
  std::string old_;
};

// The folder where the build lays the program and its shipped data.
std::string RuntimeDir();

}  // namespace testsupport
