#include "platform/text_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "platform/line_ends.h"
#include "platform/shift_jis.h"

namespace kirvo {
namespace {

std::string Quoted(const std::filesystem::path& path) { return "「" + path.string() + "」"; }

std::string Reason(int error_number) { return std::string("（") + std::strerror(error_number) + "）"; }

Outcome<std::string> ReadFailure(const std::filesystem::path& path, std::string what) {
  return Outcome<std::string>::Failure(Quoted(path) + " " + std::move(what));
}

std::string TooLarge() { return "は大きすぎて読めません（" + std::to_string(kFileSizeLimitBytes >> 20) + " MB まで）"; }

std::string NotRegularFile(const std::filesystem::path& path, const std::filesystem::path& target) {
  const std::string named = path == target ? Quoted(path) : Quoted(path) + "（リンク先 " + Quoted(target) + "）";
  return named + " は通常のファイルではないため書けません";
}

// The folder a file lies in, "." for a bare name.
std::filesystem::path FolderOf(const std::filesystem::path& path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// The file a path finally names: symbolic links followed, also when the last one dangles, so that
// saving writes the target and leaves the links in place.
Outcome<std::filesystem::path> FollowLinks(std::filesystem::path path) {
  constexpr int kMaxLinks = 40;  // as the system allows when opening
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) return Outcome<std::filesystem::path>::Failure(Quoted(path) + " を書けません（" + error.message() + "）");
    path = target.is_absolute() ? target : FolderOf(path) / target;
  }
  return Outcome<std::filesystem::path>::Failure(Quoted(path) + " を書けません" + Reason(ELOOP));
}

// Temporary files of `path` ("<name>.tmp<pid>-<n>") that a save of a process no longer running
// left behind when it was interrupted.
void RemoveStaleTemporaries(const std::filesystem::path& path) {
  const std::string prefix = path.filename().string() + ".tmp";
  std::error_code error;
  for (std::filesystem::directory_iterator it(FolderOf(path), error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const std::string_view rest = std::string_view(name).substr(prefix.size());
    long pid = 0;
    const auto [dash, parsed] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (parsed != std::errc() || pid <= 0 || dash == rest.data() + rest.size() || *dash != '-') continue;
    const std::string_view number = rest.substr(static_cast<std::size_t>(dash - rest.data()) + 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) continue;
    if (pid == getpid() || kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    std::error_code ignored;
    std::filesystem::remove(it->path(), ignored);
  }
}

// Creates a new temporary file beside `path` that no other writer uses. Returns -1 with errno set
// when the folder cannot take a file.
int CreateTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& temporary) {
  static std::atomic<unsigned> counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path;
    temporary += ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Gives the new file the owner and permissions of the file it replaces. Changing the owner needs
// privileges the program usually lacks; then the saving user owns the new file, as with any save.
void KeepOwnerAndPermissions(int fd, const std::filesystem::path& replaced) {
  struct stat old {};
  if (stat(replaced.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return;
  if (old.st_uid != geteuid() || old.st_gid != getegid()) {
    [[maybe_unused]] const int ignored = fchown(fd, old.st_uid, old.st_gid);
  }
  fchmod(fd, old.st_mode & 07777);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable. A file system that cannot sync folders (EINVAL) has nothing
// more to do.
int SyncFolder(const std::filesystem::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int result = fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  close(fd);
  return result;
}

}  // namespace

Outcome<std::string> ReadFileBytes(const std::filesystem::path& path) {
  // Only a regular file is read: a FIFO would wait for a writer and a device may never end. The
  // check comes before opening (opening a device can act on it) and again on what was opened.
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return ReadFailure(path, "を開けません" + Reason(errno));
  if (!S_ISREG(info.st_mode)) return ReadFailure(path, "は通常のファイルではないため読めません");
  if (static_cast<std::uintmax_t>(info.st_size) > kFileSizeLimitBytes) return ReadFailure(path, TooLarge());
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return ReadFailure(path, "を開けません" + Reason(errno));
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return ReadFailure(path, "は通常のファイルではないため読めません");
  }
  std::string bytes;
  // Room for the size seen: a large file is not copied again at every doubling of the string.
  if (static_cast<std::uintmax_t>(info.st_size) <= kFileSizeLimitBytes) bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  while (true) {
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      const int error_number = errno;
      close(fd);
      return ReadFailure(path, "を読めません" + Reason(error_number));
    }
    if (count == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(count));
    if (bytes.size() > kFileSizeLimitBytes) {  // grew while being read
      close(fd);
      return ReadFailure(path, TooLarge());
    }
  }
  close(fd);
  return bytes;
}

Outcome<FileReplacement> FileReplacement::Prepare(const std::filesystem::path& path, std::string_view bytes) {
  using Result = Outcome<FileReplacement>;
  const Outcome<std::filesystem::path> target = FollowLinks(path);
  if (!target) return Result::Failure(target.error());
  FileReplacement replacement;
  replacement.shown_ = path;
  replacement.target_ = *target;
  // The rename replaces whatever the name stands for: only a regular file (or nothing) may be
  // replaced, never a device, a FIFO or a folder, also not through a link.
  struct stat info {};
  const bool exists = lstat(target->c_str(), &info) == 0;
  if (!exists && errno != ENOENT) return Result::Failure(Quoted(path) + " を書けません" + Reason(errno));
  if (exists && !S_ISREG(info.st_mode)) return Result::Failure(NotRegularFile(path, *target));
  // A file that already holds these bytes is left as it is: nothing to write, nothing to fail.
  if (exists && static_cast<std::uintmax_t>(info.st_size) == bytes.size()) {
    if (const Outcome<std::string> held = ReadFileBytes(*target); held && *held == bytes) return replacement;
  }
  RemoveStaleTemporaries(*target);
  std::filesystem::path temporary;
  const int fd = CreateTemporaryBeside(*target, temporary);
  if (fd < 0) return Result::Failure(Quoted(path) + " を書けません" + Reason(errno));
  KeepOwnerAndPermissions(fd, *target);

  // The data reach the disk before the rename, so that even a power loss leaves the old file or the
  // new one whole.
  const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
  const int write_error = errno;
  const bool closed = close(fd) == 0;
  const int close_error = errno;
  if (!written || !closed) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Result::Failure(Quoted(path) + " を書けません" + Reason(!written ? write_error : close_error));
  }
  replacement.temporary_ = std::move(temporary);
  return replacement;
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : shown_(std::move(other.shown_)), target_(std::move(other.target_)), temporary_(std::move(other.temporary_)) {
  other.temporary_.clear();
}

FileReplacement& FileReplacement::operator=(FileReplacement&& other) noexcept {
  if (this != &other) {
    Discard();
    shown_ = std::move(other.shown_);
    target_ = std::move(other.target_);
    temporary_ = std::move(other.temporary_);
    other.temporary_.clear();
  }
  return *this;
}

FileReplacement::~FileReplacement() { Discard(); }

void FileReplacement::Discard() {
  if (temporary_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(temporary_, ignored);
  temporary_.clear();
}

Status FileReplacement::Commit() {
  if (temporary_.empty()) return {};  // unchanged, or already in place
  // Checked again right before the rename, as the name may have been replaced meanwhile.
  struct stat info {};
  if (lstat(target_.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    Discard();
    return Status::Failure(NotRegularFile(shown_, target_));
  }
  std::error_code error;
  std::filesystem::rename(temporary_, target_, error);
  if (error) {
    Discard();
    return Status::Failure(Quoted(shown_) + " を書けません（" + error.message() + "）");
  }
  temporary_.clear();
  if (const int sync_error = SyncFolder(FolderOf(target_)); sync_error != 0) {
    return Status::Failure(Quoted(shown_) + " を書きましたが、ディスクへの反映を確かめられません" + Reason(sync_error));
  }
  return {};
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  Outcome<FileReplacement> replacement = FileReplacement::Prepare(path, bytes);
  if (!replacement) return Status::Failure(replacement.error());
  return replacement.value().Commit();
}

std::string NotSavedOverUnreadable(const std::filesystem::path& path, std::string_view read_error) {
  return Quoted(path) + " を読めなかったため、上書きしません。\n" + std::string(read_error);
}

Outcome<std::string> ReadShiftJisFile(const std::filesystem::path& path) {
  Outcome<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return bytes;
  Outcome<std::string> text = DecodeShiftJis(*bytes);
  if (!text) return Outcome<std::string>::Failure(Quoted(path) + ": " + text.error());
  return ToNewlineEnds(*text);
}

Status WriteShiftJisFile(const std::filesystem::path& path, std::string_view utf8) {
  Outcome<std::string> bytes = EncodeShiftJis(ToCrLfEnds(utf8));
  if (!bytes) return Status::Failure(Quoted(path) + " に書けません: " + bytes.error());
  return WriteFileAtomically(path, *bytes);
}

}  // namespace kirvo
