#include "platform/settings_store.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/ascii.h"
#include "platform/line_ends.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

inline constexpr std::string_view kHeader = "KirvoStore 1";
inline constexpr char kHexDigits[] = "0123456789abcdef";

std::string_view NormalKey(std::string_view key) {
  while (key.starts_with('\\')) key.remove_prefix(1);
  while (key.ends_with('\\')) key.remove_suffix(1);
  return key;
}

std::string Escape(std::string_view text) {
  if (text.find_first_of("\\\t\r\n") == std::string_view::npos) return std::string(text);
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\n':
        escaped += "\\n";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// Appends the plain text of an escaped field; false for an escape the writer never makes.
bool AppendUnescaped(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t escape = std::min(text.find('\\', i), text.size());
    out.append(text.substr(i, escape - i));  // the run of plain characters up to the next escape
    if ((i = escape) == text.size()) break;
    if (++i == text.size()) return false;
    switch (text[i]) {
      case '\\':
        out += '\\';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      default:
        return false;
    }
  }
  return true;
}

std::string ToHex(std::string_view bytes) {
  std::string hex;
  for (unsigned char byte : bytes) {
    hex += kHexDigits[byte >> 4];
    hex += kHexDigits[byte & 0xF];
  }
  return hex;
}

bool AppendFromHex(std::string& out, std::string_view hex) {
  const auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (hex.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = digit(hex[i]);
    const int low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    out += static_cast<char>(high * 16 + low);
  }
  return true;
}

using Line = FileSettingsStore::Line;
using LineKind = FileSettingsStore::LineKind;

void AppendValueLine(std::string& text, const Line& value) {
  const bool binary = value.kind() == LineKind::kBinary;
  text += binary ? "B\t" : "S\t";
  text += Escape(value.key());
  text += '\t';
  text += Escape(value.name());
  text += '\t';
  text += binary ? ToHex(value.data()) : Escape(value.data());
  text += '\n';
}

// The file's text: the header, then every line, an unreadable one as it was read.
std::string FormatStore(const std::vector<Line>& lines, bool with_unreadable) {
  std::string text = std::string(kHeader) + "\n";
  for (const Line& line : lines) {
    if (!line.is_value()) {
      if (with_unreadable) text += line.whole();
    } else {
      AppendValueLine(text, line);
    }
  }
  return text;
}

std::optional<Line> ParseValueLine(std::string_view line) {
  std::array<std::string_view, 4> fields;
  std::size_t count = 0;
  for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1)) {
    if (count == fields.size()) return std::nullopt;
    fields[count++] = line.substr(0, tab);
  }
  if (count != fields.size() - 1) return std::nullopt;
  fields[count] = line;
  if (fields[0] != "S" && fields[0] != "B") return std::nullopt;
  const bool binary = fields[0] == "B";
  Line parsed;
  std::string& text = parsed.text();
  text.reserve(fields[1].size() + fields[2].size() + fields[3].size());
  if (!AppendUnescaped(text, fields[1])) return std::nullopt;
  // The key without the backslashes around it, as NormalKey gives it.
  while (text.ends_with('\\')) text.pop_back();
  text.erase(0, std::min(text.find_first_not_of('\\'), text.size()));
  const std::size_t name_at = text.size();
  if (!AppendUnescaped(text, fields[2])) return std::nullopt;
  const std::size_t data_at = text.size();
  if (!(binary ? AppendFromHex(text, fields[3]) : AppendUnescaped(text, fields[3]))) return std::nullopt;
  parsed.Settle(binary ? LineKind::kBinary : LineKind::kString, name_at, data_at);
  return parsed;
}

using ValueIndex = FileSettingsStore::ValueIndex;

// FNV-1a over key and name folded to ASCII lower case, the key's length between them so that no two
// pairs meet by shifting bytes from one to the other; then mixed, since the table takes the low bits
// and FNV's low bits depend only on the low bits of the bytes.
std::uint64_t HashOf(std::string_view key, std::string_view name) {
  constexpr std::uint64_t kPrime = 1099511628211u;
  std::uint64_t hash = 14695981039346656037u;
  for (char c : key) hash = (hash ^ static_cast<unsigned char>(ToAsciiLower(c))) * kPrime;
  hash = (hash ^ key.size()) * kPrime;
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(ToAsciiLower(c))) * kPrime;
  hash = (hash ^ (hash >> 33)) * 0xff51afd7ed558ccdu;
  return hash ^ (hash >> 33);
}

// Puts `value` in place of the value of the same key and name, or after the last line.
void AssignTo(std::vector<Line>& lines, ValueIndex& index, Line value) {
  if (const std::optional<std::size_t> found = index.Find(lines, value.key(), value.name())) {
    lines[*found] = std::move(value);
    return;
  }
  lines.push_back(std::move(value));
  index.Add(lines, lines.size() - 1);
}

struct ParsedStore {
  std::vector<Line> lines;
  ValueIndex index;
  std::string problem;  // the first unreadable line, empty when all were read
};

