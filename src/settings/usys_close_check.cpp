#include "settings/usys_close_check.h"

#include <array>
#include <string>

#include "platform/integer_text.h"
#include "calendar/sexagenary.h"

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

std::optional<CloseCheckFailure> CheckRuleSettings(const USysSettings& settings) {
  // An integer cell of a table, or (no cell) a number field.
  const auto integer_failure = [](std::string_view key, std::optional<CloseCheckFailure::Cell> cell,
                                  const std::string& text, int max, int min) -> std::optional<CloseCheckFailure> {
    std::optional<std::string> problem = IntegerTextProblem(text, max, min);
    if (!problem) return std::nullopt;
    return CloseCheckFailure{std::string(key), cell, std::move(*problem)};
  };
  const auto cell_failure = [&](std::string_view table, std::size_t column, std::size_t row, int max, int min) {
    return integer_failure(table, CloseCheckFailure::Cell{column, row}, settings.Cell(table, column, row), max, min);
  };

  for (const std::size_t column : {2, 8}) {  // 余気 and 本気 days
    for (std::size_t row = 1; row <= 12; ++row) {
      if (auto failure = cell_failure("ZSG", column, row, kDaysMax, kDaysMin)) return failure;
    }
  }
  if (auto failure = cell_failure("ZSG", 6, 9, kDaysMax, kDaysMin)) return failure;  // the second 中気 of 申

  for (std::size_t column = 1; column <= 9; ++column) {
    for (std::size_t row = 1; row <= 9; ++row) {
      if (row == 6 && column != 8) continue;  // row 6 holds one number only
      if (auto failure = cell_failure("SSG", column, row, kBaseNumberMax, kBaseNumberMin)) return failure;
    }
  }

  if (auto failure = integer_failure("NGE", std::nullopt, settings.Number("NGE"), kBalanceMax, kBalanceMin)) {
    return failure;
  }

  for (const std::size_t column : {1, 3, 5}) {
    if (auto failure = cell_failure("MSG", column, 0, kStrengthMax, kStrengthMin)) return failure;
  }
  const long long low = *ParseInteger(settings.Cell("MSG", 1, 0));
  const long long middle = *ParseInteger(settings.Cell("MSG", 3, 0));
  const long long high = *ParseInteger(settings.Cell("MSG", 5, 0));
  if (low > middle || middle > high) {
    // The focus goes to the left cell of the first pair out of order.
    const std::size_t column = low > middle ? 1 : 3;
    return CloseCheckFailure{"MSG", CloseCheckFailure::Cell{column, 0}, "身の数値指定に誤りがあります。"};
  }

  for (std::size_t column = 1; column <= 4; ++column) {
    for (std::size_t row = 1; row <= 39; ++row) {
      if (auto failure = cell_failure("SiSG", column, row, kShownMax, kShownMin)) return failure;
    }
  }

  for (const SpiritStarTableCheck& check : kSpiritStarTableChecks) {
    for (std::size_t column = 1; column <= check.last_column; ++column) {
      for (std::size_t row = 1; row <= check.last_row; ++row) {
        const std::string& label = settings.Cell(check.table, 0, row);
        const std::string& cell = settings.Cell(check.table, column, row);
        if (IsValidSpiritStarCell(label, cell, settings.SlotNames()[kGaijiSlot])) continue;
        return CloseCheckFailure{std::string(check.table), CloseCheckFailure::Cell{column, row},
                                 std::string(check.message) + label + "：" + cell};
      }
    }
  }
  return std::nullopt;
}

}  // namespace kirvo
