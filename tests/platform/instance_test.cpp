#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/instance.h"
#include "support/temp_dirs.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kName = "fosku-prova";
constexpr int kBound = 5000;  // ms: a lock answers at once

// A second process that takes the lock and keeps it until Release() (or its end).
class Holder {
 public:
  Holder() {
    int result[2], hold[2];
    if (pipe(result) != 0 || pipe(hold) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      // Only its own two pipe ends: a copy of another holder's end would keep that one alive.
      for (int fd = 3; fd < 1024; ++fd) {
        if (fd != result[1] && fd != hold[0]) close(fd);
      }
      const char took = platform::TakeInstanceLock(kName) ? '1' : '0';
      if (write(result[1], &took, 1) != 1) _exit(1);
      char c;
      while (read(hold[0], &c, 1) > 0) {
      }
      _exit(0);
    }
    close(result[1]);
    close(hold[0]);
    hold_ = hold[1];
    // A lock that blocks instead of saying no at once would hold the test: the answer has a bound.
    char took = '?';
    pollfd answer{result[0], POLLIN, 0};
    if (poll(&answer, 1, kBound) == 1) {
      took_ = read(result[0], &took, 1) == 1 && took == '1';
    } else {
      ADD_FAILURE() << "the second process gave no answer within " << kBound << " ms";
      kill(pid_, SIGKILL);
    }
    close(result[0]);
  }
  ~Holder() { Release(); }
  bool took() const { return took_; }
  void Release() {
    if (hold_ >= 0) close(hold_);
    hold_ = -1;
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int hold_ = -1;
  bool took_ = false;
};

// Makes `path` a file of another user (as root) or, for an ordinary user, a file it may not
// open: either way the lock cannot be taken there.
void Foreign(const std::string& path) {
  testsupport::TempDir::WriteTo(path, "");
  fs::permissions(path, fs::perms::none);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
  }
}

// Puts an environment variable back as it was when the object dies.
class KeepVariable {
 public:
  explicit KeepVariable(const char* name) : name_(name) {
    if (const char* v = std::getenv(name)) {
      had_ = true;
      old_ = v;
    }
  }
  ~KeepVariable() {
    if (had_) {
      setenv(name_, old_.c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

}  // namespace

TEST(InstanceLock, OneCopyRunsWhateverStandsInThePlaceOfTheLock) {
  const std::string uid = std::to_string(getuid());
  struct Case {
    const char* name;
    bool runtimeDir;  // XDG_RUNTIME_DIR set (else TMPDIR)
    std::function<void(const std::string& runtime, const std::string& config)> prepare;
  };
  const std::vector<Case> cases = {
      {"nothing in the way", true, [](auto&, auto&) {}},
      {"a folder in place of the lock file", true,
       [&](const std::string& r, auto&) { fs::create_directories(r + "/" + kName + "-" + uid + ".lock/x"); }},
      {"another user's file in its place", true,
       [&](const std::string& r, auto&) { Foreign(r + "/" + kName + "-" + uid + ".lock"); }},
      {"a link in its place", true,
       [&](const std::string& r, auto&) {
         testsupport::TempDir::WriteTo(r + "/target", "");
         fs::create_symlink(r + "/target", r + "/" + kName + "-" + uid + ".lock");
       }},
      {"no runtime folder, another user's file in the temporary folder", false,
       [&](const std::string& r, auto&) { Foreign(r + "/" + kName + "-" + uid + ".lock"); }},
      // With no folder for a lock file, the last place, which needs none, still holds.
      {"the settings folder's lock blocked too", true,
       [&](const std::string& r, const std::string& c) {
         fs::create_directories(r + "/" + kName + "-" + uid + ".lock");
         fs::create_directories(c + "/." + kName + ".lock");
       }},
      {"no runtime folder, and a settings folder that cannot be made", false,
       [&](auto&, const std::string& c) {
         fs::remove(c);
         testsupport::TempDir::WriteTo(c, "not a folder");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const KeepVariable keepRuntime("XDG_RUNTIME_DIR"), keepTemp("TMPDIR");
    testsupport::TempHome home;
    testsupport::TempDir runtime;
    fs::create_directories(home.config());
    if (c.runtimeDir) {
      setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    } else {
      unsetenv("XDG_RUNTIME_DIR");
      setenv("TMPDIR", runtime.path().c_str(), 1);
    }
    c.prepare(runtime.path(), home.config());
    {
      Holder first;
      EXPECT_TRUE(first.took());
      // While the first runs, a second start is refused.
      EXPECT_FALSE(platform::TakeInstanceLock(kName));
      platform::ReleaseInstanceLock();
      Holder third;
      EXPECT_FALSE(third.took());
      first.Release();
      // Once the first has ended, a new start takes the lock.
      EXPECT_TRUE(platform::TakeInstanceLock(kName));
      platform::ReleaseInstanceLock();
    }
  }
}

TEST(InstanceLock, ARuntimeFolderThatComesOrGoesBetweenTwoStartsLetsNoSecondCopyIn) {
  struct Case {
    const char* name;
    bool thereAtFirst;  // the runtime folder exists when the first copy starts
  };
  for (const Case& c : {Case{"the folder appears after the first start", false},
                        Case{"the folder goes after the first start", true}}) {
    SCOPED_TRACE(c.name);
    const KeepVariable keepRuntime("XDG_RUNTIME_DIR");
    testsupport::TempHome home;
    testsupport::TempDir base;
    const std::string runtime = base.path() + "/run";
    if (c.thereAtFirst) fs::create_directory(runtime);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    Holder first;
    EXPECT_TRUE(first.took());
    // Between the two starts the folder changes (the toolkit makes a missing one at start-up).
    if (c.thereAtFirst) {
      fs::remove_all(runtime);
    } else {
      fs::create_directory(runtime);
    }
    Holder second;
    EXPECT_FALSE(second.took());
    EXPECT_FALSE(platform::TakeInstanceLock(kName));
    platform::ReleaseInstanceLock();
    first.Release();
    EXPECT_TRUE(platform::TakeInstanceLock(kName));
    platform::ReleaseInstanceLock();
  }
}

TEST(InstanceLock, WithoutARuntimeFolderNothingIsMadeInTheTemporaryFolder) {
  const KeepVariable keepRuntime("XDG_RUNTIME_DIR"), keepTemp("TMPDIR");
  testsupport::TempHome home;
  testsupport::TempDir temp;
  unsetenv("XDG_RUNTIME_DIR");
  setenv("TMPDIR", temp.path().c_str(), 1);
  Holder first;
  EXPECT_TRUE(first.took());
  EXPECT_FALSE(platform::TakeInstanceLock(kName));  // they meet in the user's own folder
  EXPECT_TRUE(fs::is_empty(temp.path()));
}