// Splits like SplitLines (CR LF, lone CR and lone LF end a line) and gives each line with its end.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    std::size_t with_end = end;
    if (end < text.size()) with_end += text.substr(end).starts_with("\r\n") ? 2 : 1;
    visit(++number, text.substr(0, end), text.substr(0, with_end));
    text.remove_prefix(with_end);
  }
}

ParsedStore ParseStore(const std::filesystem::path& file, std::string_view text) {
  ParsedStore parsed;
  const auto line_count = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  parsed.lines.reserve(line_count);
  ForEachLine(text, [&](std::size_t number, std::string_view line, std::string_view whole) {
    if ((number == 1 && line == kHeader) || line.empty()) return;
    std::optional<Line> value = number == 1 ? std::nullopt : ParseValueLine(line);
    if (value) {
      parsed.lines.push_back(std::move(*value));
      return;
    }
    // A last line without its line end gets one, so that a value written after it stays a line.
    Line kept = Line::Unreadable(whole);
    if (whole.size() == line.size()) kept.text() += '\n';
    parsed.lines.push_back(std::move(kept));
    if (parsed.problem.empty()) {
      parsed.problem = "設定ファイル「" + file.string() + "」の " + std::to_string(number) + " 行目を読めません";
    }
  });
  parsed.index.BuildFolding(parsed.lines);
  return parsed;
}

Status SaveStore(const std::filesystem::path& file, const std::vector<Line>& lines) {
  std::error_code error;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  if (error)
    return Status::Failure("フォルダ「" + file.parent_path().string() + "」を作れません（" + error.message() + "）");
  return WriteFileAtomically(file, FormatStore(lines, true));
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

FileSettingsStore::Line::Line(LineKind kind, std::string_view key, std::string_view name, std::string_view data) {
  text_.reserve(key.size() + name.size() + data.size());
  text_.append(key).append(name).append(data);
  Settle(kind, key.size(), key.size() + name.size());
}

FileSettingsStore::Line FileSettingsStore::Line::Unreadable(std::string_view whole) {
  Line line;
  line.text_ = std::string(whole);
  return line;
}

void FileSettingsStore::Line::Settle(LineKind kind, std::size_t name_at, std::size_t data_at) {
  kind_ = kind;
  name_at_ = static_cast<std::uint32_t>(name_at);
  data_at_ = static_cast<std::uint32_t>(data_at);
}

Outcome<FileSettingsStore> FileSettingsStore::Open(const std::filesystem::path& file) {
  FileSettingsStore store(file);
  std::error_code error;
  if (!std::filesystem::exists(file, error) && !error) return store;
  Outcome<std::string> text = ReadFileBytes(file);
  if (!text) return Outcome<FileSettingsStore>::Failure(text.error());
  ParsedStore parsed = ParseStore(file, *text);
  store.lines_ = std::move(parsed.lines);
  store.index_ = std::move(parsed.index);
  store.load_problem_ = std::move(parsed.problem);
  return store;
}

std::optional<std::size_t> FileSettingsStore::ValueIndex::Find(const std::vector<Line>& lines, std::string_view key,
                                                                std::string_view name) const {
  return FindHashed(lines, static_cast<std::uint32_t>(HashOf(key, name)), key, name);
}

std::optional<std::size_t> FileSettingsStore::ValueIndex::FindHashed(const std::vector<Line>& lines,
                                                                      std::uint32_t hash, std::string_view key,
                                                                      std::string_view name) const {
  if (slots_.empty()) return std::nullopt;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.line == 0) return std::nullopt;
    if (slot.hash != hash) continue;
    const Line& value = lines[slot.line - 1];
    if (EqualsIgnoringAsciiCase(value.key(), key) && EqualsIgnoringAsciiCase(value.name(), name)) return slot.line - 1;
  }
}

void FileSettingsStore::ValueIndex::Reserve(std::size_t values) {
  std::size_t size = 16;
  while (size < 2 * values) size *= 2;
  if (size <= slots_.size()) return;
  std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(size));
  for (const Slot& slot : old) {
    if (slot.line != 0) Place(slot.hash, slot.line - 1);
  }
}

void FileSettingsStore::ValueIndex::Place(std::uint32_t hash, std::size_t line) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].line != 0) i = (i + 1) & mask;
  slots_[i] = Slot{hash, static_cast<std::uint32_t>(line + 1)};
}

void FileSettingsStore::ValueIndex::Add(const std::vector<Line>& lines, std::size_t line) {
  Reserve(used_ + 1);
  Place(static_cast<std::uint32_t>(HashOf(lines[line].key(), lines[line].name())), line);
  ++used_;
}

void FileSettingsStore::ValueIndex::Rebuild(const std::vector<Line>& lines) {
  slots_.clear();
  used_ = 0;
  Reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].is_value()) Add(lines, i);
  }
}

