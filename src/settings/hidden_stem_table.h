#pragma once

#include <array>
#include <string_view>

#include "calendar/sexagenary.h"
#include "settings/text_table.h"

namespace kirvo {

// Layout of the hidden-stem distribution table `ZSG` (9 columns x 13 rows): row 0 labels, row
// b + 1 the branch b (column 0 its name); pairs of (stem, days) in columns 1/2 余気, 3/4 中気,
// 5/6 a second 中気 (申 only), 7/8 本気. "・" marks a pair that does not apply.
inline constexpr int kZsgColumns = 9;
inline constexpr int kZsgRows = 13;
inline constexpr std::string_view kNotApplicable = "・";
inline constexpr std::array<std::string_view, kZsgColumns> kZsgHeaderRow = {"",   "余", "気", "",  "中",
                                                                            "気", "",   "本", "気"};

// The stems of every branch: entry [k][b] for k = 0 余気, 1 中気, 2 本気; kNoStem where the
// table holds no stem name.
struct HiddenStemTable {
  std::array<std::array<Stem, 12>, 3> stems{};

  Stem At(int k, Branch branch) const { return stems[k][branch]; }
  bool operator==(const HiddenStemTable&) const = default;
};

// A branch without a 中気 takes its 本気 stem as 中気 too: every row whose column-3 cell is not
// a stem name gets the column-7 text there (its day count stays as it is).
void FillMissingMiddleStems(TextTable& zsg);

// The stems of columns 1, 3 and 7 of each branch row, as they stand.
HiddenStemTable HiddenStemTableOf(const TextTable& zsg);

// Both steps on a copy: the table the engine uses after `zsg` was loaded, opened or edited. `zsg`
// itself stays as the user's file has it ("・" where a branch has no 中気), so that saving it
// writes back what was read.
HiddenStemTable BuildHiddenStemTable(const TextTable& zsg);

// Day counts of the segments 余気, 中気, second 中気 and 本気 of a branch (columns 2, 4, 6, 8);
// "・", or anything else that is not an integer, counts 0.
std::array<double, 4> SegmentDays(const TextTable& zsg, Branch branch);

// Each segment's share of the period: its days over the row's total. All 0 when the total is 0
// (such a row has no segments and leaves the 本気 in force).
std::array<double, 4> SegmentShares(const TextTable& zsg, Branch branch);

}  // namespace kirvo
