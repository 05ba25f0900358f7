#include "data/name_file.h"

#include <charconv>
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

// The cells of one stored line: the text before each ",", and the text after the last one.
std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t comma = line.find(','); comma != std::string_view::npos; comma = line.find(',')) {
    fields.push_back(line.substr(0, comma));
    line.remove_prefix(comma + 1);
  }
  if (!line.empty()) fields.push_back(line);
  return fields;
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

Outcome<std::vector<PersonRow>> ReadNameFile(const std::filesystem::path& path) {
  using Result = Outcome<std::vector<PersonRow>>;
  Outcome<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return Result::Failure(bytes.error());
  const auto refuse = [&](std::size_t line, const std::string& why) {
    return Result::Failure("「" + path.string() + "」の " + std::to_string(line) + " 行目を読めません: " + why);
  };
  // Shift-JIS trail bytes never take the values of CR and LF, so the raw bytes split into lines.
  const std::vector<std::string_view> lines = SplitLines(*bytes);
  std::vector<PersonRow> rows;
  rows.reserve(lines.size());
  for (std::size_t number = 1; number <= lines.size(); ++number) {
    const std::string_view raw = lines[number - 1];
    if (HoldsControlCharacter(raw)) return refuse(number, "名前ﾃﾞｰﾀではありません（制御文字を含みます）");
    const Outcome<std::string> text = DecodeShiftJis(raw);
    if (!text) return refuse(number, text.error());
    const std::vector<std::string_view> fields = SplitFields(*text);
    if (fields.size() > kPersonCellCount) {
      return refuse(number, "項目が " + std::to_string(fields.size()) + " 個あります（" +
                                std::to_string(kPersonCellCount) + " 個まで）");
    }
    const auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view(); };
    PersonRow& row = rows.emplace_back();
    row[0] = field(0);
    row[1] = field(1);
    row[2] = NormalisedDateCell(field(2));
    row[3] = NormalisedTimeCell(field(3));
  }
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
