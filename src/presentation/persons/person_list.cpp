#include "presentation/persons/person_list.h"

#include <algorithm>
#include <charconv>

#include "platform/ascii.h"
#include "platform/name_text.h"

namespace kirvo {
namespace {

bool IsBlankRow(const PersonRow& row) {
  return std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); });
}

// The entered cells of a person, as the list stores them.
std::array<std::string, kPersonInputCells> InputCellsOf(const BirthInput& person) {
  std::array<std::string, kPersonInputCells> cells;
  cells[person_column::kName] = person.name;
  cells[person_column::kSex] = SexName(person.sex);
  cells[person_column::kDate] = person.birth.DateText();
  cells[person_column::kTime] = person.birth.TimeText();
  return cells;
}

bool SameInput(const PersonRow& row, const std::array<std::string, kPersonInputCells>& cells) {
  return std::equal(cells.begin(), cells.end(), row.begin());
}

// A number as the list reads one: optional blanks around an optional sign, digits and at most one
// decimal point.
bool IsNumberText(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return false;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  return error == std::errc() && end == text.data() + text.size();
}

// "/" after the first character marks a date or an age.
bool HoldsInnerSlash(std::string_view key) { return key.size() > 1 && key.find('/', 1) != std::string_view::npos; }

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(ToAsciiLower(x)) < static_cast<unsigned char>(ToAsciiLower(y));
  });
}

}  // namespace

// clang-format off
const std::array<std::string_view, kPersonCellCount> kPersonListHeaders = {
    "　氏　名　", "性", "生年月日", "生時", "年齢", "立運", "行", "日", "令", " 季　節 ",
    "吉度", " 身", " 格", "均衡", "主", " 用", " 調候 ", "忌神", "凶", "喜神",
    "吉", " 天干 ", " 地支 ", "天：時－月年", "地：時日月年 ", "逢：時日月年 ", "居：時－月年",
    "行天：時日月年大", "行地：時日月年大", "行逢：時日月年大", "行居：時日月年大",
    "格　局　", "時柱神殺", "日柱神殺", "月柱神殺", "年柱神殺", "空亡",
    "", "", "", "", "", "", "", "", "", ""};
// clang-format on

std::optional<BirthInput> PersonOfRow(const PersonRow& row) {
  const std::optional<BirthMoment> birth =
      BirthOfText(row[person_column::kDate] + " " + row[person_column::kTime]);
  if (!birth) return std::nullopt;
  return BirthInput{row[person_column::kName], *birth, SexOfPersonCell(row[person_column::kSex])};
}

PersonList::PersonList() : rows_(1) {}

PersonList::PersonList(std::vector<PersonRow> rows) : rows_(std::move(rows)) {
  if (rows_.empty()) rows_.resize(1);
}

bool PersonList::IsEmpty() const { return rows_.size() == 1 && IsBlankRow(rows_[0]); }

bool PersonList::Register(const BirthInput& person, Interaction& interaction) {
  if (const Status usable = CheckEnteredName(person.name); !usable) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kWarning, usable.error());
    return false;
  }
  const std::array<std::string, kPersonInputCells> cells = InputCellsOf(person);
  std::optional<std::size_t> target;
  for (std::size_t index = 0; index < rows_.size(); ++index) {
    const PersonRow& row = rows_[index];
    if (SameInput(row, cells)) return true;
    if (row[person_column::kName] != person.name) continue;
    if (!interaction.AskYesNo(kReplacePersonQuestion)) return false;
    target = index;
  }
  if (!target) {
    if (IsEmpty()) {
      target = 0;
    } else {
      target = rows_.size();
      rows_.emplace_back();
    }
  }
  for (std::size_t column = 0; column < kPersonInputCells; ++column) rows_[*target][column] = cells[column];
  modified_ = true;
  return true;
}

void PersonList::DeleteRow(std::size_t index) {
  if (index >= rows_.size()) return;
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
  if (rows_.empty()) rows_.resize(1);
  modified_ = true;
}

void PersonList::MoveRow(std::size_t from, std::size_t to) {
  if (from >= rows_.size() || to >= rows_.size() || from == to) return;
  PersonRow moved = std::move(rows_[from]);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(from));
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
  modified_ = true;
}

std::string NumericSortKey(std::string_view cell) {
  const std::size_t length = CharacterCount(cell);
  std::string key(length < 6 ? 6 - length : 0, '0');
  key += cell;
  std::replace(key.begin(), key.end(), ' ', '0');
  std::replace(key.begin(), key.end(), '/', '0');
  return key;
}

bool SortsNumerically(const std::vector<std::string_view>& keys) {
  if (keys.empty()) return false;
  if (HoldsInnerSlash(keys.front()) || HoldsInnerSlash(keys.back())) return true;
  return std::all_of(keys.begin(), keys.end(), IsNumberText);
}

void PersonList::Sort(std::size_t column, bool descending) {
  if (column >= kPersonCellCount) return;
  std::vector<std::string_view> cells;
  cells.reserve(rows_.size());
  for (const PersonRow& row : rows_) cells.emplace_back(row[column]);
  const bool numeric = SortsNumerically(cells);
  std::vector<std::pair<std::string, std::size_t>> keys;
  keys.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    keys.emplace_back(numeric ? NumericSortKey(cells[i]) : std::string(cells[i]), i);
  }
  std::stable_sort(keys.begin(), keys.end(),
                   [](const auto& a, const auto& b) { return LessIgnoringCase(a.first, b.first); });
  if (descending) std::reverse(keys.begin(), keys.end());
  std::vector<PersonRow> sorted;
  sorted.reserve(rows_.size());
  for (const auto& key : keys) sorted.push_back(std::move(rows_[key.second]));
  rows_ = std::move(sorted);
}

std::optional<std::size_t> PersonList::Find(std::size_t column, std::string_view text, SearchMode mode,
                                            std::size_t first_row, bool ignore_case) const {
  if (column >= kPersonCellCount) return std::nullopt;
  for (std::size_t index = first_row; index < rows_.size(); ++index) {
    const std::string& cell = rows_[index][column];
    const bool found = mode == SearchMode::kPartial ? cell.find(text) != std::string::npos
                       : ignore_case                ? EqualsIgnoringAsciiCase(cell, text)
                                                    : cell == text;
    if (found) return index;
  }
  return std::nullopt;
}

std::string PersonList::CountText() const { return "総数：" + std::to_string(rows_.size()) + "件"; }

void PersonList::ClearComputed() {
  for (PersonRow& row : rows_) row.ClearComputed();
}

std::optional<std::size_t> PersonSearch::First(const PersonList& list, std::size_t column, std::string_view text,
                                               SearchMode mode) {
  return Found(list.Find(column, text, mode, 0, true));
}

std::optional<std::size_t> PersonSearch::Next(const PersonList& list, std::size_t column, std::string_view text,
                                              SearchMode mode) {
  return Found(list.Find(column, text, mode, position_ + 1, false));
}

std::optional<std::size_t> PersonSearch::Found(std::optional<std::size_t> row) {
  position_ = row.value_or(0);
  return row;
}

std::vector<std::vector<std::string>> PersonListTable(const PersonList& list) {
  std::vector<std::vector<std::string>> table;
  table.reserve(list.size() + 1);
  table.emplace_back(kPersonListHeaders.begin(), kPersonListHeaders.end());
  for (const PersonRow& row : list.rows()) table.emplace_back(row.begin(), row.end());
  return table;
}

std::string SearchMissText(std::string_view text) { return "[" + std::string(text) + "]は見つかりません。"; }

}  // namespace kirvo
