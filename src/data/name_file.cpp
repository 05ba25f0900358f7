#include "data/name_file.h"

#include <algorithm>
#include <charconv>
#include <new>
#include <cstdio>
#include <optional>
#include <system_error>

#include "calendar/date_time.h"
#include "platform/ascii.h"
#include "platform/line_ends.h"
#include "platform/shift_jis.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

// Splits at `separator`; nothing when a part is not 1..`max_digits` ASCII digits.
template <std::size_t N>
bool ParseNumbers(std::string_view text, char separator, int max_digits, std::array<int, N>& numbers) {
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t end = i + 1 < N ? text.find(separator) : text.size();
    if (end == std::string_view::npos) return false;
    const std::string_view part = text.substr(0, end);
    if (part.empty() || part.size() > static_cast<std::size_t>(max_digits)) return false;
    const auto [rest, error] = std::from_chars(part.data(), part.data() + part.size(), numbers[i]);
    if (error != std::errc() || rest != part.data() + part.size()) return false;
    text.remove_prefix(i + 1 < N ? end + 1 : end);
  }
  return true;
}

// The first four cells of one stored line (the text before each ",", and the text after the last
// one) and how many cells the line holds.
struct InputFields {
  std::array<std::string_view, kPersonInputCells> cells;
  std::size_t count = 0;
};

InputFields SplitInputFields(std::string_view line) {
  InputFields fields;
  for (std::size_t comma = line.find(','); comma != std::string_view::npos; comma = line.find(',')) {
    if (fields.count < kPersonInputCells) fields.cells[fields.count] = line.substr(0, comma);
    ++fields.count;
    line.remove_prefix(comma + 1);
  }
  if (!line.empty()) {
    if (fields.count < kPersonInputCells) fields.cells[fields.count] = line;
    ++fields.count;
  }
  return fields;
}

// Calls `visit(line)` for each line as SplitLines gives them, without a list of all of them.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    if (!visit(text.substr(0, end))) return;
    std::size_t next = end;
    if (end < text.size()) next += text.substr(end).starts_with("\r\n") ? 2 : 1;
    text.remove_prefix(next);
  }
}

bool HoldsControlCharacter(std::string_view bytes) {
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

}  // namespace

std::filesystem::path ResolveNameFile(std::string_view name, const std::filesystem::path& program_folder) {
  const std::filesystem::path path{std::string(name)};
  if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos) return path;
  return program_folder / path;
}

Sex SexOfPersonCell(std::string_view cell) { return SexOfName(cell).value_or(Sex::kFemale); }

std::string NormalisedDateCell(std::string_view text) {
  std::array<int, 3> ymd{};
  if (!ParseNumbers(text, '/', 4, ymd) || !DateTime::IsValidDate(ymd[0], ymd[1], ymd[2])) return {};
  char cell[48];
  std::snprintf(cell, sizeof cell, "%04d/%02d/%02d", ymd[0], ymd[1], ymd[2]);
  return cell;
}

std::string NormalisedTimeCell(std::string_view text) {
  if (text == kUnknownTimeCell) return std::string(kUnknownTimeCell);
  std::array<int, 2> hm{};
  std::array<int, 3> hms{};
  int hour = 0, minute = 0;
  if (ParseNumbers(text, ':', 2, hm)) {
    hour = hm[0], minute = hm[1];
  } else if (ParseNumbers(text, ':', 2, hms) && hms[2] <= 59) {
    hour = hms[0], minute = hms[1];
  } else {
    return std::string(kUnknownTimeCell);
  }
  if (hour > 23 || minute > 59) return std::string(kUnknownTimeCell);
  char cell[32];
  std::snprintf(cell, sizeof cell, "%02d:%02d", hour, minute);
  return cell;
}

PersonRow::PersonRow(const PersonRow& other)
    : inputs_(other.inputs_),
      computed_(other.computed_ ? std::make_unique<ComputedCells>(*other.computed_) : nullptr) {}

PersonRow& PersonRow::operator=(const PersonRow& other) {
  if (this != &other) *this = PersonRow(other);
  return *this;
}

const std::string& PersonRow::operator[](std::size_t column) const {
  static const std::string kEmpty;
  if (column < kPersonInputCells) return inputs_[column];
  return computed_ ? (*computed_)[column - kPersonInputCells] : kEmpty;
}

