#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fileio/file_bytes.h"
#include "support/file_size_limit.h"

namespace trabeo {
namespace {

namespace fs = std::filesystem;

const std::vector<uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<uint8_t> kNew = {'n', 'e', 'w', ' ', 'd', 'a', 't', 'a'};

class AtomicWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = fs::temp_directory_path() /
              ("trabeo_write_" + std::to_string(std::random_device{}()) + std::to_string(stamp));
    fs::create_directories(folder_);
    ASSERT_TRUE(WriteFileBytes(file(), kOld));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
  }

  fs::path file() const { return folder_ / "beam.trb"; }
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_))
      names.insert(entry.path().filename().string());
    return names;
  }
  // A refused or failed save names the file, leaves it as it was and leaves nothing behind.
  void ExpectRefusedAndIntact(const std::string& message) {
    EXPECT_NE(message.find(file().string()), std::string::npos) << message;
    EXPECT_EQ(ReadFileBytes(file()), kOld);
    EXPECT_EQ(Entries(), std::set<std::string>{"beam.trb"});
  }

  fs::path folder_;
};

TEST_F(AtomicWriteTest, ReplacesTheFileKeepingItsModeAndLeavesNoTemporary) {
  fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(WriteFileAtomically(file(), kNew), "");
  EXPECT_EQ(ReadFileBytes(file()), kNew);
  EXPECT_EQ(fs::status(file()).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), std::set<std::string>{"beam.trb"});

  EXPECT_EQ(WriteFileAtomically(folder_ / "new.trb", kNew), "");
  EXPECT_EQ(ReadFileBytes(folder_ / "new.trb"), kNew);
}

TEST_F(AtomicWriteTest, ReadOnlyFileIsRefusedEvenForTheSuperuser) {
  fs::permissions(file(), fs::perms::owner_read | fs::perms::group_read);
  ExpectRefusedAndIntact(WriteFileAtomically(file(), kNew));
  EXPECT_EQ(fs::status(file()).permissions(), fs::perms::owner_read | fs::perms::group_read);
}

TEST_F(AtomicWriteTest, ReadOnlyFolderIsRefused) {
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  ExpectRefusedAndIntact(WriteFileAtomically(file(), kNew));
}

TEST_F(AtomicWriteTest, FolderInTheFilesPlaceIsRefusedAndKept) {
  fs::remove(file());
  fs::create_directories(file() / "inside");
  const std::string message = WriteFileAtomically(file(), kNew);
  EXPECT_NE(message, "");
  EXPECT_TRUE(fs::is_directory(file() / "inside"));
  EXPECT_EQ(Entries(), std::set<std::string>{"beam.trb"});
}

// Sets or clears the immutable attribute; false where the file system or user cannot.
bool SetImmutable(const fs::path& path, bool immutable) {
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  close(fd);
  return done;
}

TEST_F(AtomicWriteTest, ImmutableFileIsRefused) {
  if (!SetImmutable(file(), true)) GTEST_SKIP() << "cannot mark a file immutable here";
  const std::string message = WriteFileAtomically(file(), kNew);
  ASSERT_TRUE(SetImmutable(file(), false));
  ExpectRefusedAndIntact(message);
}

TEST_F(AtomicWriteTest, StaleTemporaryAndPlantedLinkNeitherBlockNorRedirectTheSave) {
  const fs::path victim = folder_ / "victim";
  ASSERT_TRUE(WriteFileBytes(victim, kOld));
  fs::create_directories(folder_ / "beam.trb.tmp" / "stale");
  fs::create_symlink(victim, folder_ / "beam.trb.tmp.link");
  EXPECT_EQ(WriteFileAtomically(file(), kNew), "");
  EXPECT_EQ(ReadFileBytes(file()), kNew);
  EXPECT_FALSE(fs::is_symlink(file()));

  fs::remove_all(folder_ / "beam.trb.tmp");
  fs::create_symlink(victim, folder_ / "beam.trb.tmp");
  EXPECT_EQ(WriteFileAtomically(file(), kOld), "");
  EXPECT_EQ(ReadFileBytes(file()), kOld);
  EXPECT_EQ(ReadFileBytes(victim), kOld);
  EXPECT_TRUE(fs::is_symlink(folder_ / "beam.trb.tmp"));
}

TEST_F(AtomicWriteTest, ALinkTheUserMadeToTheFileStaysALink) {
  fs::create_directories(folder_ / "real");
  ASSERT_TRUE(WriteFileBytes(folder_ / "real" / "data.trb", kOld));
  fs::create_symlink(folder_ / "real" / "data.trb", folder_ / "link.trb");
  EXPECT_EQ(WriteFileAtomically(folder_ / "link.trb", kNew), "");
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.trb"));
  EXPECT_EQ(ReadFileBytes(folder_ / "real" / "data.trb"), kNew);
}

TEST_F(AtomicWriteTest, FullDiskIsReportedAndLeavesTheOldFile) {
  const std::vector<uint8_t> large(64 * 1024, 'x');
  const int status = RunWithFileSizeLimit(4096, [&] {
    const std::string message = WriteFileAtomically(file(), large);
    return message.find(file().string()) != std::string::npos ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  ExpectRefusedAndIntact(file().string());
}

}  // namespace
}  // namespace trabeo
