#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "platform/headless/headless_host.h"
#include "platform/lock_folder.h"
#include "platform/named_lock.h"
#include "platform/window_record.h"
#include "tests/support/environment.h"
#include "tests/support/temp_dir.h"

namespace platform {
namespace {

constexpr char kShooterName[] = "Quivane Ver 0.75 F";

// Another program, forked: it runs its body, which talks to the test one byte at a time, and
// then waits until it is killed, holding whatever the body made.
class OtherProcess {
 public:
  struct Channel {
    int in, out;
    char Read() const {
      char c = 0;
      return read(in, &c, 1) == 1 ? c : 0;
    }
    void Write(char c) const { (void)!write(out, &c, 1); }
  };

  explicit OtherProcess(const std::function<void(const Channel&)>& body) {
    int toChild[2], toParent[2];
    if (pipe(toChild) != 0 || pipe(toParent) != 0) std::abort();
    pid_ = fork();
    if (pid_ == 0) {
      close(toChild[1]);
      close(toParent[0]);
      body(Channel{toChild[0], toParent[1]});
      for (;;) pause();
    }
    close(toChild[0]);
    close(toParent[1]);
    channel_ = Channel{toParent[0], toChild[1]};
  }
  ~OtherProcess() {
    Kill();
    close(channel_.in);
    close(channel_.out);
  }

  char Read() const { return channel_.Read(); }
  void Write(char c) const { channel_.Write(c); }
  // As a crash: no destructor runs in the other process.
  void Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  Channel channel_{-1, -1};
};

class SingleInstance : public ::testing::Test {
 protected:
  testing_support::TempLockFolder locks;

