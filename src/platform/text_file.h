#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/outcome.h"

namespace kirvo {

// No file of the program comes near this size; a larger one is refused rather than read.
inline constexpr std::uintmax_t kFileSizeLimitBytes = std::uintmax_t{64} << 20;

// Reads a whole regular file (symbolic links followed) as raw bytes. Anything else — a folder, a
// FIFO, a device — and a file above kFileSizeLimitBytes is an error, so a hostile path cannot make
// a reader wait forever or fill the memory.
Outcome<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes a whole file through a temporary file in the same folder and a rename, so that a crash
// leaves either the old file or the new one, never half of one; the folder is synced after the
// rename. A symbolic link is written through to its target and stays a link; the new file keeps the
// permissions (and, where allowed, the owner) of the one it replaces. Temporary files that saves of
// processes no longer running left beside the file are removed. Only a regular file or a missing
// one is replaced: a device, a FIFO or a folder (also one a link leads to) is an error naming the
// file. A file that already holds exactly `bytes` is not written again.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The refusal to save over a file that could not be read (`read_error` says why): its content is
// still the user's, so it is never replaced without the user's own choice.
std::string NotSavedOverUnreadable(const std::filesystem::path& path, std::string_view read_error);

// WriteFileAtomically in two steps, for saves that replace more than one file together: Prepare
// does everything that can fail for want of room or rights (the checks, the temporary file written
// and synced); Commit puts it in place with the rename. Dropped without Commit, nothing changes.
class FileReplacement {
 public:
  static Outcome<FileReplacement> Prepare(const std::filesystem::path& path, std::string_view bytes);
  FileReplacement(FileReplacement&& other) noexcept;
  FileReplacement& operator=(FileReplacement&& other) noexcept;
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  ~FileReplacement();

  // Whether the file already holds the bytes, so that Commit leaves it as it is.
  bool unchanged() const { return temporary_.empty(); }
  Status Commit();

 private:
  FileReplacement() = default;
  void Discard();

  std::filesystem::path shown_;      // the path as the caller named it
  std::filesystem::path target_;     // the file it names, links followed
  std::filesystem::path temporary_;  // the new content; empty when there is nothing to rename
};

// Reads a Shift-JIS text file whole as UTF-8, with its CR LF line ends turned into "\n".
Outcome<std::string> ReadShiftJisFile(const std::filesystem::path& path);

// Writes UTF-8 text whose lines end in "\n" as a Shift-JIS file with CR LF line ends, atomically.
Status WriteShiftJisFile(const std::filesystem::path& path, std::string_view utf8);

}  // namespace kirvo
