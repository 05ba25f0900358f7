#include "platform/ini_file.h"

#include <algorithm>
#include <charconv>

#include "platform/ascii.h"
#include "platform/line_ends.h"
#include "platform/shift_jis.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Decimal integer: an optional sign and one or more digits, nothing else, within int's range.
std::optional<int> ParseDecimal(std::string_view text) {
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

template <class Visit>
void IniFile::ForEachKeyLine(std::string_view section, Visit visit) const {
  bool inside = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Line::Kind::kSection) inside = EqualsIgnoringAsciiCase(line.name, section);
    if (inside && line.kind == Line::Kind::kKey && visit(i)) return;
  }
}

std::optional<std::size_t> IniFile::FindKeyLine(std::string_view section, std::string_view key) const {
  std::optional<std::size_t> found;
  ForEachKeyLine(section, [&](std::size_t i) {
    if (EqualsIgnoringAsciiCase(lines_[i].name, key)) found = i;
    return found.has_value();
  });
  return found;
}

// Sorts one line into section, key or other. A key line needs a section before it and a name
// before its "="; comment lines (";") and everything else are kept as they stand.
IniFile::Line IniFile::ParseLine(std::string_view text, bool after_section) {
  Line line;
  line.text = std::string(text);
  const std::string_view trimmed = TrimBlanks(text);
  const std::size_t close = trimmed.find(']');
  const std::size_t equals = text.find('=');
  if (trimmed.starts_with('[') && close != std::string_view::npos) {
    line.kind = Line::Kind::kSection;
    line.name = std::string(TrimBlanks(trimmed.substr(1, close - 1)));
  } else if (after_section && !trimmed.starts_with(';') && equals != std::string_view::npos &&
             !TrimBlanks(text.substr(0, equals)).empty()) {
    line.kind = Line::Kind::kKey;
    line.name = std::string(TrimBlanks(text.substr(0, equals)));
    line.value = std::string(text.substr(equals + 1));
  }
  return line;
}

IniFile IniFile::FromText(std::string_view utf8) {
  IniFile ini;
  bool after_section = false;
  for (std::string_view text : SplitLines(utf8)) {
    ini.lines_.push_back(ParseLine(text, after_section));
    after_section = after_section || ini.lines_.back().kind == Line::Kind::kSection;
  }
  return ini;
}

Outcome<IniFile> IniFile::Load(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return IniFile();
  Outcome<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return Outcome<IniFile>::Failure(bytes.error());
  return FromShiftJisBytes(*bytes, path.string());
}

IniFile IniFile::FromShiftJisBytes(std::string_view bytes, std::string_view file_name) {
  IniFile ini;
  bool after_section = false;
  int line_number = 0;
  for (std::string_view read : SplitLinesKeepingEnds(bytes)) {
    ++line_number;
    std::string_view raw = read;
    while (!raw.empty() && (raw.back() == '\r' || raw.back() == '\n')) raw.remove_suffix(1);
    Outcome<std::string> decoded = DecodeShiftJis(raw);
    // A line that can't be decoded reads as an empty line: no key, no section.
    Line line = ParseLine(decoded ? std::string_view(*decoded) : std::string_view(), after_section);
    if (!decoded && ini.load_problem_.empty()) {
      ini.load_problem_ = "「" + std::string(file_name) + "」の " + std::to_string(line_number) +
                          " 行目は読めない文字を含むため無視しました: " + decoded.error();
    }
    line.read_bytes = std::string(read);
    after_section = after_section || line.kind == Line::Kind::kSection;
    ini.lines_.push_back(std::move(line));
  }
  return ini;
}

Outcome<std::string> IniFile::ToShiftJisBytes() const {
  std::string bytes;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.read_bytes) {
      bytes += *line.read_bytes;
      // The file's last line may have had no line end; a line now after it needs one.
      const bool ended = !line.read_bytes->empty() && (line.read_bytes->back() == '\n' || line.read_bytes->back() == '\r');
      if (!ended && i + 1 < lines_.size()) bytes += "\r\n";
      continue;
    }
    Outcome<std::string> encoded = EncodeShiftJis(line.text);
    if (!encoded) return encoded;
    bytes += *encoded + "\r\n";
  }
  return bytes;
}

Status IniFile::Save(const std::filesystem::path& path) const {
  // A name or value that would read back as something else (a line break in a value, "=" in a
  // key, "]" in a section name ...) would corrupt the file: refuse it before writing anything.
  const std::string text = ToText();
  const IniFile reread = FromText(text);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i >= reread.lines_.size() || !reread.lines_[i].ReadsAs(lines_[i])) {
      return Status::Failure("「" + path.string() + "」に書けません: 「" + lines_[i].text +
                             "」は ini ファイルの 1 行として書けません");
    }
  }
  const Outcome<std::string> bytes = ToShiftJisBytes();
  if (!bytes) return Status::Failure("「" + path.string() + "」に書けません: " + bytes.error());
  return WriteFileAtomically(path, *bytes);
}

std::string IniFile::ToText() const {
  std::string text;
  for (const Line& line : lines_) text += line.text + "\n";
  return text;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  return FindKeyLine(section, key).has_value();
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const std::optional<std::size_t> at = FindKeyLine(section, key);
  if (!at) return std::nullopt;
  return lines_[*at].value;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  std::optional<std::string> value = Find(section, key);
  return value ? *value : std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const std::optional<std::string> value = Find(section, key);
  if (!value) return fallback;
  return ParseDecimal(*value).value_or(fallback);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (const std::optional<std::size_t> at = FindKeyLine(section, key)) {
    Line& line = lines_[*at];
    if (line.value == value) return;  // the line stays as the file had it
    line.value = std::string(value);
    line.text = line.name + "=" + line.value;
    line.read_bytes.reset();
    return;
  }
  Line line{Line::Kind::kKey, std::string(key) + "=" + std::string(value), std::string(key), std::string(value), {}};

  // After the last key of the first section of that name, or right after its heading.
  std::optional<std::size_t> insert_after;
  bool inside = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Line::Kind::kSection) {
      if (inside) break;
      inside = EqualsIgnoringAsciiCase(lines_[i].name, section);
      if (inside) insert_after = i;
    } else if (inside && lines_[i].kind == Line::Kind::kKey) {
      insert_after = i;
    }
  }
  if (insert_after) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insert_after + 1), std::move(line));
    return;
  }
  lines_.push_back(Line{Line::Kind::kSection, "[" + std::string(section) + "]", std::string(section), {}, {}});
  lines_.push_back(std::move(line));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

std::vector<std::string> IniFile::Sections() const {
  std::vector<std::string> names;
  for (const Line& line : lines_) {
    if (line.kind != Line::Kind::kSection) continue;
    const bool seen = std::any_of(names.begin(), names.end(),
                                  [&](const std::string& name) { return EqualsIgnoringAsciiCase(name, line.name); });
    if (!seen) names.push_back(line.name);
  }
  return names;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> names;
  ForEachKeyLine(section, [&](std::size_t i) {
    const std::string& key = lines_[i].name;
    const bool seen = std::any_of(names.begin(), names.end(),
                                  [&](const std::string& name) { return EqualsIgnoringAsciiCase(name, key); });
    if (!seen) names.push_back(key);
    return false;
  });
  return names;
}

}  // namespace kirvo
