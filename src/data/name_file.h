#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/outcome.h"

namespace kirvo {

// A person of the person list as its name file keeps it: 47 text cells. Cells 0..3 are what was
// entered (name, sex "男"/"女", birth date "YYYY/MM/DD", birth time "hh:nn" or "99:99"); the
// others hold a chart summary and are never read back.
inline constexpr std::size_t kPersonCellCount = 47;
inline constexpr std::size_t kPersonInputCells = 4;
using PersonRow = std::array<std::string, kPersonCellCount>;

// The time cell of a person whose birth hour is not known.
inline constexpr std::string_view kUnknownTimeCell = "99:99";

// The file name of a list made by 新規作成 until it is saved under another name.
inline constexpr std::string_view kNewNameFile = "NewFile.nam";

// Where a name file lies: a name holding a folder separator is a path and used as given; a bare
// name is that file in the program folder.
std::filesystem::path ResolveNameFile(std::string_view name, const std::filesystem::path& program_folder);

// A date cell as the list keeps it: "Y/M/D" (one to four year digits, a valid day) becomes
// "YYYY/MM/DD"; anything else, empty.
std::string NormalisedDateCell(std::string_view text);
// A time cell: "99:99" stays; "h:m" or "h:m:s" of a valid time becomes "hh:nn"; anything else
// becomes "99:99".
std::string NormalisedTimeCell(std::string_view text);

// Reads a name file (Shift-JIS, a line per person). Only the first four fields of each line count,
// normalised as above; missing fields read as empty, the summary cells are left empty. A line with
// more than 47 cells, a control character or bytes that are no Shift-JIS make the whole file
// refused, with a message naming the file and the line. A file without lines gives no rows.
Outcome<std::vector<PersonRow>> ReadNameFile(const std::filesystem::path& path);

// The file's text: each row's 47 cells each followed by ",", one line per row, as UTF-8 with "\n"
// line ends.
std::string NameFileText(const std::vector<PersonRow>& rows);

// Where a save keeps the name file it replaces, one generation: beside it, with the extension
// ".bak" ("Default.nam" → "Default.bak"; a file named "x.bak" → "x.bak.bak").
std::filesystem::path NameFileBackupPath(const std::filesystem::path& path);

// Writes the rows as a name file (Shift-JIS, CR LF) through a temporary file and a rename. With no
// undo for deleting a person, the file being replaced is kept first as its ".bak" (written the same
// way); a file that already holds these bytes is left as it is, its ".bak" too. Fails, leaving the
// old file and the old ".bak", when a cell has no Shift-JIS code, the old file can't be read for
// its copy, or either file can't be written.
Status WriteNameFile(const std::filesystem::path& path, const std::vector<PersonRow>& rows);

}  // namespace kirvo
