#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/outcome.h"
#include "settings/spirit_star_slots.h"
#include "settings/sys_pattern_names.h"

namespace kirvo {

// An explanation file of the program folder (Shift-JIS, CR LF): line k, counted from 1, holds the
// explanation of entry k, with its line breaks stored as "/r"; an empty line is an entry without
// explanation. The line carries no key: the entry is known by its line number alone. Lines after
// the last entry are kept but not used.
struct ExplanationFile {
  std::string_view name;
  int entry_count;
};

// Patterns 1..29 (line k explains pattern index k) and spirit-star slots 1..39 (line k explains
// slot k; line 19 belongs to the empty separating slot).
inline constexpr ExplanationFile kPatternExplanations = {"KakuSetu.dat", 29};
inline constexpr ExplanationFile kSpiritStarExplanations = {"SinSetu.dat", 39};

// The entry names of each file in line order: pattern names 1..29, spirit-star slot names 1..39.
std::vector<std::string> PatternExplanationEntries(const PatternNames& names);
std::vector<std::string> SpiritStarExplanationEntries(const SpiritStarSlotNames& names);

// The file `name` in `folder`. File names compare without regard to ASCII case, so a file copied
// as "KAKUSETU.DAT" is found; when no such file exists the path of `name` itself.
std::filesystem::path ExplanationFilePath(const std::filesystem::path& folder, std::string_view name);

// The lines of an explanation file as stored ("/r" kept). A missing or undecodable file is an error.
Outcome<std::vector<std::string>> ReadExplanationLines(const std::filesystem::path& path);

// Writes all lines, replacing the file atomically.
Status WriteExplanationLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// The explanation of entry `line_number` (from 1; 0 reads line 1) of `file` in `folder`, with "/r"
// turned into line breaks; empty when the file ends before that line. Each file is read once and
// kept in memory; it is read again when it changes on disk (another inode, size or modification
// time) or is saved through WriteExplanationLines, so an edit shows at once. A file modified less
// than a second before it was read is read at every lookup until it is older. A missing file is the failure "『name』がありません", an
// unreadable one says why.
Outcome<std::string> LookUpExplanation(const std::filesystem::path& folder, const ExplanationFile& file,
                                       int line_number);

}  // namespace kirvo
