#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/memo_key.h"

namespace kirvo {

// The header line a new memo file starts with. It is never shown nor interpreted.
inline constexpr std::string_view kMemoFileHeader = "Kirvolan メモデータ";

// The memo texts, one line each as the memo file holds them: line 0 is the header and stays first;
// every other line is a MemoKey followed by the memo text with its line breaks written "/r".
// A line the file held in bytes that are not Shift-JIS is kept as those bytes: it is written back
// unchanged and sorts by its key when it starts with one.
class MemoList {
 public:
  struct Line {
    std::string text;                    // UTF-8; for an unreadable line only its key, if it has one
    std::optional<std::string> unread;   // the bytes of a line that could not be read
    bool operator==(const Line&) const = default;
  };

  // A list of the header alone: the first memo added is never taken for the header.
  MemoList();
  explicit MemoList(std::vector<Line> lines);
  // Lines of UTF-8 text; an empty vector gives the header alone.
  static MemoList FromTexts(const std::vector<std::string>& texts);

  std::size_t size() const { return lines_.size(); }
  // Whether there is a memo line (beyond the header).
  bool HasMemos() const { return lines_.size() > 1; }
  const Line& line(std::size_t index) const { return lines_[index]; }
  const std::vector<Line>& lines() const { return lines_; }
  const std::string& Text(std::size_t index) const { return lines_[index].text; }
  // The stored memo text of line `index` (after its key; "/r" kept).
  std::string StoredMemo(std::size_t index) const;
  std::optional<MemoKey> Key(std::size_t index) const;

  // Removes every memo line shorter than five characters (a key without text), sorts the memo
  // lines as text and removes every line equal to the one before it; the header stays first.
  void Normalise();

  // The first memo line whose key is `key`.
  std::optional<std::size_t> Find(const MemoKey& key) const;
  // The first memo line that starts with `prefix` (a word's memo with the lowest topic).
  std::optional<std::size_t> FindPrefix(std::string_view prefix) const;
  std::size_t CountPrefix(std::string_view prefix) const;

  // Writes the memo of `key` with `text` (line breaks as typed). An existing line of that key is
  // replaced in place; otherwise the line is added and the list normalised, so an empty text for a
  // new key leaves no line. Returns the index of the line, nothing when it was dropped.
  std::optional<std::size_t> Write(const MemoKey& key, std::string_view text);

  // Removes memo line `index` (never the header).
  void Remove(std::size_t index);
  // Removes every memo line starting with `prefix`; returns how many.
  std::size_t RemovePrefix(std::string_view prefix);
  // Every memo line starting with `from` starts with `to` instead (same length).
  void ReplacePrefix(std::string_view from, std::string_view to);
  // Line `index` moves to topic t (its fourth character). Whether the new key is taken is the
  // caller's check.
  void SetTopic(std::size_t index, int topic);

  bool operator==(const MemoList&) const = default;

 private:
  std::vector<Line> lines_;
};

}  // namespace kirvo
