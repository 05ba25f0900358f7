#include "settings/usys_settings.h"

#include "calendar/sexagenary.h"
#include "settings/zsg_distribution.h"

namespace kirvo {

namespace {

constexpr std::size_t TableIndex(std::string_view key) { return *IndexOfKey(kUSysTables, key); }

// The rows of `SKSG` are slots 0..18, those of `SSSG` slots 19..39, those of `SiSG` slots 0..39.
constexpr int kFirstStemTableSlot = 0;
constexpr int kFirstBranchTableSlot = 19;

// Rows whose stars the stem table does not decide by stem: they are computed by their own rules.
constexpr std::array<std::string_view, 2> kFixedStemTableRows = {"三奇貴人", "天乙貴人"};

bool IsOdd(std::size_t n) { return n % 2 == 1; }

}  // namespace

USysSettings::USysSettings() : slot_names_(SpiritStarSlotNamesFor(kDefaultGaiji1)) {
  SetDefaults();
  SetFixedLabels();
  RebuildHiddenStems();
}

void USysSettings::SetDefaults() {
  for (std::size_t i = 0; i < kUSysFlags.size(); ++i) flags_[i] = kUSysFlags[i].default_value;
  for (std::size_t i = 0; i < kUSysChoices.size(); ++i) choices_[i] = kUSysChoices[i].default_index;
  for (std::size_t i = 0; i < kUSysNumbers.size(); ++i) numbers_[i] = std::string(kUSysNumbers[i].default_text);
  for (std::size_t i = 0; i < kUSysTables.size(); ++i)
    tables_[i] = TextTable(kUSysTables[i].columns, kUSysTables[i].rows);
}

void USysSettings::SetFixedLabels() {
  TextTable& zsg = tables_[TableIndex("ZSG")];
  for (std::size_t column = 0; column < kZsgHeaderRow.size(); ++column) zsg.SetCell(column, 0, kZsgHeaderRow[column]);

  TextTable& shown = tables_[TableIndex("SiSG")];
  for (std::size_t row = 0; row < shown.rows(); ++row) shown.SetCell(0, row, slot_names_[row]);

  TextTable& by_stem = tables_[TableIndex("SKSG")];
  for (std::size_t row = 0; row < by_stem.rows(); ++row)
    by_stem.SetCell(0, row, slot_names_[kFirstStemTableSlot + row]);
  for (std::size_t stem = 0; stem < kStemNames.size(); ++stem) by_stem.SetCell(stem + 1, 0, kStemNames[stem]);

  TextTable& by_branch = tables_[TableIndex("SSSG")];
  for (std::size_t row = 0; row < by_branch.rows(); ++row) {
    by_branch.SetCell(0, row, slot_names_[kFirstBranchTableSlot + row]);
  }
  for (std::size_t branch = 0; branch < kBranchNames.size(); ++branch) {
    by_branch.SetCell(branch + 1, 0, kBranchNames[branch]);
  }
}

void USysSettings::RebuildHiddenStems() {
  hidden_stems_ = BuildHiddenStemTable(tables_[TableIndex("ZSG")]);
  distribution_ = DepthDistributionOf(tables_[TableIndex("ZSG")]);
}

bool USysSettings::Flag(std::string_view key) const {
  const auto index = IndexOfKey(kUSysFlags, key);
  return index && flags_[*index];
}

int USysSettings::Choice(std::string_view key) const {
  const auto index = IndexOfKey(kUSysChoices, key);
  return index ? choices_[*index] : 0;
}

const std::string& USysSettings::Number(std::string_view key) const {
  static const std::string kEmpty;
  const auto index = IndexOfKey(kUSysNumbers, key);
  return index ? numbers_[*index] : kEmpty;
}

const TextTable& USysSettings::Table(std::string_view key) const {
  static const TextTable kEmpty;
  const auto index = IndexOfKey(kUSysTables, key);
  return index ? tables_[*index] : kEmpty;
}

TextTable* USysSettings::MutableTable(std::string_view key) {
  const auto index = IndexOfKey(kUSysTables, key);
  return index ? &tables_[*index] : nullptr;
}

void USysSettings::SetFlag(std::string_view key, bool value) {
  if (const auto index = IndexOfKey(kUSysFlags, key)) flags_[*index] = value;
}

void USysSettings::SetChoice(std::string_view key, int index) {
  const auto at = IndexOfKey(kUSysChoices, key);
  if (at && index >= 0 && index < kUSysChoices[*at].ItemCount()) choices_[*at] = index;
}

void USysSettings::SetNumber(std::string_view key, std::string_view text) {
  if (const auto index = IndexOfKey(kUSysNumbers, key)) numbers_[*index] = std::string(text);
}

void USysSettings::SetCell(std::string_view table, std::size_t column, std::size_t row, std::string_view text) {
  TextTable* target = MutableTable(table);
  if (target == nullptr) return;
  target->SetCell(column, row, text);
  if (table == "ZSG") RebuildHiddenStems();
}

void USysSettings::SetTable(std::string_view key, TextTable table) {
  TextTable* target = MutableTable(key);
  if (target == nullptr || table.columns() != target->columns() || table.rows() != target->rows()) return;
  *target = std::move(table);
  SetFixedLabels();
  if (key == "ZSG") RebuildHiddenStems();
}

void USysSettings::SetSlotNames(SpiritStarSlotNames names) {
  slot_names_ = std::move(names);
  SetFixedLabels();
}

bool USysSettings::CanEditCell(std::string_view table, std::size_t column, std::size_t row) const {
  const TextTable& cells = Table(table);
  if (column >= cells.columns() || row >= cells.rows()) return false;
  // The one-row tables keep their labels in the even columns.
  if (table == "SSG2" || table == "MSG") return IsOdd(column);
  if (row == 0 || column == 0) return false;
  if (table == "ZSG") return !IsOdd(column) && cells.Cell(column, row) != kNotApplicable;
  if (table == "HSG") return !(column == 7 && row == 1);  // the day stem itself
  const std::string& label = cells.Cell(0, row);
  if (table == "SKSG") return label != kFixedStemTableRows[0] && label != kFixedStemTableRows[1];
  if (table == "SSSG") return label != slot_names_[kGaijiSlot];
  return true;
}

}  // namespace kirvo
