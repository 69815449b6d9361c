#include "platform/paths.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <vector>

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

std::string DriveC() {
  std::string dir;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
    dir = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    dir = std::string(home) + "/.config";
  } else {
    dir = "/tmp";
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
  std::string resolved = ResolveUnder(DriveC(), rest);
  const bool folder = !windowsPath.empty() && (windowsPath.back() == '\\' || windowsPath.back() == '/');
  if (folder && !resolved.empty() && resolved.back() != '/') resolved += '/';
  return resolved;
}

bool EsisteFile(const std::string& path) {
  std::error_code ec;
  auto st = fs::status(path, ec);
  return !ec && fs::exists(st) && !fs::is_directory(st);
}

bool FolderExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return fs::is_directory(path, ec) && !ec;
}

bool CreateFolder(const std::string& path) {
  std::error_code ec;
  fs::path p(path);
  if (p.has_filename() == false) p = p.parent_path();
  if (!fs::is_directory(p.parent_path(), ec)) return false;
  return fs::create_directory(p, ec) && !ec;
}

}  // namespace platform
