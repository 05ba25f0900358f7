#include "platform/program_folder.h"

#include <pwd.h>
#include <unistd.h>

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

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

ProgramSurroundings CurrentSurroundings() {
  ProgramSurroundings surroundings;
  surroundings.kirvo_home = EnvironmentText("KIRVO_HOME");
  surroundings.xdg_data_home = EnvironmentText("XDG_DATA_HOME");
  surroundings.home = EnvironmentText("HOME");
  if (surroundings.home.empty()) {
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
      surroundings.home = user->pw_dir;
    }
  }
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  surroundings.executable_folder = !error ? executable.parent_path() : std::filesystem::current_path(error);
  return surroundings;
}

ProgramFolderChoice ChooseProgramFolder(const ProgramSurroundings& surroundings) {
  if (!surroundings.kirvo_home.empty()) return {surroundings.kirvo_home, ProgramFolderKind::kNamed};
  std::error_code error;
  if (std::filesystem::is_regular_file(surroundings.executable_folder / kPortableMarkerFile, error)) {
    return {surroundings.executable_folder, ProgramFolderKind::kPortable};
  }
  const std::filesystem::path data_home = std::filesystem::path(surroundings.xdg_data_home).is_absolute()
                                              ? std::filesystem::path(surroundings.xdg_data_home)
                                              : std::filesystem::path(surroundings.home) / ".local" / "share";
  return {data_home / "kirvolan", ProgramFolderKind::kPerUser};
}

std::filesystem::path InstalledShareFolder(const std::filesystem::path& executable_folder) {
  return (executable_folder / ".." / "share" / "kirvolan").lexically_normal();
}

std::filesystem::path ProgramFolder() { return ChooseProgramFolder(CurrentSurroundings()).folder; }

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