void FileSettingsStore::ValueIndex::BuildFolding(std::vector<Line>& lines) {
  slots_.clear();
  used_ = 0;
  Reserve(lines.size());
  std::vector<std::uint32_t> hashes(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].is_value()) hashes[i] = static_cast<std::uint32_t>(HashOf(lines[i].key(), lines[i].name()));
  }
  // The table is far larger than the caches: each line's slot is fetched a few lines ahead.
  constexpr std::size_t kAhead = 8;
  const std::size_t mask = slots_.size() - 1;
  bool folded = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i + kAhead < lines.size()) __builtin_prefetch(&slots_[hashes[i + kAhead] & mask]);
    if (!lines[i].is_value()) continue;
    if (const std::optional<std::size_t> found = FindHashed(lines, hashes[i], lines[i].key(), lines[i].name())) {
      lines[*found] = std::move(lines[i]);
      lines[i] = Line();  // dropped below
      folded = true;
      continue;
    }
    Place(hashes[i], i);
    ++used_;
  }
  if (!folded) return;
  std::erase_if(lines, [](const Line& line) { return !line.is_value() && line.whole().empty(); });
  Rebuild(lines);
}

std::optional<std::size_t> FileSettingsStore::FindLine(std::string_view key, std::string_view name) const {
  return index_.Find(lines_, NormalKey(key), name);
}

bool FileSettingsStore::HasValue(std::string_view key, std::string_view name) const {
  return FindLine(key, name).has_value();
}

std::string FileSettingsStore::ReadString(std::string_view key, std::string_view name) const {
  const std::optional<std::size_t> line = FindLine(key, name);
  return line && lines_[*line].kind() == LineKind::kString ? std::string(lines_[*line].data()) : std::string();
}

std::string FileSettingsStore::ReadBinary(std::string_view key, std::string_view name) const {
  const std::optional<std::size_t> line = FindLine(key, name);
  return line && lines_[*line].kind() == LineKind::kBinary ? std::string(lines_[*line].data()) : std::string();
}

void FileSettingsStore::RebuildIndex() { index_.Rebuild(lines_); }

Status FileSettingsStore::Assign(Line value) {
  // The change is made in place and undone when the save fails: no copy of a large store per write.
  const std::optional<std::size_t> line = FindLine(value.key(), value.name());
  if (line) {
    std::swap(lines_[*line], value);
    Status saved = SaveStore(file_, lines_);
    if (!saved) std::swap(lines_[*line], value);
    return saved;
  }
  lines_.push_back(std::move(value));
  Status saved = SaveStore(file_, lines_);
  if (saved) {
    index_.Add(lines_, lines_.size() - 1);
  } else {
    lines_.pop_back();
  }
  return saved;
}

Status FileSettingsStore::WriteString(std::string_view key, std::string_view name, std::string_view value) {
  return Assign(Line(LineKind::kString, NormalKey(key), name, value));
}

Status FileSettingsStore::WriteBinary(std::string_view key, std::string_view name, std::string_view bytes) {
  return Assign(Line(LineKind::kBinary, NormalKey(key), name, bytes));
}

Status FileSettingsStore::DeleteValue(std::string_view key, std::string_view name) {
  const std::optional<std::size_t> found = FindLine(key, name);
  if (!found) return {};
  Line removed = std::move(lines_[*found]);
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*found));
  Status saved = SaveStore(file_, lines_);
  if (!saved) lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*found), std::move(removed));
  RebuildIndex();
  return saved;
}

Status FileSettingsStore::ExportTo(const std::filesystem::path& file) const {
  // A backup holds the values only, so that it imports whole.
  return WriteFileAtomically(file, FormatStore(lines_, false));
}

Status FileSettingsStore::ImportFrom(const std::filesystem::path& file) {
  Outcome<std::string> text = ReadFileBytes(file);
  if (!text) return Status::Failure(text.error());
  if (!std::string_view(*text).starts_with(kHeader)) {
    return Status::Failure("「" + file.string() + "」は設定の書き出しファイルではありません");
  }
  ParsedStore parsed = ParseStore(file, *text);
  if (!parsed.problem.empty()) return Status::Failure(parsed.problem);
  std::vector<Line> lines = lines_;
  ValueIndex index = index_;
  for (Line& line : parsed.lines) AssignTo(lines, index, std::move(line));
  Status saved = SaveStore(file_, lines);
  if (saved) {
    lines_ = std::move(lines);
    index_ = std::move(index);
  }
  return saved;
}

std::filesystem::path DefaultSettingsStorePath() {
  constexpr std::string_view kFileName = "KirvoStore.txt";
  if (const std::string folder = Environment("KIRVO_STORE_DIR"); !folder.empty()) {
    return std::filesystem::path(folder) / kFileName;
  }
  if (const std::string config = Environment("XDG_CONFIG_HOME"); !config.empty()) {
    return std::filesystem::path(config) / "kirvolan" / kFileName;
  }
  std::string home = Environment("HOME");
  if (home.empty()) {
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) home = user->pw_dir;
  }
  return std::filesystem::path(home) / ".config" / "kirvolan" / kFileName;
}

}  // namespace kirvo
