#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "data/memo_key.h"
#include "platform/ini_file.h"
#include "platform/outcome.h"
#include "settings/text_table.h"

namespace kirvo {

inline constexpr std::string_view kMemoSettingsFileName = "MemoF.ini";
inline constexpr std::string_view kMemoSettingsSection = "MemoF";

// The memo vocabulary as the settings editor shows it, four tables addressed (column, row):
// `Me0SG` (11 × 1) column 1 + c the name of classification c; `Me1SG` (11 × 30) column 1 + c, row r
// word r of classification c, column 0 the row numbers; `Me2SG` (11 × 1) column 1 + c the digits of
// the topics classification c uses, ascending ("0123"); `TpSG` (2 × 11) row 1 + t the number and
// name of topic t, row 0 a header. A classification's words are its rows up to the first empty one.
struct MemoVocabulary {
  TextTable Me0SG{kMemoClassificationCount + 1, 1};
  TextTable Me1SG{kMemoClassificationCount + 1, kMemoWordRowCount};
  TextTable Me2SG{kMemoClassificationCount + 1, 1};
  TextTable TpSG{2, kMemoTopicCount + 1};

  // Empty tables with their fixed label cells (row numbers, topic numbers, captions).
  MemoVocabulary();

  const std::string& ClassificationName(int c) const { return Me0SG.Cell(Column(c), 0); }
  const std::string& Word(int c, int r) const { return Me1SG.Cell(Column(c), static_cast<std::size_t>(r)); }
  const std::string& TopicsUsed(int c) const { return Me2SG.Cell(Column(c), 0); }
  const std::string& TopicName(int t) const { return TpSG.Cell(1, static_cast<std::size_t>(t) + 1); }
  // The number of words of classification c: the rows before the first empty cell.
  int WordCount(int c) const;
  // Whether topic digit t occurs in the topics classification c uses.
  bool UsesTopic(int c, int t) const;

  // Puts the fixed label cells back (column 0 of the classification tables, the topic numbers).
  void Label();

  bool operator==(const MemoVocabulary&) const = default;

  static std::size_t Column(int c) { return static_cast<std::size_t>(c) + 1; }
};

// The vocabulary held in an ini file: for each table and row a key "<table>-Row<r>" in section
// "MemoF", every cell of the row from column 0 followed by ",". Missing keys and fields are empty.
MemoVocabulary ReadMemoVocabulary(const IniFile& ini);
void WriteMemoVocabulary(IniFile& ini, const MemoVocabulary& vocabulary);

// The file of the program folder; an existing file is found whatever the case of its name.
std::filesystem::path MemoSettingsPath(const std::filesystem::path& folder);

// Reads "MemoF.ini"; an unreadable file is an error, a missing one empty tables.
Outcome<MemoVocabulary> LoadMemoVocabulary(const std::filesystem::path& folder);
// Writes the four tables into "MemoF.ini", keeping every other line of the file.
Status SaveMemoVocabulary(const std::filesystem::path& folder, const MemoVocabulary& vocabulary);

// The word of a clicked chart cell as the memo lookup compares it: trimmed, then the first "." and
// the first half-width blank removed (each once), then the first of each of the marks "○", "×",
// "△", "▽", "◇", "□", "◎" and the full-width blank removed. The chart decorates its words with
// these marks and separators; the vocabulary holds the bare word.
std::string MemoLookupWord(std::string_view clicked);

struct MemoWordPlace {
  int classification = 0;
  int word = 0;
  bool operator==(const MemoWordPlace&) const = default;
};

// The first word cell (classification by classification, rows from 0) whose trimmed text equals
// `word`; all thirty rows are searched. Nothing for an empty word or no match.
std::optional<MemoWordPlace> FindMemoWord(const MemoVocabulary& vocabulary, std::string_view word);

// Text trimmed of control characters and half-width blanks at both ends.
std::string_view TrimMemoText(std::string_view text);

}  // namespace kirvo
