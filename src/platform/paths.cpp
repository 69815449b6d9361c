#include "platform/paths.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string& ProgramFolderStore() {
  static std::string folder;
  return folder;
}

std::vector<std::string> SplitComponents(const std::string& relative) {
  std::vector<std::string> parts;
  std::string cur;
  for (char c : relative) {
    if (c == '\\' || c == '/') {
      if (!cur.empty()) parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) parts.push_back(cur);
  return parts;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

std::string ProgramFolder() {
  auto& folder = ProgramFolderStore();
  if (folder.empty()) {
    std::error_code ec;
    auto self = fs::read_symlink("/proc/self/exe", ec);
    folder = ec ? fs::current_path(ec).string() : self.parent_path().string();
  }
  return folder;
}

void SetProgramFolder(const std::string& folder) { ProgramFolderStore() = folder; }

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
#ifdef _WIN32
  if (const char* profile = std::getenv("USERPROFILE"); profile != nullptr && *profile != '\0') return profile;
#else
  // A session started without HOME (a service, a cron job): the user's home as the system knows it.
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr && found->pw_dir[0] == '/') {
    return found->pw_dir;
  }
#endif
  return {};
}

std::string AdoptSystemHome() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  const std::string own = HomeFolder();
#ifndef _WIN32
  if (!own.empty()) setenv("HOME", own.c_str(), 1);
#endif
  return own;
}

std::string DriveC() {
  std::string dir;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
    dir = xdg;
  } else if (const std::string home = HomeFolder(); !home.empty()) {
    dir = home + "/.config";
  } else {
    return {};  // no folder of the user's own: nothing goes anywhere else
  }
  std::error_code ec;
  fs::create_directories(dir, ec);
  return dir;
}

std::string ResolveUnder(const std::string& base, const std::string& relative) {
  fs::path current(base);
  bool exists = true;
  for (const auto& part : SplitComponents(relative)) {
    if (exists) {
      std::error_code ec;
      fs::path exact = current / part;
      if (fs::exists(exact, ec)) {
        current = exact;
        continue;
      }
      bool found = false;
      for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (SameIgnoringCase(name, part)) {
          current /= name;
          found = true;
          break;
        }
      }
      if (found) continue;
      exists = false;
    }
    current /= part;
  }
  return current.string();
}

std::string ProgramPath(const std::string& relative) {
  return ResolveUnder(ProgramFolder(), relative);
}

std::string WindowsPath(const std::string& windowsPath) {
  std::string rest = windowsPath;
  if (rest.size() >= 2 && std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':') {
    rest = rest.substr(2);
  }
  const std::string drive = DriveC();
  if (drive.empty()) return {};
  std::string resolved = ResolveUnder(drive, rest);
  const bool folder = !windowsPath.empty() && (windowsPath.back() == '\\' || windowsPath.back() == '/');
  if (folder && !resolved.empty() && resolved.back() != '/') resolved += '/';
  return resolved;
}

bool EsisteFile(const std::string& path) {
  std::error_code ec;
  auto st = fs::status(path, ec);
  return !ec && fs::exists(st) && !fs::is_directory(st);
}

PathAccess AccessOf(const std::string& path) {
  if (path.empty()) return PathAccess::Missing;
  std::error_code ec;
  const auto st = fs::status(path, ec);
  if (ec == std::errc::permission_denied) return PathAccess::Denied;
  if (fs::exists(st)) return PathAccess::Reachable;
  // Nothing answers to the name; the deepest folder on the way that exists tells whether the
  // name could have been seen at all.
  for (fs::path p = fs::path(path).parent_path(); !p.empty(); p = p.parent_path()) {
    const auto up = fs::status(p, ec);
    if (ec == std::errc::permission_denied) return PathAccess::Denied;
    if (fs::exists(up)) {
#ifndef _WIN32
      if (fs::is_directory(up) && ::access(p.c_str(), R_OK | X_OK) != 0) return PathAccess::Denied;
#endif
      return PathAccess::Missing;
    }
    if (p == p.root_path()) break;
  }
  return PathAccess::Missing;
}

bool FolderExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return fs::is_directory(path, ec) && !ec;
}

bool CreateFolder(const std::string& path, int* error) {
  std::error_code ec;
  fs::path p(path);
  if (p.has_filename() == false) p = p.parent_path();
  const auto fail = [error](int err) {
    if (error != nullptr) *error = err;
    return false;
  };
  const auto parent = fs::status(p.parent_path(), ec);
  if (ec) return fail(ec.value());
  if (!fs::exists(parent)) return fail(ENOENT);
  if (!fs::is_directory(parent)) return fail(ENOTDIR);
  if (fs::create_directory(p, ec) && !ec) return true;
  return fail(ec ? ec.value() : EEXIST);  // no error, no folder made: something else stands there
}

}  // namespace platform
