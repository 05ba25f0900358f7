#include "presentation/services/required_files.h"

#include <system_error>

#include "platform/ascii.h"

namespace kirvo {

std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
  std::error_code error;
  std::filesystem::path found = folder;
  for (const std::filesystem::path& part : std::filesystem::path(name).relative_path()) {
    std::filesystem::path next = found / part;
    if (!std::filesystem::exists(next, error)) {
      std::optional<std::filesystem::path> match;
      for (std::filesystem::directory_iterator it(found, error), end; !error && it != end; it.increment(error)) {
        if (EqualsIgnoringAsciiCase(it->path().filename().string(), part.string())) {
          match = it->path();
          break;
        }
      }
      if (!match) return std::nullopt;
      next = *match;
    }
    found = next;
  }
  if (!std::filesystem::is_regular_file(found, error)) return std::nullopt;
  return found;
}

std::optional<std::string> FirstMissingRequiredFile(const std::filesystem::path& program_folder,
                                                    std::string_view help_file) {
  if (!FindFileIgnoringCase(program_folder, help_file)) return std::string(help_file);
  for (const std::string_view name : kRequiredDataFiles) {
    if (!FindFileIgnoringCase(program_folder, name)) return std::string(name);
  }
  return std::nullopt;
}

std::string MissingFileMessage(std::string_view name) { return std::string(name) + "が、ありません。"; }

}  // namespace kirvo
