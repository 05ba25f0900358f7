#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calendar/sexagenary.h"
#include "settings/spirit_star_slots.h"
#include "settings/sys_pattern_names.h"
#include "settings/text_table.h"

namespace kirvo {

// The names the program uses while it runs, taken from the naming tables when the system settings
// are loaded. Edits of the tables take effect at the next start; only "ﾃﾞﾌｫﾙﾄの文字に戻す" applies
// at once.
struct SysNamesInUse {
  // Ten-god names written into chart cells and read back from them: row 1 of `HenSG`, or the
  // defaults when `KNCB` ("変通星の表記を、格局のみに適用する") is set.
  TenGodNames ten_gods;
  // Row 1 of `HenSG` whatever `KNCB` says: the pattern names and the element words of the ten
  // gods (the input of ElementGroupOf).
  TenGodNames ten_god_row;
  std::array<std::string, 5> ten_god_groups;  // row 1 of `HGSG`
  std::array<std::string, 5> relations;       // row 1 of `KyuSG`: 主 洩 分 剋 生 by default
  PatternNames patterns;
  SpiritStarSlotNames spirit_stars;
  std::string gaiji1;  // the special-character code the spirit-star names were built with
};

SysNamesInUse BuildNamesInUse(const TextTable& HenSG, const TextTable& HGSG, const TextTable& KyuSG, bool KNCB,
                              std::string_view gaiji1);

}  // namespace kirvo
