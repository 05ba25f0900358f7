#include "platform/program_folder.h"

#include <cstdlib>
#include <system_error>

#include "platform/ascii.h"

namespace kirvo {
namespace {

// A folder's path in the form used for comparing: normalised, without a trailing separator.
std::string FolderText(const std::filesystem::path& folder) {
  std::string text = folder.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace

std::filesystem::path ProgramFolder() {
  if (const char* home = std::getenv("KIRVO_HOME"); home != nullptr && *home != '\0') return home;
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return executable.parent_path();
  return std::filesystem::current_path(error);
}

std::string PathRelativeToProgramFolder(const std::filesystem::path& file,
                                        const std::filesystem::path& program_folder) {
  const std::filesystem::path full = file.lexically_normal();
  if (full.has_filename() && EqualsIgnoringAsciiCase(FolderText(full.parent_path()), FolderText(program_folder))) {
    return full.filename().string();
  }
  return file.string();
}

std::string StripProgramFolder(std::string_view text, const std::filesystem::path& program_folder) {
  std::string prefix = FolderText(program_folder);
  if (prefix.empty()) return std::string(text);
  if (prefix.back() != '/') prefix += '/';
  if (text.size() > prefix.size() && StartsWithIgnoringAsciiCase(text, prefix)) {
    return std::string(text.substr(prefix.size()));
  }
  return std::string(text);
}

}  // namespace kirvo
