// Reading a whole file: every failure is a result, never an exception or an abort.
#include "platform/file_read.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace platform {
namespace {

using testing_support::TempDir;

TEST(ReadWholeFile, GivesEveryByteOfARegularFile) {
  TempDir dir;
  std::string bytes("a\0b\r\n\xFF", 6);
  bytes += std::string(40000, 'x');  // more than one read's worth
  testing_support::WriteFile(dir.File("f.bin"), bytes);
  std::string out = "stale";
  ASSERT_TRUE(ReadWholeFile(dir.File("f.bin"), out));
  EXPECT_EQ(out, bytes);
  testing_support::WriteFile(dir.File("empty"), "");
  EXPECT_TRUE(ReadWholeFile(dir.File("empty"), out));
  EXPECT_EQ(out, "");
}

TEST(ReadWholeFile, RefusesWhatIsNoReadableFile) {
  TempDir dir;
  testing_support::MakeFolder(dir.File("folder.ini"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.ini"));
  for (const char* name : {"missing.ini", "folder.ini", "unreadable.ini"}) {
    std::string out = "stale";
    EXPECT_FALSE(ReadWholeFile(dir.File(name), out)) << name;
    EXPECT_EQ(out, "") << name;
  }
  std::string out;
  EXPECT_FALSE(ReadWholeFile("/dev/null", out)) << "a device is no file";
}

}  // namespace
}  // namespace platform
