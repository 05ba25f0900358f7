#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kirvo {

// What decides the program folder: the environment and where the executable lies.
struct ProgramSurroundings {
  std::string kirvo_home;                   // KIRVO_HOME
  std::filesystem::path executable_folder;  // the folder of the running executable
  std::string xdg_data_home;                // XDG_DATA_HOME
  std::string home;                         // the user's home folder
};

enum class ProgramFolderKind {
  kNamed,     // KIRVO_HOME names it
  kPortable,  // the executable's own folder holds the shipped files (a build folder, a portable copy)
  kPerUser,   // an installed program: the user's data folder, filled from the installed share folder
};

struct ProgramFolderChoice {
  std::filesystem::path folder;
  ProgramFolderKind kind = ProgramFolderKind::kNamed;
};

// The file whose presence beside the executable marks a portable program folder.
inline constexpr std::string_view kPortableMarkerFile = "SysF.ini";

// The surroundings of this process.
ProgramSurroundings CurrentSurroundings();

// The program folder holds every data file the program reads and writes. In this order: the
// folder KIRVO_HOME names when it is set and not empty; else the executable's folder when it holds
// the shipped files; else the per-user folder $XDG_DATA_HOME/kirvolan (an XDG_DATA_HOME that is
// not an absolute path is ignored, as the XDG rules say), by default ~/.local/share/kirvolan.
ProgramFolderChoice ChooseProgramFolder(const ProgramSurroundings& surroundings);

// The shipped files of an installed program: share/kirvolan beside the executable's bin folder.
std::filesystem::path InstalledShareFolder(const std::filesystem::path& executable_folder);

// The program folder of this process (ChooseProgramFolder over CurrentSurroundings).
std::filesystem::path ProgramFolder();

// How a chosen file is remembered (the hidden-stem file name, for one): its bare name when it lies
// directly in the program folder, else its full path. Folders compare without regard to ASCII case.
std::string PathRelativeToProgramFolder(const std::filesystem::path& file,
                                        const std::filesystem::path& program_folder = ProgramFolder());

// `text` without a leading program folder path and its separator (compared without regard to ASCII
// case), so that a name stored with the full path becomes relative again; other texts unchanged.
std::string StripProgramFolder(std::string_view text, const std::filesystem::path& program_folder = ProgramFolder());

}  // namespace kirvo
