// Build step: writes the shipped data files, kept in the repository as UTF-8 with LF line ends, as
// Shift-JIS with CR LF into the shipped folder, and into the program folder unless a file of that
// name is already there (a user's edited settings are never overwritten).
//
//   kirvo-ship SOURCE_DIR SHIPPED_DIR PROGRAM_DIR NAME...
#include <cstdio>
#include <filesystem>

#include "platform/text_file.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: kirvo-ship SOURCE_DIR SHIPPED_DIR PROGRAM_DIR NAME...\n", stderr);
    return 2;
  }
  const std::filesystem::path source_dir = argv[1];
  const std::filesystem::path shipped_dir = argv[2];
  const std::filesystem::path program_dir = argv[3];
  std::error_code error;
  std::filesystem::create_directories(shipped_dir, error);
  std::filesystem::create_directories(program_dir, error);
  for (int i = 4; i < argc; ++i) {
    const auto text = kirvo::ReadFileBytes(source_dir / argv[i]);
    if (!text) {
      std::fprintf(stderr, "%s\n", text.error().c_str());
      return 1;
    }
    for (const auto& target : {shipped_dir / argv[i], program_dir / argv[i]}) {
      if (target.parent_path() == program_dir && std::filesystem::exists(target)) continue;
      const kirvo::Status written = kirvo::WriteShiftJisFile(target, *text);
      if (!written) {
        std::fprintf(stderr, "%s: %s\n", argv[i], written.error().c_str());
        return 1;
      }
    }
  }
  return 0;
}
