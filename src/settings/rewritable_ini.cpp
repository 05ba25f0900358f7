#include "settings/rewritable_ini.h"

#include <charconv>
#include <string_view>

#include "platform/line_ends.h"
#include "platform/shift_jis.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

// Stands for held-back line n inside the readable text: a comment (so no key ever reads it) with a
// byte 0xFF, which no decoded line contains, as UTF-8 never uses it.
constexpr std::string_view kHeldBackMark = ";\xFF";

std::string HeldBackPlaceholder(std::size_t index) { return std::string(kHeldBackMark) + std::to_string(index); }

std::optional<std::size_t> HeldBackIndex(std::string_view line) {
  if (!line.starts_with(kHeldBackMark)) return std::nullopt;
  line.remove_prefix(kHeldBackMark.size());
  std::size_t index = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), index);
  if (error != std::errc() || end != line.data() + line.size()) return std::nullopt;
  return index;
}

// Whether `written`, read back, holds the same keys and values as `ini`: a value with a line
// break or a key with "=" would read back as something else.
bool ReadsBackTheSame(const IniFile& ini, const std::string& written) {
  const IniFile reread = IniFile::FromText(written);
  if (reread.Sections() != ini.Sections()) return false;
  for (const std::string& section : ini.Sections()) {
    const std::vector<std::string> keys = ini.Keys(section);
    if (reread.Keys(section) != keys) return false;
    for (const std::string& key : keys) {
      if (reread.Find(section, key) != ini.Find(section, key)) return false;
    }
  }
  return true;
}

}  // namespace

Outcome<RewritableIni> RewritableIni::Load(const std::filesystem::path& path) {
  Outcome<IniFile> loaded = IniFile::Load(path);
  if (!loaded) return Outcome<RewritableIni>::Failure(loaded.error());
  RewritableIni file;
  file.ini_ = std::move(loaded).value();
  file.load_problem_ = file.ini_.LoadProblem();
  if (file.load_problem_.empty()) return file;

  // Some lines were left out: read the file again line by line and hold those lines back.
  const Outcome<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return Outcome<RewritableIni>::Failure(bytes.error());
  std::string readable;
  for (const std::string_view raw : SplitLines(*bytes)) {
    Outcome<std::string> line = DecodeShiftJis(raw);
    if (line) {
      readable += line.value() + "\n";
    } else {
      readable += HeldBackPlaceholder(file.held_back_.size()) + "\n";
      file.held_back_.emplace_back(raw);
    }
  }
  file.ini_ = IniFile::FromText(readable);
  return file;
}

Status RewritableIni::Save(const std::filesystem::path& path) const {
  if (held_back_.empty()) return ini_.Save(path);
  const std::string text = ini_.ToText();
  if (!ReadsBackTheSame(ini_, text)) {
    return Status::Failure("「" + path.string() + "」に書けません: ini ファイルの 1 行として書けない値があります");
  }
  std::string bytes;
  for (const std::string_view line : SplitLines(text)) {
    if (const std::optional<std::size_t> index = HeldBackIndex(line); index && *index < held_back_.size()) {
      bytes += held_back_[*index];
    } else {
      const Outcome<std::string> encoded = EncodeShiftJis(line);
      if (!encoded) return Status::Failure("「" + path.string() + "」に書けません: " + encoded.error());
      bytes += *encoded;
    }
    bytes += "\r\n";
  }
  return WriteFileAtomically(path, bytes);
}

}  // namespace kirvo
