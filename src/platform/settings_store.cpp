#include "platform/settings_store.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "platform/ascii.h"
#include "platform/line_ends.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

using Value = FileSettingsStore::Value;

inline constexpr std::string_view kHeader = "KirvoStore 1";
inline constexpr char kHexDigits[] = "0123456789abcdef";

std::string_view NormalKey(std::string_view key) {
  while (key.starts_with('\\')) key.remove_prefix(1);
  while (key.ends_with('\\')) key.remove_suffix(1);
  return key;
}

std::string Escape(std::string_view text) {
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

std::optional<std::string> Unescape(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      plain += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\':
        plain += '\\';
        break;
      case 't':
        plain += '\t';
        break;
      case 'r':
        plain += '\r';
        break;
      case 'n':
        plain += '\n';
        break;
      default:
        return std::nullopt;
    }
  }
  return plain;
}

std::string ToHex(std::string_view bytes) {
  std::string hex;
  for (unsigned char byte : bytes) {
    hex += kHexDigits[byte >> 4];
    hex += kHexDigits[byte & 0xF];
  }
  return hex;
}

std::optional<std::string> FromHex(std::string_view hex) {
  const auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = digit(hex[i]);
    const int low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
  }
  return bytes;
}

std::string FormatStore(const std::vector<Value>& values) {
  std::string text = std::string(kHeader) + "\n";
  for (const Value& value : values) {
    text += value.binary ? "B\t" : "S\t";
    text += Escape(value.key) + "\t" + Escape(value.name) + "\t";
    text += (value.binary ? ToHex(value.data) : Escape(value.data)) + "\n";
  }
  return text;
}

std::optional<Value> ParseValueLine(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1)) {
    fields.push_back(line.substr(0, tab));
  }
  fields.push_back(line);
  if (fields.size() != 4 || (fields[0] != "S" && fields[0] != "B")) return std::nullopt;
  const std::optional<std::string> key = Unescape(fields[1]);
  const std::optional<std::string> name = Unescape(fields[2]);
  const bool binary = fields[0] == "B";
  const std::optional<std::string> data = binary ? FromHex(fields[3]) : Unescape(fields[3]);
  if (!key || !name || !data) return std::nullopt;
  return Value{std::string(NormalKey(*key)), *name, binary, *data};
}

// Puts `value` in place of the value of the same key and name, or at the end.
void Assign(std::vector<Value>& values, Value value) {
  const auto same = std::find_if(values.begin(), values.end(), [&](const Value& v) {
    return EqualsIgnoringAsciiCase(v.key, value.key) && EqualsIgnoringAsciiCase(v.name, value.name);
  });
  if (same != values.end()) {
    *same = std::move(value);
  } else {
    values.push_back(std::move(value));
  }
}

struct ParsedStore {
  std::vector<Value> values;
  std::string problem;  // the first unreadable line, empty when all were read
};

ParsedStore ParseStore(const std::filesystem::path& file, std::string_view text) {
  ParsedStore parsed;
  const std::vector<std::string_view> lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool header = i == 0 && lines[i] == kHeader;
    if (header || lines[i].empty()) continue;
    std::optional<Value> value = i == 0 ? std::nullopt : ParseValueLine(lines[i]);
    if (value) {
      Assign(parsed.values, std::move(*value));
    } else if (parsed.problem.empty()) {
      parsed.problem = "設定ファイル「" + file.string() + "」の " + std::to_string(i + 1) + " 行目を読めません";
    }
  }
  return parsed;
}

Status SaveStore(const std::filesystem::path& file, const std::vector<Value>& values) {
  std::error_code error;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  if (error)
    return Status::Failure("フォルダ「" + file.parent_path().string() + "」を作れません（" + error.message() + "）");
  return WriteFileAtomically(file, FormatStore(values));
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

Outcome<FileSettingsStore> FileSettingsStore::Open(const std::filesystem::path& file) {
  FileSettingsStore store(file);
  std::error_code error;
  if (!std::filesystem::exists(file, error) && !error) return store;
  Outcome<std::string> text = ReadFileBytes(file);
  if (!text) return Outcome<FileSettingsStore>::Failure(text.error());
  ParsedStore parsed = ParseStore(file, *text);
  store.values_ = std::move(parsed.values);
  store.load_problem_ = std::move(parsed.problem);
  return store;
}

const Value* FileSettingsStore::FindValue(std::string_view key, std::string_view name) const {
  key = NormalKey(key);
  for (const Value& value : values_) {
    if (EqualsIgnoringAsciiCase(value.key, key) && EqualsIgnoringAsciiCase(value.name, name)) return &value;
  }
  return nullptr;
}

bool FileSettingsStore::HasValue(std::string_view key, std::string_view name) const {
  return FindValue(key, name) != nullptr;
}

std::string FileSettingsStore::ReadString(std::string_view key, std::string_view name) const {
  const Value* value = FindValue(key, name);
  return value != nullptr && !value->binary ? value->data : std::string();
}

std::string FileSettingsStore::ReadBinary(std::string_view key, std::string_view name) const {
  const Value* value = FindValue(key, name);
  return value != nullptr && value->binary ? value->data : std::string();
}

Status FileSettingsStore::Commit(std::vector<Value> values) {
  Status saved = SaveStore(file_, values);
  if (saved) values_ = std::move(values);
  return saved;
}

Status FileSettingsStore::WriteString(std::string_view key, std::string_view name, std::string_view value) {
  std::vector<Value> values = values_;
  Assign(values, Value{std::string(NormalKey(key)), std::string(name), false, std::string(value)});
  return Commit(std::move(values));
}

Status FileSettingsStore::WriteBinary(std::string_view key, std::string_view name, std::string_view bytes) {
  std::vector<Value> values = values_;
  Assign(values, Value{std::string(NormalKey(key)), std::string(name), true, std::string(bytes)});
  return Commit(std::move(values));
}

Status FileSettingsStore::DeleteValue(std::string_view key, std::string_view name) {
  const Value* found = FindValue(key, name);
  if (found == nullptr) return {};
  std::vector<Value> values = values_;
  values.erase(values.begin() + (found - values_.data()));
  return Commit(std::move(values));
}

Status FileSettingsStore::ExportTo(const std::filesystem::path& file) const {
  return WriteFileAtomically(file, FormatStore(values_));
}

Status FileSettingsStore::ImportFrom(const std::filesystem::path& file) {
  Outcome<std::string> text = ReadFileBytes(file);
  if (!text) return Status::Failure(text.error());
  if (!std::string_view(*text).starts_with(kHeader)) {
    return Status::Failure("「" + file.string() + "」は設定の書き出しファイルではありません");
  }
  ParsedStore parsed = ParseStore(file, *text);
  if (!parsed.problem.empty()) return Status::Failure(parsed.problem);
  std::vector<Value> values = values_;
  for (Value& value : parsed.values) Assign(values, std::move(value));
  return Commit(std::move(values));
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
