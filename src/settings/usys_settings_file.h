#pragma once

#include <filesystem>
#include <string_view>

#include "platform/ini_file.h"
#include "platform/outcome.h"
#include "settings/usys_settings.h"

namespace kirvo {

class SettingsStore;

// USysF.ini of the program folder, section "USysF": one key per control, tables one key per row.
inline constexpr std::string_view kUSysFileName = "USysF.ini";
inline constexpr std::string_view kUSysSection = "USysF";
// Section and key of the first-run marker.
inline constexpr std::string_view kUSysVersionSection = "USys";
inline constexpr std::string_view kUSysVersionKey = "V122";

// Whether loading applies the first-run rule (which may write the files). Tools that only look at a
// program folder skip it.
enum class FirstRunRule { kApply, kSkip };

// The settings held by an ini text already in memory (the shipped defaults built into the
// program), with the default slot names. A missing key keeps its default, a missing table row is
// empty; a value that can't be read, or lies outside its range, keeps its default and goes to
// `report`.
USysSettings USysSettingsFromIni(const IniFile& ini, LoadReport& report);

// Writes every key of `settings` into `ini`, leaving the keys this model does not know.
void WriteUSysSettings(IniFile& ini, const USysSettings& settings);

// Reads USysF.ini of `program_folder` with the slot names of the per-user value "Sys\Gaiji1" (slot
// 33's second character). When the file lacks the first-run marker (V122 not 1), the dialog's close
// runs once without the dialog: the close check, and when it passes the save; the marker is written
// either way. A file that lost lines on reading is not rewritten then. What could not be read, and
// a failed first-run check or write, is in the report.
Loaded<USysSettings> LoadUSysSettings(const std::filesystem::path& program_folder, const SettingsStore& store,
                                      FirstRunRule first_run_rule = FirstRunRule::kApply);

// Every key again from the file (Cancel), keeping the slot names of `current`.
Loaded<USysSettings> ReloadUSysSettings(const std::filesystem::path& program_folder, const USysSettings& current);

// Writes every key into USysF.ini (keeping the keys and the unreadable lines already there) and
// `ZSG` to the distribution file named by `ZFileE`. The first failure is returned; the other file
// is still written.
Status SaveUSysSettings(const USysSettings& settings, const std::filesystem::path& program_folder);

// Where `ZSG` is written: the program folder joined with `ZFileE` (a full path stays as it is).
std::filesystem::path DistributionFilePath(const USysSettings& settings, const std::filesystem::path& program_folder);

// `OpenBtn`'s file: `ZSG` from a distribution file, remembered in `ZFileE` (its bare name when it
// lies in the program folder). A file that can't be read changes nothing.
Status OpenDistributionFile(USysSettings& settings, const std::filesystem::path& file,
                            const std::filesystem::path& program_folder);

}  // namespace kirvo
