#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "calendar/depth_distribution.h"
#include "platform/outcome.h"
#include "settings/hidden_stem_table.h"
#include "settings/spirit_star_slots.h"
#include "settings/text_table.h"
#include "settings/usys_keys.h"

namespace kirvo {

class Interaction;
class IniFile;
class SettingsStore;

inline constexpr std::string_view kUSysFileName = "USysF.ini";
inline constexpr std::string_view kUSysSection = "USysF";
// Section and key of the first-run marker.
inline constexpr std::string_view kUSysVersionSection = "USys";
inline constexpr std::string_view kUSysVersionKey = "V122";

// Whether loading applies the first-run rule (which may write the files). Tools that only look at a
// program folder skip it.
enum class FirstRunRule { kApply, kSkip };

// The rule settings: every flag, choice, number and table the chart engine decides by, under the
// key of its dialog control. One object lives for the whole run; a computation reads the values it
// needs when it starts (ChartRules), so a change takes effect at the next computation.
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

  // --- persistence. The file is `program_folder`/USysF.ini, section "USysF".
  // Reads every key (a missing key keeps its default, a missing table row is empty), sets the
  // fixed labels (slot 33 from the per-user value "Gaiji1" of key "Sys"), rebuilds the hidden
  // stems, and on the first run (V122 not yet 1) checks and saves once without the dialog. What
  // cannot be read keeps its default and is reported in one message.
  void Load(const std::filesystem::path& program_folder, const SettingsStore& store, Interaction& interaction,
            FirstRunRule first_run_rule = FirstRunRule::kApply);
  // The settings held by an ini text already in memory (the shipped defaults built into the
  // program), with the default slot names; `problems` receives what could not be read.
  static USysSettings FromIni(const IniFile& ini, std::string& problems);

  // Writes every key back into USysF.ini (keeping the keys this model does not know) and `ZSG` to
  // the distribution file named by `ZFileE`. Failures are reported and returned.
  Status Save(Interaction& interaction);
  // Every key again from the file, discarding the edits (Cancel).
  void Reload(Interaction& interaction);

  // The close check of the dialog: the first invalid setting beeps, shows its message and gives
  // false.
  bool CloseCheck(Interaction& interaction) const;
  // OK: close check, then save. False keeps the dialog open with the edits.
  bool CloseWithOk(Interaction& interaction);
  // Cancel: reload, then close the same way.
  bool CloseWithCancel(Interaction& interaction);

  // `OpenBtn`: loads `ZSG` from a chosen distribution file and remembers it in `ZFileE` (its bare
  // name when it lies in the program folder). A file that can't be read is reported and changes
  // nothing.
  Status OpenDistributionFile(const std::filesystem::path& file, Interaction& interaction);
  // Where `ZSG` is written: the program folder joined with `ZFileE`.
  std::filesystem::path DistributionFilePath() const;
  const std::filesystem::path& program_folder() const { return program_folder_; }

  // "×２" and "÷２": every integer cell of `SSG` (columns 1..9, rows 1..9) and every odd column
  // of `SSG2`, doubled or halved (truncated toward zero). Empty cells and cells that are no
  // integer stay as they are.
  void DoubleNumbers();
  void HalveNumbers();
  // "デフォルトに戻す" and "全てを 0: 非表示": beep, ask, and on Yes set every flag cell of `SiSG`
  // to the built-in defaults or to "0". True when the user said Yes.
  bool RestoreDefaultSpiritStars(Interaction& interaction);
  bool HideAllSpiritStars(Interaction& interaction);

 private:
  void SetDefaults();
  void SetFixedLabels();
  void RebuildHiddenStems();
  TextTable* MutableTable(std::string_view key);
  // Reads the keys of `ini`; each problem becomes a line of `problems`.
  void ReadKeys(const IniFile& ini, std::string& problems);
  void WriteKeys(IniFile& ini) const;
  void LoadFromFile(Interaction& interaction, bool& first_run, bool& file_readable);
  void RunFirstStart(Interaction& interaction);
  template <class Change>
  void ChangeNumberCells(Change change);

  std::filesystem::path program_folder_;
  std::array<bool, kUSysFlags.size()> flags_{};
  std::array<int, kUSysChoices.size()> choices_{};
  std::array<std::string, kUSysNumbers.size()> numbers_;
  std::array<TextTable, kUSysTables.size()> tables_;
  HiddenStemTable hidden_stems_;
  DepthDistribution distribution_;
  SpiritStarSlotNames slot_names_;
};

// A spirit-star table cell: true when its row label is "三奇貴人", "天乙貴人", the name of slot 33
// or empty, or the cell is empty; otherwise the cell must be a run of stem and branch names.
bool IsValidSpiritStarCell(std::string_view row_label, std::string_view cell, std::string_view slot33_name);

}  // namespace kirvo
