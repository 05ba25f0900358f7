#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calendar/depth_distribution.h"
#include "platform/outcome.h"
#include "settings/hidden_stem_table.h"
#include "settings/spirit_star_slots.h"
#include "settings/text_table.h"
#include "settings/usys_keys.h"

namespace kirvo {

// The rule settings: every flag, choice, number and table the chart engine decides by, under the
// key of its dialog control. A plain value: the program keeps one live copy for the whole run; a
// computation reads the values it needs when it starts (ChartRules), so a change takes effect at
// the next computation. Reading and writing USysF.ini is usys_settings_file.h's part, the dialog
// usys_dialog_model.h's.
class USysSettings {
 public:
  // Every flag, choice and number at its default; every table empty but for its fixed labels.
  USysSettings();

  // --- read access by key text (dialog, files, tools). A key that does not exist reads as false, 0 or empty text.
  bool Flag(std::string_view key) const;
  int Choice(std::string_view key) const;
  const std::string& Number(std::string_view key) const;
  const TextTable& Table(std::string_view key) const;
  const std::string& Cell(std::string_view table, std::size_t column, std::size_t row) const {
    return Table(table).Cell(column, row);
  }
  // --- typed access by handle (usys_keys.h): no lookup, no unknown key. A choice reads as its item.
  bool Flag(USysFlag key) const { return flags_[static_cast<std::size_t>(key)]; }
  template <USysChoice key>
  ChoiceItem<key> Choice() const {
    return static_cast<ChoiceItem<key>>(choices_[static_cast<std::size_t>(key)]);
  }
  const std::string& Number(USysNumber key) const { return numbers_[static_cast<std::size_t>(key)]; }
  const TextTable& Table(USysTable key) const { return tables_[static_cast<std::size_t>(key)]; }
  const std::string& Cell(USysTable table, std::size_t column, std::size_t row) const {
    return Table(table).Cell(column, row);
  }
  void SetFlag(USysFlag key, bool value) { flags_[static_cast<std::size_t>(key)] = value; }
  // An item beyond the choice's list (a depth mode the pillar does not offer) is ignored.
  template <USysChoice key>
  void SetChoice(ChoiceItem<key> item) {
    const int index = static_cast<int>(item);
    if (index >= 0 && index < ChoiceItems<key>::kCount) choices_[static_cast<std::size_t>(key)] = index;
  }

  // Derived from `ZSG`, rebuilt whenever `ZSG` changes.
  const HiddenStemTable& HiddenStems() const { return hidden_stems_; }
  // The day counts of `ZSG` as depth segments, rebuilt with the hidden stems.
  const DepthDistribution& Distribution() const { return distribution_; }
  const SpiritStarSlotNames& SlotNames() const { return slot_names_; }

  // --- edits of the dialog. Unknown keys, choice indices outside the item list and cells outside
  // a table are ignored.
  void SetFlag(std::string_view key, bool value);
  void SetChoice(std::string_view key, int index);
  void SetNumber(std::string_view key, std::string_view text);
  void SetCell(std::string_view table, std::size_t column, std::size_t row, std::string_view text);
  // Whether the dialog lets the user edit a cell: the labels, "・" cells of `ZSG`, the even
  // (label) columns of `SSG2` and `MSG`, the day stem of `HSG` and the fixed spirit-star rows are
  // not editable.
  bool CanEditCell(std::string_view table, std::size_t column, std::size_t row) const;

  // "×２" and "÷２": every integer cell of `SSG` (columns 1..9, rows 1..9) and every odd column
  // of `SSG2`, doubled or halved (truncated toward zero). Empty cells and cells that are no
  // integer stay as they are.
  void DoubleNumbers();
  void HalveNumbers();
  // What "デフォルトに戻す" and "全てを 0: 非表示" set (after their question, which is the dialog's):
  // every flag cell of `SiSG` (columns 1..4, rows 1..39) to the built-in defaults, or to "0".
  void ShowDefaultSpiritStars();
  void HideAllSpiritStars();

  // --- whole-value changes of loading and of `OpenBtn`.
  // Replaces a table whose size matches; the fixed labels are set again.
  void SetTable(std::string_view key, TextTable table);
  // The spirit-star slot names (slot 33 follows the per-user special character) and with them the
  // fixed labels of `SiSG`, `SKSG` and `SSSG`.
  void SetSlotNames(SpiritStarSlotNames names);

 private:
  void SetDefaults();
  void SetFixedLabels();
  void RebuildHiddenStems();
  TextTable* MutableTable(std::string_view key);
  template <class Change>
  void ChangeNumberCells(Change change);

  std::array<bool, kUSysFlags.size()> flags_{};
  std::array<int, kUSysChoices.size()> choices_{};
  std::array<std::string, kUSysNumbers.size()> numbers_;
  std::array<TextTable, kUSysTables.size()> tables_;
  HiddenStemTable hidden_stems_;
  DepthDistribution distribution_;
  SpiritStarSlotNames slot_names_;
};

}  // namespace kirvo
