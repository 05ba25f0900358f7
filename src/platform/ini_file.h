#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/outcome.h"

namespace kirvo {

// An ini file held in memory in UTF-8: section lines "[name]" and key lines "key=value".
// Section and key names match without regard to ASCII case. The file's own order of sections and
// keys is kept, and writing keeps every section and key the program did not touch.
class IniFile {
 public:
  // Parses UTF-8 text (any of CR LF, LF line ends). Lines that are neither sections nor keys are
  // kept as they stand and written back unchanged.
  static IniFile FromText(std::string_view utf8);

  // Reads a Shift-JIS ini file. A missing file gives an empty IniFile (every key then reads as
  // absent); an unreadable file is an error with a message for the user. A line that is not valid
  // Shift-JIS reads as no key, the rest of the file is kept and LoadProblem() tells the user; the
  // line itself is still the user's and Save writes it back as it was read.
  static Outcome<IniFile> Load(const std::filesystem::path& path);
  // The same for the bytes of a file already read; `file_name` names it in LoadProblem().
  static IniFile FromShiftJisBytes(std::string_view bytes, std::string_view file_name);

  // Empty after a clean load; otherwise one message for the user naming the file and its first
  // unreadable line.
  const std::string& LoadProblem() const { return load_problem_; }

  // Writes the file whole as Shift-JIS, atomically. Every line read from the file and not changed
  // since is written back byte for byte (its own line end, its own codes, also when it could not
  // be read); new and changed lines are written with CR LF. So a file read and saved without an
  // edit stays byte-identical, and its unknown and unreadable lines are never lost. A text without
  // a Shift-JIS code, or a name or value holding a line break, is an error and nothing is written.
  Status Save(const std::filesystem::path& path) const;
  // The bytes Save writes.
  Outcome<std::string> ToShiftJisBytes() const;
  std::string ToText() const;  // UTF-8, "\n" line ends; a line that could not be read is empty

  bool HasKey(std::string_view section, std::string_view key) const;
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // A missing key or a value that is not a decimal integer gives the fallback.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;

  // Sets a key, adding the section at the end and the key at the end of its section when absent.
  // A key that already holds `value` is left as it stands.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);

  std::vector<std::string> Sections() const;
  std::vector<std::string> Keys(std::string_view section) const;

 private:
  struct Line {
    enum class Kind { kOther, kSection, kKey } kind = Kind::kOther;
    std::string text;   // the line as it is written back
    std::string name;   // section or key name as spelled in the file
    std::string value;  // key lines: everything after the first "="
    // The bytes as read from the file with their line end, while the line is unchanged.
    std::optional<std::string> read_bytes;
    // Whether `other` reads as the same line (the bytes it came from aside).
    bool ReadsAs(const Line& other) const {
      return kind == other.kind && text == other.text && name == other.name && value == other.value;
    }
  };
  // Calls `visit(index)` for each key line of the sections named `section`, in file order; stops
  // when `visit` returns true.
  template <class Visit>
  void ForEachKeyLine(std::string_view section, Visit visit) const;
  std::optional<std::size_t> FindKeyLine(std::string_view section, std::string_view key) const;
  static Line ParseLine(std::string_view text, bool after_section);

  std::vector<Line> lines_;
  std::string load_problem_;
};

}  // namespace kirvo
