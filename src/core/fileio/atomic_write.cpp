#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>

#include "fileio/file_bytes.h"

namespace trabeo {
namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 100;

std::string Reason(int error) {
  return std::generic_category().message(error);
}

std::string Refusal(const fs::path& shownPath, std::string_view reason) {
  return "Cannot write " + shownPath.string() + ": " + std::string(reason);
}

// A file or folder with no write permission bit at all has been marked read-only by its owner.
// The superuser's writes pass the kernel's checks regardless, so the mark is honoured here too.
bool MarkedReadOnly(const struct stat& status) {
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The file the save replaces: a symbolic link the user made to the data file is followed, so the
// file it points at is replaced and the link stays a link.
fs::path ResolvedTarget(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path resolved = fs::weakly_canonical(path, error);
  return error ? path : resolved;
}

fs::path FolderOf(const fs::path& target) {
  return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// Why the target or its folder may not be written; empty when it may. A target that does not yet
// exist is fine; its folder is then checked when the temporary file is created.
std::string ReasonNotToWrite(const fs::path& target) {
  struct stat folder {};
  if (stat(FolderOf(target).c_str(), &folder) == 0 && MarkedReadOnly(folder))
    return "the folder is read-only";
  struct stat status {};
  if (lstat(target.c_str(), &status) != 0) return errno == ENOENT ? std::string() : Reason(errno);
  if (!S_ISREG(status.st_mode)) return "it is not a file";
  if (MarkedReadOnly(status)) return "the file is read-only";
  // Catches files of other users and immutable files, which even the superuser may not write.
  if (access(target.c_str(), W_OK) != 0) return Reason(errno);
  return {};
}

// Creates a new file of a unique name in the target's folder. O_EXCL fails on any existing name,
// a planted symbolic link included, so nothing but a fresh file is ever written.
int CreateTemporary(const fs::path& target, fs::path& temporary, int& error) {
  // Seeded from the clock and the process, not std::random_device, which may throw.
  const auto ticks =
      static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::mt19937_64 source(ticks ^ (static_cast<uint64_t>(getpid()) << 32));
  std::uniform_int_distribution<std::size_t> digit(0, 35);
  constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string suffix = ".";
    for (int i = 0; i < 8; ++i)
      suffix += kDigits[digit(source)];
    temporary = target;
    temporary += suffix + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                        S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  error = errno;
  return -1;
}

// The replacement keeps the mode and, where allowed, the owner of the file it replaces.
void KeepModeAndOwner(int fd, const fs::path& target) {
  struct stat status {};
  if (stat(target.c_str(), &status) != 0) return;
  fchmod(fd, status.st_mode & 07777);
  [[maybe_unused]] const int ignored = fchown(fd, status.st_uid, status.st_gid);
}

// Writes every byte and flushes them to the disk; 0 on success, else the error number.
int WriteAndFlush(int fd, std::span<const uint8_t> bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = write(fd, bytes.data() + written, bytes.size() - written);
    if (count < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    written += static_cast<std::size_t>(count);
  }
  return fsync(fd) == 0 ? 0 : errno;
}

// Makes the rename itself durable. A failure here is not reported: the file already holds the
// new contents, and only a power cut in the next moments could bring back the old ones.
void FlushFolder(const fs::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

std::string WriteFileAtomically(const fs::path& path, std::span<const uint8_t> bytes) {
  const fs::path target = ResolvedTarget(path);
  if (const std::string reason = ReasonNotToWrite(target); !reason.empty())
    return Refusal(path, reason);

  fs::path temporary;
  int error = 0;
  const int fd = CreateTemporary(target, temporary, error);
  if (fd < 0) return Refusal(path, Reason(error));
  KeepModeAndOwner(fd, target);
  error = WriteAndFlush(fd, bytes);
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temporary.c_str());
    return Refusal(path, Reason(error));
  }
  FlushFolder(FolderOf(target));
  return {};
}

}  // namespace trabeo
