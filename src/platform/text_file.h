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
// processes no longer running left beside the file are removed.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a Shift-JIS text file whole as UTF-8, with its CR LF line ends turned into "\n".
Outcome<std::string> ReadShiftJisFile(const std::filesystem::path& path);

// Writes UTF-8 text whose lines end in "\n" as a Shift-JIS file with CR LF line ends, atomically.
Status WriteShiftJisFile(const std::filesystem::path& path, std::string_view utf8);

}  // namespace kirvo
