// Ini files as they come from disk (Shift-JIS, any line ends), and keys written into them.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/ini_file.h"
#include "platform/shift_jis.h"

namespace {

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return !text.empty() && !blank(text.front()) && !blank(text.back());
}

// A section or key name the program could write: one that reads back as itself.
bool WritableSection(std::string_view name) { return Trimmed(name) && !HasLineBreak(name) && name.find(']') == name.npos; }
bool WritableKey(std::string_view name) {
  return Trimmed(name) && !HasLineBreak(name) && name.find('=') == name.npos && name.front() != ';' &&
         name.front() != '[';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const std::string section = input.Text(16);
  const std::string key = input.Text(16);
  const std::string value = input.Text(32);
  const int number = input.IntIn(-100000, 100000);
  const std::string_view bytes = input.Rest();
  kirvo::IniFile ini = kirvo::IniFile::FromShiftJisBytes(bytes, "fuzz.ini");
  const bool clean = ini.LoadProblem().empty();

  // Saved without an edit, the file's bytes come back unchanged, unreadable lines included.
  const kirvo::Outcome<std::string> unedited = ini.ToShiftJisBytes();
  FUZZ_CHECK(unedited.ok() && *unedited == bytes);

  // The text of a file reads back as the same file.
  const std::string text = ini.ToText();
  const kirvo::IniFile reread = kirvo::IniFile::FromText(text);
  FUZZ_CHECK(reread.ToText() == text);
  FUZZ_CHECK(reread.Sections() == ini.Sections());
  for (const std::string& name : ini.Sections()) {
    FUZZ_CHECK(reread.Keys(name) == ini.Keys(name));
    for (const std::string& k : ini.Keys(name)) FUZZ_CHECK(reread.Find(name, k) == ini.Find(name, k));
  }

  // What is written reads back, in memory and through the file.
  if (!WritableSection(section) || !WritableKey(key) || HasLineBreak(value)) return 0;
  ini.WriteString(section, key, value);
  FUZZ_CHECK(ini.Find(section, key) == value);
  const std::string integer_key = key + "#";
  ini.WriteInteger(section, integer_key, number);
  FUZZ_CHECK(ini.ReadInteger(section, integer_key, number + 1) == number);

  const std::filesystem::path file = kirvo::fuzz::ScratchFolder() / "fuzz.ini";
  const bool encodable = kirvo::EncodeShiftJis(ini.ToText()).ok();
  const kirvo::Status saved = ini.Save(file);
  FUZZ_CHECK(saved.ok() == encodable);
  if (!saved) return 0;
  const kirvo::Outcome<kirvo::IniFile> loaded = kirvo::IniFile::Load(file);
  // Lines that could not be read are written back as they were, so they still can't be read.
  FUZZ_CHECK(loaded.ok() && loaded->LoadProblem().empty() == clean);
  FUZZ_CHECK(loaded->ReadInteger(section, integer_key, number + 1) == number);
  // Look-alike characters ("¥" and a few more) share a code with their twin and read back as it.
  const std::string written = ini.ToText();
  if (*kirvo::DecodeShiftJis(*kirvo::EncodeShiftJis(written)) == written) {
    FUZZ_CHECK(loaded->ToText() == written);
    FUZZ_CHECK(loaded->Find(section, key) == value);
  }
  return 0;
}