std::string& PersonRow::operator[](std::size_t column) {
  if (column < kPersonInputCells) return inputs_[column];
  if (!computed_) computed_ = std::make_unique<ComputedCells>();
  return (*computed_)[column - kPersonInputCells];
}

bool operator==(const PersonRow& a, const PersonRow& b) { return std::equal(a.begin(), a.end(), b.begin()); }

Outcome<std::vector<PersonRow>> ReadNameFile(const std::filesystem::path& path) {
  using Result = Outcome<std::vector<PersonRow>>;
  Outcome<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return Result::Failure(bytes.error());
  const auto refuse = [&](std::size_t line, const std::string& why) {
    return Result::Failure("「" + path.string() + "」の " + std::to_string(line) + " 行目を読めません: " + why);
  };
  // Shift-JIS trail bytes never take the values of CR and LF, so the raw bytes split into lines.
  std::size_t line_count = 0;
  ForEachLine(*bytes, [&](std::string_view) { return ++line_count <= kMostNameFilePersons; });
  if (line_count > kMostNameFilePersons) {
    return Result::Failure("「" + path.string() + "」は人数が多すぎて読み込めません（" +
                           std::to_string(kMostNameFilePersons) + " 人まで）");
  }
  std::vector<PersonRow> rows;
  std::optional<Result> refused;
  try {
    rows.reserve(line_count);
    std::size_t number = 0;
    ForEachLine(*bytes, [&](std::string_view raw) {
      ++number;
      if (HoldsControlCharacter(raw)) {
        refused = refuse(number, "名前ﾃﾞｰﾀではありません（制御文字を含みます）");
        return false;
      }
      const Outcome<std::string> text = DecodeShiftJis(raw);
      if (!text) {
        refused = refuse(number, text.error());
        return false;
      }
      const InputFields fields = SplitInputFields(*text);
      if (fields.count > kPersonCellCount) {
        refused = refuse(number, "項目が " + std::to_string(fields.count) + " 個あります（" +
                                     std::to_string(kPersonCellCount) + " 個まで）");
        return false;
      }
      namespace col = person_column;
      rows.emplace_back(std::string(fields.cells[col::kName]), std::string(fields.cells[col::kSex]),
                        NormalisedDateCell(fields.cells[col::kDate]), NormalisedTimeCell(fields.cells[col::kTime]));
      return true;
    });
  } catch (const std::bad_alloc&) {
    return Result::Failure("「" + path.string() + "」を読み込むメモリが足りません");
  }
  if (refused) return std::move(*refused);
  return rows;
}

std::string NameFileText(const std::vector<PersonRow>& rows) {
  std::string text;
  for (const PersonRow& row : rows) {
    for (const std::string& cell : row) (text += cell) += ',';
    text += '\n';
  }
  return text;
}

std::filesystem::path NameFileBackupPath(const std::filesystem::path& path) {
  std::filesystem::path backup = path;
  // As the memo file's "Memo.Bak": the extension becomes ".bak"; a file already named so gets
  // ".bak" added, so that its copy never replaces it.
  if (EqualsIgnoringAsciiCase(path.extension().string(), ".bak")) return backup += ".bak";
  return backup.replace_extension(".bak");
}

Status WriteNameFile(const std::filesystem::path& path, const std::vector<PersonRow>& rows) {
  const Outcome<std::string> bytes = EncodeShiftJis(ToCrLfEnds(NameFileText(rows)));
  if (!bytes) return Status::Failure("「" + path.string() + "」 に書けません: " + bytes.error());
  Outcome<FileReplacement> file = FileReplacement::Prepare(path, *bytes);
  if (!file) return Status::Failure(file.error());
  if (file->unchanged()) return {};

  // Everything that can fail is done before either file is replaced: the new file and the copy of
  // the old one both wait as temporary files; then the copy goes in place, then the new file.
  std::optional<FileReplacement> backup;
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    const Outcome<std::string> old = ReadFileBytes(path);
    if (!old) return Status::Failure("控えを作れないため保存しません: " + old.error());
    Outcome<FileReplacement> copy = FileReplacement::Prepare(NameFileBackupPath(path), *old);
    if (!copy) return Status::Failure(copy.error());
    backup.emplace(std::move(copy).value());
  }
  if (backup) {
    if (Status kept = backup->Commit(); !kept) return kept;
  }
  return file.value().Commit();
}

}  // namespace kirvo
