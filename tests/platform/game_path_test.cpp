#include "platform/game_path.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace platform {
namespace {

TEST(GamePath, BackslashesBecomeSlashes) {
  EXPECT_EQ(HostPath("..\\Files\\title.png"), "../Files/title.png");
  EXPECT_EQ(HostPath("image//0.bmp"), "image//0.bmp");
}

TEST(GamePath, KeepsTheSecondByteOfADoubleByteCharacter) {
  // "表" is 0x95 0x5C; the folder "表示" must not be cut inside its first character.
  const std::string path = "\x95\x5C\x8E\xA6\\pic.png";
  EXPECT_EQ(HostPath(path), "表示/pic.png");
  EXPECT_EQ(GameFolderOf(path), "\x95\x5C\x8E\xA6\\");
  EXPECT_EQ(GameFolderOf("\x95\x5C.x"), "");
  EXPECT_EQ(GameFolderOf("a\\b\\c.x"), "a\\b\\");
}

TEST(GamePath, HostPathsComeBackAsGamePaths) {
  EXPECT_EQ(GamePath("/home/ソ/bin/Pelbrix"), "\\home\\\x83\x5C\\bin\\Pelbrix");
  EXPECT_FALSE(GamePath("/home/☃/bin").has_value());
}

// Runs a test in another working folder and goes back afterwards.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

TEST(GamePath, TheCurrentFolderIsAGamePathWithoutATrailingBackslash) {
  testing_support::TempDir dir;
  testing_support::MakeFolder(dir.File("表示"));
  InFolder in(dir.File("表示"));
  std::optional<std::string> folder = CurrentFolderGamePath();
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(*folder, *GamePath(dir.path()) + "\\\x95\x5C\x8E\xA6");
  EXPECT_EQ(HostPath(*folder + "\\Twell.ini"), dir.File("表示/Twell.ini"))
      << "joined with one backslash it names a file in the folder";
}

TEST(GamePath, ACurrentFolderThatCannotBeNamedGivesNothing) {
  testing_support::TempDir dir;
  testing_support::MakeFolder(dir.File("☃"));
  {
    InFolder in(dir.File("☃"));
    EXPECT_FALSE(CurrentFolderGamePath().has_value()) << "CP932 has no snowman";
  }
  testing_support::MakeFolder(dir.File("gone"));
  InFolder in(dir.File("gone"));
  std::filesystem::remove(dir.File("gone"));
  EXPECT_FALSE(CurrentFolderGamePath().has_value()) << "a removed folder has no path";
}

TEST(GamePath, MakeFolderMakesWhatIsMissingAndAcceptsWhatExists) {
  testing_support::TempDir dir;
  EXPECT_TRUE(MakeFolder(dir.File("sav")));
  EXPECT_TRUE(MakeFolder(dir.File("sav"))) << "an existing folder is no failure";
  EXPECT_TRUE(MakeFolder(dir.File("deep/er//still/")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("deep/er/still")));
  InFolder in(dir.path());
  EXPECT_TRUE(MakeFolder("rel/sav"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("rel/sav"))) << "relative to the working folder";
}

TEST(GamePath, MakeFolderFailsWhereAFileStandsInTheWay) {
  testing_support::TempDir dir;
  testing_support::WriteFile(dir.File("sav"), "not a folder");
  EXPECT_FALSE(MakeFolder(dir.File("sav")));
  EXPECT_FALSE(MakeFolder(dir.File("sav/inner")));
  EXPECT_FALSE(MakeFolder(""));
  EXPECT_EQ(testing_support::ReadFile(dir.File("sav")), "not a folder");
}

}  // namespace
}  // namespace platform
