#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kirvo {

// The program folder holds the executable and every data file the program reads and writes. It is
// the folder named by the environment variable KIRVO_HOME when that is set and not empty, else the
// folder of the running executable.
std::filesystem::path ProgramFolder();

// How a chosen file is remembered (the hidden-stem file name, for one): its bare name when it lies
// directly in the program folder, else its full path. Folders compare without regard to ASCII case.
std::string PathRelativeToProgramFolder(const std::filesystem::path& file,
                                        const std::filesystem::path& program_folder = ProgramFolder());

// `text` without a leading program folder path and its separator (compared without regard to ASCII
// case), so that a name stored with the full path becomes relative again; other texts unchanged.
std::string StripProgramFolder(std::string_view text, const std::filesystem::path& program_folder = ProgramFolder());

}  // namespace kirvo
