#include "data/memo_list.h"

#include <algorithm>

#include "data/line_break_escape.h"
#include "platform/utf8.h"

namespace kirvo {
namespace {

// A memo line holds a key and at least one character of text; shorter lines are dropped. An
// unreadable line is judged by its bytes, so it is never dropped for its missing text.
constexpr std::size_t kShortestMemoLine = kMemoKeyLength + 1;

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += DecodeUtf8Char(text, at).length) ++count;
  return count;
}

bool TooShort(const MemoList::Line& line) {
  if (line.unread) return line.unread->size() < kShortestMemoLine;
  return CharacterCount(line.text) < kShortestMemoLine;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

MemoList::MemoList() : lines_{Line{std::string(kMemoFileHeader), std::nullopt}} {}

MemoList::MemoList(std::vector<Line> lines) : lines_(std::move(lines)) {
  if (lines_.empty()) lines_.push_back(Line{std::string(kMemoFileHeader), std::nullopt});
}

MemoList MemoList::FromTexts(const std::vector<std::string>& texts) {
  std::vector<Line> lines;
  for (const std::string& text : texts) lines.push_back(Line{text, std::nullopt});
  return MemoList(std::move(lines));
}

std::string MemoList::StoredMemo(std::size_t index) const {
  const std::string& text = lines_[index].text;
  return text.size() > kMemoKeyLength ? text.substr(kMemoKeyLength) : std::string();
}

std::optional<MemoKey> MemoList::Key(std::size_t index) const {
  if (index == 0 || index >= lines_.size()) return std::nullopt;
  return MemoKey::Parse(lines_[index].text);
}

void MemoList::Normalise() {
  std::vector<Line> kept;
  kept.reserve(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0 && TooShort(lines_[i])) continue;
    kept.push_back(std::move(lines_[i]));
  }
  std::stable_sort(kept.begin() + 1, kept.end(), [](const Line& a, const Line& b) { return a.text < b.text; });
  // Equal lines are removed after the sort, so that copies apart in the file go as well.
  kept.erase(std::unique(kept.begin() + 1, kept.end()), kept.end());
  lines_ = std::move(kept);
}

std::optional<std::size_t> MemoList::Find(const MemoKey& key) const { return FindPrefix(key.Text()); }

std::optional<std::size_t> MemoList::FindPrefix(std::string_view prefix) const {
  for (std::size_t i = 1; i < lines_.size(); ++i) {
    if (StartsWith(lines_[i].text, prefix)) return i;
  }
  return std::nullopt;
}

std::size_t MemoList::CountPrefix(std::string_view prefix) const {
  return static_cast<std::size_t>(std::count_if(lines_.begin() + 1, lines_.end(),
                                                [&](const Line& line) { return StartsWith(line.text, prefix); }));
}

std::optional<std::size_t> MemoList::Write(const MemoKey& key, std::string_view text) {
  const std::string key_text = key.Text();
  Line line{key_text + EscapeLineBreaks(text), std::nullopt};
  if (const std::optional<std::size_t> at = Find(key)) {
    lines_[*at] = std::move(line);
    return at;
  }
  lines_.push_back(std::move(line));
  Normalise();
  return Find(key);
}

void MemoList::Remove(std::size_t index) {
  if (index > 0 && index < lines_.size()) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::size_t MemoList::RemovePrefix(std::string_view prefix) {
  const auto removed = std::remove_if(lines_.begin() + 1, lines_.end(),
                                      [&](const Line& line) { return StartsWith(line.text, prefix); });
  const auto count = static_cast<std::size_t>(lines_.end() - removed);
  lines_.erase(removed, lines_.end());
  return count;
}

void MemoList::ReplacePrefix(std::string_view from, std::string_view to) {
  for (std::size_t i = 1; i < lines_.size(); ++i) {
    if (!StartsWith(lines_[i].text, from)) continue;
    // The key is ASCII, the same bytes in the file's code, so an unreadable line is renumbered too.
    lines_[i].text.replace(0, from.size(), to);
    if (lines_[i].unread) lines_[i].unread->replace(0, from.size(), to);
  }
}

void MemoList::SetTopic(std::size_t index, int topic) {
  if (index > 0 && index < lines_.size() && lines_[index].text.size() >= kMemoKeyLength) {
    lines_[index].text[kMemoKeyLength - 1] = static_cast<char>('0' + topic);
    if (lines_[index].unread) (*lines_[index].unread)[kMemoKeyLength - 1] = static_cast<char>('0' + topic);
  }
}

}  // namespace kirvo
