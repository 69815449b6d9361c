#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "support/temp_dirs.h"

TEST(Paths, RelativePathsIgnoreLetterCase) {
  testsupport::TempDir dir;
  const std::string file = dir.Write("testiFosku/2/regolariare.txt", "cant\r\n");
  struct Case {
    const char* relative;
    std::string expected;
  };
  const Case cases[] = {
      {"\\testiFosku\\2\\regolariare.txt", file},
      {"\\testifosku\\2\\regolariare.txt", file},
      {"\\TESTIFOSKU\\2\\RegolariAre.TXT", file},
      {"\\testifosku\\9\\nuovo.txt", dir.path() + "/testiFosku/9/nuovo.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::ResolveUnder(dir.path(), c.relative), c.expected) << c.relative;
  }
}

TEST(Paths, ProgramPathAndDriveC) {
  testsupport::TempHome home;
  testsupport::TempProgramFolder program;
  program.Write("suoni/si.wav", "RIFF");
  EXPECT_EQ(platform::ProgramPath("\\suoni\\si.wav"), program.path() + "/suoni/si.wav");
  EXPECT_TRUE(platform::EsisteFile(platform::ProgramPath("\\SUONI\\si.wav")));
  EXPECT_FALSE(platform::EsisteFile(platform::ProgramPath("\\suoni")));  // a folder
  EXPECT_FALSE(platform::EsisteFile(platform::ProgramPath("\\suoni\\no.wav")));
  EXPECT_EQ(platform::DriveC(), home.config());
  EXPECT_EQ(platform::WindowsPath("C:\\ImpostazioniProgrammiOlmea\\Fosku\\fosku.INI"),
            home.config() + "/ImpostazioniProgrammiOlmea/Fosku/fosku.INI");
  EXPECT_EQ(platform::WindowsPath("C:\\ImpostazioniProgrammiOlmea\\"),
            home.config() + "/ImpostazioniProgrammiOlmea/");
}

TEST(Paths, FolderCreationNeedsItsParent) {
  testsupport::TempDir dir;
  EXPECT_FALSE(platform::CreateFolder(dir.path() + "/a/b/"));
  EXPECT_TRUE(platform::CreateFolder(dir.path() + "/a/"));
  EXPECT_TRUE(platform::FolderExists(dir.path() + "/a/"));
  EXPECT_TRUE(platform::CreateFolder(dir.path() + "/a/b"));
  EXPECT_FALSE(platform::FolderExists(""));
  EXPECT_FALSE(platform::FolderExists(dir.path() + "/zz"));
}
