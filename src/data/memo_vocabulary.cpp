#include "data/memo_vocabulary.h"

#include <array>

#include "data/explanation_texts.h"
#include "platform/text_file.h"
#include "settings/ini_tables.h"

namespace kirvo {
namespace {

// The marks and separators a chart cell may carry around its word; each is removed once.
constexpr std::array<std::string_view, 8> kLookupMarks = {"○", "×", "△", "▽", "◇", "□", "◎", "　"};

void RemoveFirst(std::string& text, std::string_view part) {
  if (const std::size_t at = text.find(part); at != std::string::npos) text.erase(at, part.size());
}

}  // namespace

MemoVocabulary::MemoVocabulary() { Label(); }

void MemoVocabulary::Label() {
  Me0SG.SetCell(0, 0, "分類名");
  Me2SG.SetCell(0, 0, "トピック");
  for (int r = 0; r < kMemoWordRowCount; ++r) Me1SG.SetCell(0, static_cast<std::size_t>(r), std::to_string(r));
  TpSG.SetCell(0, 0, "No.");
  TpSG.SetCell(1, 0, "トピック名");
  for (int t = 0; t < kMemoTopicCount; ++t) TpSG.SetCell(0, static_cast<std::size_t>(t) + 1, std::to_string(t));
}

int MemoVocabulary::WordCount(int c) const {
  int count = 0;
  while (count < kMemoWordRowCount && !Word(c, count).empty()) ++count;
  return count;
}

bool MemoVocabulary::UsesTopic(int c, int t) const {
  return TopicsUsed(c).find(static_cast<char>('0' + t)) != std::string::npos;
}

MemoVocabulary ReadMemoVocabulary(const IniFile& ini) {
  MemoVocabulary vocabulary;
  ReadTable(ini, kMemoSettingsSection, "Me0SG", vocabulary.Me0SG);
  ReadTable(ini, kMemoSettingsSection, "Me1SG", vocabulary.Me1SG);
  ReadTable(ini, kMemoSettingsSection, "Me2SG", vocabulary.Me2SG);
  ReadTable(ini, kMemoSettingsSection, "TpSG", vocabulary.TpSG);
  // The word rows are numbered whatever the file holds there.
  for (int r = 0; r < kMemoWordRowCount; ++r) vocabulary.Me1SG.SetCell(0, static_cast<std::size_t>(r), std::to_string(r));
  return vocabulary;
}

void WriteMemoVocabulary(IniFile& ini, const MemoVocabulary& vocabulary) {
  WriteTable(ini, kMemoSettingsSection, "Me0SG", vocabulary.Me0SG);
  WriteTable(ini, kMemoSettingsSection, "Me1SG", vocabulary.Me1SG);
  WriteTable(ini, kMemoSettingsSection, "Me2SG", vocabulary.Me2SG);
  WriteTable(ini, kMemoSettingsSection, "TpSG", vocabulary.TpSG);
}

std::filesystem::path MemoSettingsPath(const std::filesystem::path& folder) {
  return ExplanationFilePath(folder, kMemoSettingsFileName);
}

Outcome<MemoVocabulary> LoadMemoVocabulary(const std::filesystem::path& folder) {
  const Outcome<IniFile> ini = IniFile::Load(MemoSettingsPath(folder));
  if (!ini) return Outcome<MemoVocabulary>::Failure(ini.error());
  return ReadMemoVocabulary(*ini);
}

Status SaveMemoVocabulary(const std::filesystem::path& folder, const MemoVocabulary& vocabulary) {
  const std::filesystem::path path = MemoSettingsPath(folder);
  Outcome<IniFile> ini = IniFile::Load(path);
  if (!ini) return Status::Failure(NotSavedOverUnreadable(path, ini.error()));
  WriteMemoVocabulary(ini.value(), vocabulary);
  return ini->Save(path);
}

std::string_view TrimMemoText(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::string MemoLookupWord(std::string_view clicked) {
  std::string word(TrimMemoText(clicked));
  RemoveFirst(word, ".");
  RemoveFirst(word, " ");
  for (std::string_view mark : kLookupMarks) RemoveFirst(word, mark);
  return word;
}

std::optional<MemoWordPlace> FindMemoWord(const MemoVocabulary& vocabulary, std::string_view word) {
  if (word.empty()) return std::nullopt;
  for (int c = 0; c < kMemoClassificationCount; ++c) {
    for (int r = 0; r < kMemoWordRowCount; ++r) {
      if (TrimMemoText(vocabulary.Word(c, r)) == word) return MemoWordPlace{c, r};
    }
  }
  return std::nullopt;
}

}  // namespace kirvo
