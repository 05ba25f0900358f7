#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kirvo {

// The files the program cannot run without, tested at start in this order. The first is the help
// index, or the branded help file when the branding names one.
inline constexpr std::array<std::string_view, 7> kRequiredDataFiles = {
    "SysF.ini", "USysF.ini", "MemoF.ini", "Memo.dat", "KakuSetu.dat", "SinSetu.dat", "Default.zou"};

// The file of `folder` named `name` ("help/index.html" names a file in a subfolder), each part
// matched without regard to ASCII case as the program's names always were ("Memo.dat" finds
// "Memo.Dat"); an exact match wins. Nothing when there is none.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& folder, std::string_view name);

// The first required file missing from the program folder, as its name: `help_file` first, then
// the data files in order. Nothing when all are there.
std::optional<std::string> FirstMissingRequiredFile(const std::filesystem::path& program_folder,
                                                    std::string_view help_file);

// "<name>が、ありません。": the message that ends the start-up.
std::string MissingFileMessage(std::string_view name);

}  // namespace kirvo
