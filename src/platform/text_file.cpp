#include "platform/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "platform/line_ends.h"
#include "platform/shift_jis.h"

namespace kirvo {
namespace {

std::string Quoted(const std::filesystem::path& path) { return "「" + path.string() + "」"; }

std::string Reason(int error_number) { return std::string("（") + std::strerror(error_number) + "）"; }

// Creates a new temporary file beside `path` that no other writer uses. Returns -1 with errno set
// when the folder cannot take a file.
int CreateTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& temporary) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path;
    temporary += ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
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

}  // namespace

Outcome<std::string> ReadFileBytes(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    return Outcome<std::string>::Failure(Quoted(path) + " を開けません" + Reason(errno));
  }
  std::string bytes;
  char buffer[65536];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  const int error_number = errno;
  std::fclose(file);
  if (failed) return Outcome<std::string>::Failure(Quoted(path) + " を読めません" + Reason(error_number));
  return bytes;
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary;
  const int fd = CreateTemporaryBeside(path, temporary);
  if (fd < 0) return Status::Failure(Quoted(path) + " を書けません" + Reason(errno));

  // The data reach the disk before the rename, so that even a power loss leaves the old file or the
  // new one whole.
  const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
  const int write_error = errno;
  const bool closed = close(fd) == 0;
  const int close_error = errno;
  if (!written || !closed) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Status::Failure(Quoted(path) + " を書けません" + Reason(!written ? write_error : close_error));
  }

  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Status::Failure(Quoted(path) + " を書けません（" + error.message() + "）");
  }
  return {};
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