  size_t FilesInLockFolder() const {
    return size_t(std::distance(std::filesystem::directory_iterator(locks.path()), {}));
  }
};

// ---------------------------------------------------------------- the lock folder

TEST_F(SingleInstance, TheDefaultLockFolderIsTheUsersOwnAndPrivate) {
  testing_support::TempDir runtime;
  testing_support::ScopedEnvironment noRedirect("GAMES_LOCK_DIR", nullptr);
  testing_support::ScopedEnvironment xdg("XDG_RUNTIME_DIR", runtime.path().c_str());
  EXPECT_EQ(LockFolder(), runtime.File("games-locks"));
  struct stat info;
  ASSERT_EQ(stat(runtime.File("games-locks").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u) << "other users may not see or plant records";

  testing_support::TempDir elsewhere;
  std::filesystem::remove(runtime.File("games-locks"));
  std::filesystem::create_directory_symlink(elsewhere.path(), runtime.File("games-locks"));
  EXPECT_FALSE(LockFolder().has_value()) << "a link in the folder's place is not trusted";
}

TEST_F(SingleInstance, NamesBecomeFileNamesThatStayInTheFolder) {
  EXPECT_EQ(LockFileName("name-", "../\x83\x5C", ".lock"), "name-2e2e2f835c.lock");
  EXPECT_EQ(LockFileName("name-", "", ".lock"), "");
  EXPECT_EQ(LockFileName("name-", std::string(101, 'a'), ".lock"), "") << "longer than a file name can be";
}

// ---------------------------------------------------------------- names

TEST_F(SingleInstance, ASecondHolderInThisProcessSeesTheFirst) {
  NamedLock first = NamedLock::Acquire(kShooterName);
  ASSERT_TRUE(first.holds());
  EXPECT_FALSE(first.hadOtherHolder());
  NamedLock second = NamedLock::Acquire(kShooterName);
  EXPECT_TRUE(second.holds());
  EXPECT_TRUE(second.hadOtherHolder()) << "the first holder still has the name";
  EXPECT_FALSE(NamedLock::Acquire("Another name").hadOtherHolder());
}

TEST_F(SingleInstance, TheNameIsHeldWhileAnyHolderRemains) {
  auto first = std::make_unique<NamedLock>(NamedLock::Acquire(kShooterName));
  auto second = std::make_unique<NamedLock>(NamedLock::Acquire(kShooterName));
  first.reset();
  EXPECT_TRUE(NamedLock::Acquire(kShooterName).hadOtherHolder()) << "the second holder keeps it";
  NamedLock moved = std::move(*second);
  second.reset();
  EXPECT_TRUE(NamedLock::Acquire(kShooterName).hadOtherHolder()) << "a moved hold still holds";
  moved = NamedLock();
  EXPECT_FALSE(NamedLock::Acquire(kShooterName).hadOtherHolder()) << "the last holder let go";
}

TEST_F(SingleInstance, AnotherProcessHoldingTheNameIsSeenBothWays) {
  OtherProcess other([](const OtherProcess::Channel& channel) {
    NamedLock* lock = new NamedLock(NamedLock::Acquire(kShooterName));  // held until killed
    channel.Write(lock->hadOtherHolder() ? 'y' : 'n');
  });
  ASSERT_EQ(other.Read(), 'n');
  EXPECT_TRUE(NamedLock::Acquire(kShooterName).hadOtherHolder());

  NamedLock mine = NamedLock::Acquire("Held here first");
  OtherProcess second([](const OtherProcess::Channel& channel) {
    channel.Write(NamedLock::Acquire("Held here first").hadOtherHolder() ? 'y' : 'n');
  });
  EXPECT_EQ(second.Read(), 'y') << "a second copy started later sees this one";
}

TEST_F(SingleInstance, AKilledHolderLeavesTheNameFree) {
  OtherProcess other([](const OtherProcess::Channel& channel) {
    new NamedLock(NamedLock::Acquire(kShooterName));
    channel.Write('r');
  });
  ASSERT_EQ(other.Read(), 'r');
  other.Kill();
  EXPECT_FALSE(NamedLock::Acquire(kShooterName).hadOtherHolder()) << "a crash never leaves the name held";
}

TEST_F(SingleInstance, OfCopiesStartedTogetherExactlyOneIsFirst) {
  std::vector<std::unique_ptr<OtherProcess>> copies;
  for (int i = 0; i < 6; ++i)
    copies.push_back(std::make_unique<OtherProcess>([](const OtherProcess::Channel& channel) {
      channel.Read();  // all start at once
      NamedLock* lock = new NamedLock(NamedLock::Acquire(kShooterName));
      channel.Write(lock->hadOtherHolder() ? 'y' : 'n');
    }));
  for (auto& copy : copies) copy->Write('g');
  int first = 0;
  for (auto& copy : copies) first += copy->Read() == 'n';
  EXPECT_EQ(first, 1);
}

TEST_F(SingleInstance, WithoutALockFolderAProgramRunsAsTheOnlyOne) {
  const std::string notAFolder = locks.path() + "/a file";
  testing_support::WriteFile(notAFolder, "");
  testing_support::ScopedEnvironment broken("GAMES_LOCK_DIR", notAFolder.c_str());
  NamedLock lock = NamedLock::Acquire(kShooterName);
  EXPECT_FALSE(lock.holds());
  EXPECT_FALSE(lock.hadOtherHolder());
}

// ---------------------------------------------------------------- windows

TEST_F(SingleInstance, AWindowIsFoundByItsClassAndExactCurrentTitle) {
  {
    WindowRecord window;
    window.Publish("ZOLK", "Tiltwell.");
    EXPECT_TRUE(PublishedWindowShows("ZOLK", "Tiltwell."));
    EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell"));
    EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell. "));
    EXPECT_FALSE(PublishedWindowShows("Default Class Name", "Tiltwell."));
    window.SetTitle("Tiltwell. ~ First - the comment");
    EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell.")) << "a stage title is not the title screen";
    window.SetTitle("Tiltwell.");
    EXPECT_TRUE(PublishedWindowShows("ZOLK", "Tiltwell."));
  }
  EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell.")) << "a window that went away is not found";
  EXPECT_EQ(FilesInLockFolder(), 0u) << "its record went with it";
}

TEST_F(SingleInstance, HeadlessWindowsPublishWhileTheyExist) {
  HeadlessHost host;
  WindowDesc desc;
  desc.titleCp932 = "Tiltwell.";
  auto unnamed = host.CreateWindow(desc);
  EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell."));
  EXPECT_EQ(FilesInLockFolder(), 0u) << "a window without a class name is not published";

  desc.classNameCp932 = "ZOLK";
  auto window = host.CreateWindow(desc);
  EXPECT_TRUE(PublishedWindowShows("ZOLK", "Tiltwell."));
  window->SetTitle("Tiltwell. ~ a - b");
  EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell."));
  window->SetTitle("Tiltwell.");
  window->Destroy();
  EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell.")) << "a destroyed window is not found";
  window->SetTitle("Tiltwell.");
  EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell.")) << "nor after a title set when destroyed";

  auto another = host.CreateWindow(desc);
  EXPECT_TRUE(PublishedWindowShows("ZOLK", "Tiltwell."));
  another.reset();
  EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell."));
}

TEST_F(SingleInstance, AnotherProcessesWindowIsFoundUntilItsProcessDies) {
  OtherProcess other([](const OtherProcess::Channel& channel) {
    auto* window = new WindowRecord;
    window->Publish("ZOLK", "Tiltwell.");
    channel.Write('r');
    if (channel.Read() == 't') window->SetTitle("Tiltwell. ~ \x95\x5C - comment");
    channel.Write('r');
    if (channel.Read() == 't') window->SetTitle("Tiltwell.");
    channel.Write('r');
  });
  ASSERT_EQ(other.Read(), 'r');
  EXPECT_TRUE(PublishedWindowShows("ZOLK", "Tiltwell."));
  other.Write('t');
  ASSERT_EQ(other.Read(), 'r');
  EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell.")) << "while the first shows a stage, a second starts";
  EXPECT_TRUE(PublishedWindowShows("ZOLK", "Tiltwell. ~ \x95\x5C - comment"));
  other.Write('t');
  ASSERT_EQ(other.Read(), 'r');
  EXPECT_TRUE(PublishedWindowShows("ZOLK", "Tiltwell."));

  other.Kill();
  EXPECT_FALSE(PublishedWindowShows("ZOLK", "Tiltwell.")) << "a killed program's window is not found";
  EXPECT_EQ(FilesInLockFolder(), 0u) << "and its record is removed";
}

}  // namespace
}  // namespace platform
