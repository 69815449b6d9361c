// Where the program's files are: its own folder (the executable's), the stand-in for drive C:
// (the user's configuration folder), and Windows-style relative paths resolved on a file
// system that tells letter case apart.
#pragma once

#include <string>

namespace platform {

// The folder of the program's executable. Tests may point it elsewhere.
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder);  // also called once at start-up from argv[0]

// The user's home folder: $HOME, else the home the password database gives the user who runs
// the program; "" when there is neither (then nothing is saved anywhere).
std::string HomeFolder();
// For a session started without HOME: sets HOME to the home the password database gives, so
// that every part of the program, the toolkit's documents folder included, takes the same home
// as the settings (never the root folder). Returns the home, "" when the user has none.
std::string AdoptSystemHome();

// The folder that stands for drive C:: $XDG_CONFIG_HOME, else the home's .config (created when
// missing); "" when the user has no home. Never a folder shared with other users, such as the
// temporary folder. Read anew at each call, so a test can change the environment.
std::string DriveC();

// Resolves `path` below `base` without regard to letter case: every existing entry is matched
// case-insensitively; the missing rest is appended as written. Backslashes are separators.
std::string ResolveUnder(const std::string& base, const std::string& relative);

// "\testiFosku\2\x.txt" under the program's folder.
std::string ProgramPath(const std::string& relative);

// A Windows path: "C:\..." maps under DriveC(); any other drive letter, too. "" when there is
// no DriveC().
std::string WindowsPath(const std::string& windowsPath);

// True when a plain file (or anything but a folder) exists at the path.
bool EsisteFile(const std::string& path);

// Why a path cannot be reached, told apart as a person needs it: nothing there, or something
// there that the user may not reach (the entry itself, or a folder on the way that cannot be
// searched or listed, so that a name in another letter case cannot be found).
enum class PathAccess { Reachable, Missing, Denied };
PathAccess AccessOf(const std::string& path);
// True when a folder exists at the path; an empty path or any failure gives false.
bool FolderExists(const std::string& path);
// Creates one folder; fails (false) when its parent is missing or it cannot be made, and then
// `error` gets the system's error number (ENOENT: no parent).
bool CreateFolder(const std::string& path, int* error = nullptr);

}  // namespace platform
