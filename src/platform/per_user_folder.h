#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/program_folder.h"

namespace kirvo {

// The record, in the per-user folder, of the shipped version each file was last matched with: a
// line "HASH NAME" per file, so that a later start tells a newer shipped file from one it has seen.
inline constexpr std::string_view kShippedRecordFile = "KirvoShipped.txt";

// What filling the per-user folder did and found.
struct PerUserFillReport {
  std::vector<std::string> copied;         // shipped files the user did not have (names relative to the folder)
  std::vector<std::string> refreshed;      // the program's own files brought up to date (help pages, the map)
  std::vector<std::string> newer_shipped;  // a newer shipped file beside the user's own, left as it was
  std::vector<std::string> problems;       // files or folders that could not be read or written, with why
};

// Fills the per-user folder `user_folder` (created when missing) from the installed, read-only
// `share_folder`: a shipped file the user lacks is copied, as a new writable file; a file the user
// has is never overwritten — when the shipped one is newer than the version last seen, it is
// reported once instead. The program's own files (help pages, the map picture) are not the user's
// and are kept current. The share folder is only ever read.
PerUserFillReport FillPerUserFolder(const std::filesystem::path& share_folder,
                                    const std::filesystem::path& user_folder);

// The notices of a fill, one text each: newer shipped files and problems. Copies say nothing.
std::vector<std::string> PerUserFillNotices(const PerUserFillReport& report, const std::filesystem::path& share_folder,
                                            const std::filesystem::path& user_folder);

// The start-up step of both programs: chooses the program folder and, for an installed program
// whose share folder exists, fills the per-user folder from it. Returns the folder and the notices
// to show once.
struct PreparedProgramFolder {
  ProgramFolderChoice choice;
  std::vector<std::string> notices;
};
PreparedProgramFolder PrepareProgramFolder(const ProgramSurroundings& surroundings = CurrentSurroundings());

}  // namespace kirvo
