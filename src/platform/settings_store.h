#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/outcome.h"

namespace kirvo {

// The per-user settings store: keys holding named string and binary values, all below one root.
inline constexpr std::string_view kSettingsStoreRoot = "Software\\Tarvik\\KIRVO";

// Keys are paths below the root with parts joined by "\" ("Main", "Sys", "Back"); "" is the root
// itself. Leading and trailing "\" are ignored. Key paths and value names compare without regard to
// ASCII case. A value is either a string or binary bytes; writing a name replaces its old value.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual bool HasValue(std::string_view key, std::string_view name) const = 0;
  // An absent value, or one of the other kind, reads as empty.
  virtual std::string ReadString(std::string_view key, std::string_view name) const = 0;
  virtual std::string ReadBinary(std::string_view key, std::string_view name) const = 0;

  virtual Status WriteString(std::string_view key, std::string_view name, std::string_view value) = 0;
  virtual Status WriteBinary(std::string_view key, std::string_view name, std::string_view bytes) = 0;
  // Deleting an absent value succeeds.
  virtual Status DeleteValue(std::string_view key, std::string_view name) = 0;

  // Every value of the store, for backup.
  virtual Status ExportTo(const std::filesystem::path& file) const = 0;
  // Adds every value of an exported file, replacing values of the same name; others stay. A file
  // that cannot be read whole imports nothing.
  virtual Status ImportFrom(const std::filesystem::path& file) = 0;
};

// A store kept in one UTF-8 text file of its own, rewritten atomically on every change:
//   KirvoStore 1
//   S <tab> key <tab> name <tab> text          (a string value)
//   B <tab> key <tab> name <tab> hex digits    (a binary value)
// with "\" , tab, CR and LF in keys, names and texts written as "\\", "\t", "\r" and "\n".
// Export files have the same form.
class FileSettingsStore : public SettingsStore {
 public:
  // A missing file is an empty store, created with its folder on the first write. Lines that
  // cannot be read are reported once by LoadProblem() and kept: every later write puts them back
  // byte for byte (line end included) in their place among the values. An unreadable file is an
  // error. Loading and looking up take time linear in the file and constant per value.
  static Outcome<FileSettingsStore> Open(const std::filesystem::path& file);

  const std::string& LoadProblem() const { return load_problem_; }
  const std::filesystem::path& file() const { return file_; }

  bool HasValue(std::string_view key, std::string_view name) const override;
  std::string ReadString(std::string_view key, std::string_view name) const override;
  std::string ReadBinary(std::string_view key, std::string_view name) const override;
  Status WriteString(std::string_view key, std::string_view name, std::string_view value) override;
  Status WriteBinary(std::string_view key, std::string_view name, std::string_view bytes) override;
  Status DeleteValue(std::string_view key, std::string_view name) override;
  Status ExportTo(const std::filesystem::path& file) const override;
  Status ImportFrom(const std::filesystem::path& file) override;

  enum class LineKind : std::uint8_t { kString, kBinary, kUnreadable };

  // A line of the file in file order: a value, or a line that could not be read, kept whole with
  // its line end (never empty). A value's key, name and data (the text, or the bytes of a binary
  // value) lie one after the other in one string, so that a large store costs one allocation a
  // line.
  class Line {
   public:
    Line() = default;
    Line(LineKind kind, std::string_view key, std::string_view name, std::string_view data);
    static Line Unreadable(std::string_view whole);

    LineKind kind() const { return kind_; }
    bool is_value() const { return kind_ != LineKind::kUnreadable; }
    std::string_view key() const { return std::string_view(text_).substr(0, name_at_); }
    std::string_view name() const { return std::string_view(text_).substr(name_at_, data_at_ - name_at_); }
    std::string_view data() const { return std::string_view(text_).substr(data_at_); }
    // The bytes of an unreadable line.
    const std::string& whole() const { return text_; }

    // Filled in place while a file is parsed: the key, then the name, then the data.
    std::string& text() { return text_; }
    void Settle(LineKind kind, std::size_t name_at, std::size_t data_at);

   private:
    std::string text_;
    std::uint32_t name_at_ = 0;
    std::uint32_t data_at_ = 0;
    LineKind kind_ = LineKind::kUnreadable;
  };

  // The lines of the values by key and name without regard to ASCII case: an open-addressing table
  // of line positions, each beside the hash of its value's key and name. No text is copied into it.
  class ValueIndex {
   public:
    std::optional<std::size_t> Find(const std::vector<Line>& lines, std::string_view key, std::string_view name) const;
    // Adds line `line`, whose key and name are in no other line.
    void Add(const std::vector<Line>& lines, std::size_t line);
    void Rebuild(const std::vector<Line>& lines);
    // Indexes the lines of a file just read: a later value of the same key and name takes the
    // earlier one's place and its own line drops out.
    void BuildFolding(std::vector<Line>& lines);
    void Reserve(std::size_t values);

   private:
    struct Slot {
      std::uint32_t hash = 0;
      std::uint32_t line = 0;  // the line's position + 1; 0 is an empty slot
    };
    void Place(std::uint32_t hash, std::size_t line);
    std::optional<std::size_t> FindHashed(const std::vector<Line>& lines, std::uint32_t hash, std::string_view key,
                                          std::string_view name) const;
    std::vector<Slot> slots_;  // a power of two long, at most half full
    std::size_t used_ = 0;
  };

 private:
  explicit FileSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}
  std::optional<std::size_t> FindLine(std::string_view key, std::string_view name) const;
  // Puts `value` in place of the value of the same key and name, or after the last line; saves.
  // A failed save leaves the store as it was.
  Status Assign(Line value);
  void RebuildIndex();

  std::filesystem::path file_;
  std::vector<Line> lines_;
  ValueIndex index_;
  std::string load_problem_;
};

// Where the command-line tool keeps its store: "KirvoStore.txt" in $KIRVO_STORE_DIR when set,
// else in $XDG_CONFIG_HOME/kirvolan, else in ~/.config/kirvolan.
std::filesystem::path DefaultSettingsStorePath();

}  // namespace kirvo
