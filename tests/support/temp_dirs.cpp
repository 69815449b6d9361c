#include "support/temp_dirs.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/paths.h"

namespace fs = std::filesystem;

namespace testsupport {

TempDir::TempDir() {
  std::random_device rd;
  for (;;) {
    fs::path p = fs::temp_directory_path() / ("fosku-test-" + std::to_string(rd()));
    std::error_code ec;
    if (fs::create_directory(p, ec)) {
      path_ = p.string();
      return;
    }
  }
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

std::string RuntimeDir() { return FOSKU_RUNTIME_DIR; }

}  // namespace testsupport
