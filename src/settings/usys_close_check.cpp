#include <array>
#include <string>

#include "calendar/integer_validation.h"
#include "calendar/sexagenary.h"
#include "platform/interaction.h"
#include "settings/usys_settings.h"

namespace kirvo {

namespace {

// Ranges of the integer settings.
constexpr int kDaysMin = -1, kDaysMax = 999;            // ZSG day counts
constexpr int kBaseNumberMin = 0, kBaseNumberMax = 20;  // SSG
constexpr int kBalanceMin = 1, kBalanceMax = 99;        // NGE, percent
constexpr int kStrengthMin = -100, kStrengthMax = 100;  // MSG
constexpr int kShownMin = 0, kShownMax = 1;             // SiSG

// Rows whose cells hold other than stem and branch characters: their stars follow rules of their own.
constexpr std::array<std::string_view, 2> kFreeSpiritStarRows = {"三奇貴人", "天乙貴人"};

// The spirit-star tables checked cell by cell, column by column, with the message of a bad cell.
struct SpiritStarTableCheck {
  std::string_view table;
  std::size_t last_column;
  std::size_t last_row;
  std::string_view message;
};
constexpr std::array<SpiritStarTableCheck, 3> kSpiritStarTableChecks = {{
    {"SKSG", 10, 18, "神殺 - 干表の指定に誤りがあります。"},
    {"SSSG", 12, 20, "神殺 - 支表の指定に誤りがあります。"},
    {"TSG", 12, 10, "調候用神 - の指定に誤りがあります。"},
}};

// The length of the stem or branch name at the start of `text`, or 0.
std::size_t StemOrBranchNameAt(std::string_view text) {
  for (const std::string_view name : kStemNames) {
    if (text.starts_with(name)) return name.size();
  }
  for (const std::string_view name : kBranchNames) {
    if (text.starts_with(name)) return name.size();
  }
  return 0;
}

}  // namespace

bool IsValidSpiritStarCell(std::string_view row_label, std::string_view cell, std::string_view slot33_name) {
  if (row_label.empty() || cell.empty() || row_label == slot33_name) return true;
  for (const std::string_view free_row : kFreeSpiritStarRows) {
    if (row_label == free_row) return true;
  }
  // Each two-byte character must be one of 甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥.
  while (!cell.empty()) {
    const std::size_t length = StemOrBranchNameAt(cell);
    if (length == 0) return false;
    cell.remove_prefix(length);
  }
  return true;
}

bool USysSettings::CloseCheck(Interaction& interaction) const {
  const auto valid = [&](const std::string& text, int max, int min) {
    return ValidateIntegerText(text, max, min, interaction);
  };

  const TextTable& zsg = Table("ZSG");
  for (const std::size_t column : {2, 8}) {  // 余気 and 本気 days
    for (std::size_t row = 1; row <= 12; ++row) {
      if (!valid(zsg.Cell(column, row), kDaysMax, kDaysMin)) return false;
    }
  }
  if (!valid(zsg.Cell(6, 9), kDaysMax, kDaysMin)) return false;  // the second 中気 of 申

  const TextTable& base = Table("SSG");
  for (std::size_t column = 1; column <= 9; ++column) {
    for (std::size_t row = 1; row <= 9; ++row) {
      if (row == 6 && column != 8) continue;  // row 6 holds one number only
      if (!valid(base.Cell(column, row), kBaseNumberMax, kBaseNumberMin)) return false;
    }
  }

  if (!valid(Number("NGE"), kBalanceMax, kBalanceMin)) return false;

  const TextTable& strength = Table("MSG");
  for (const std::size_t column : {1, 3, 5}) {
    if (!valid(strength.Cell(column, 0), kStrengthMax, kStrengthMin)) return false;
  }
  const long long low = *ParseInteger(strength.Cell(1, 0));
  const long long middle = *ParseInteger(strength.Cell(3, 0));
  const long long high = *ParseInteger(strength.Cell(5, 0));
  if (low > middle || middle > high) {
    interaction.Beep();
    interaction.ShowMessage("身の数値指定に誤りがあります。");
    return false;
  }

  const TextTable& shown = Table("SiSG");
  for (std::size_t column = 1; column <= 4; ++column) {
    for (std::size_t row = 1; row <= 39; ++row) {
      if (!valid(shown.Cell(column, row), kShownMax, kShownMin)) return false;
    }
  }

  for (const SpiritStarTableCheck& check : kSpiritStarTableChecks) {
    const TextTable& stars = Table(check.table);
    for (std::size_t column = 1; column <= check.last_column; ++column) {
      for (std::size_t row = 1; row <= check.last_row; ++row) {
        const std::string& label = stars.Cell(0, row);
        const std::string& cell = stars.Cell(column, row);
        if (IsValidSpiritStarCell(label, cell, SlotNames()[kGaijiSlot])) continue;
        interaction.Beep();
        interaction.ShowMessage(std::string(check.message) + label + "：" + cell);
        return false;
      }
    }
  }
  return true;
}

}  // namespace kirvo
