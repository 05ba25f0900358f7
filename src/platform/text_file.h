#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/outcome.h"

namespace kirvo {

// Reads a whole file as raw bytes.
Outcome<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes a whole file through a temporary file in the same folder and a rename, so that a crash
// leaves either the old file or the new one, never half of one.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a Shift-JIS text file whole as UTF-8, with its CR LF line ends turned into "\n".
Outcome<std::string> ReadShiftJisFile(const std::filesystem::path& path);

// Writes UTF-8 text whose lines end in "\n" as a Shift-JIS file with CR LF line ends, atomically.
Status WriteShiftJisFile(const std::filesystem::path& path, std::string_view utf8);

}  // namespace kirvo
