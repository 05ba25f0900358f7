#pragma once

#include <string>
#include <string_view>

#include "presentation/luck/combined_session.h"
#include "presentation/print/print_job.h"
#include "settings/sys_settings.h"
#include "settings/usys_keys.h"

namespace kirvo {

// What the combined window's print takes of the window beyond its session.
struct CombinedPrintView {
  std::string caption;         // the window caption: the title of every page
  bool show_original = false;  // 元干支蔵干 rows shown
  bool lower_shown = true;     // the lower strip shown (neither hidden by `KSG2CB` nor by its toggle)
  StartOfLuckUnit unit = StartOfLuckUnit::kYears;  // of the rules: the strips' age labels
};

// The strip print grid as a table "KSG": the shown columns of the strips, the labels last, the
// heights the window gives the rows (a row hidden by `MKouChg` 0), with the strips' cell styles.
PrintTable StripPrintTable(const LuckStrips& strips, const SysSettings& sys, const CombinedPrintView& view);

// The period the upper strip shows, its earliest and latest shown periods ("1984年 － 2072年"); empty
// for an empty strip.
std::string StripPeriodText(const LuckStrips& strips);

// 印刷ﾌﾟﾚﾋﾞｭｰ of the combined window ("MKSG"): the natal board as the window draws it (with `SzCB`
// the season elements in rows 16..18 of the natal columns, their corner circles off and the labels
// of those rows empty), the header lines, the window's own content and five-element tables at the
// side, the strip print grid as first sub-table, the strip caption as second title and the period
// text as source name.
PrintJob CombinedPrintJob(const CombinedSession& session, const SysSettings& sys, const CombinedPrintView& view);

// 印刷=行運表のみ: the strip print grid alone, titled "【" + caption + "　" + strip caption + "】".
PrintJob CombinedStripsPrintJob(const LuckStrips& strips, const SysSettings& sys, const CombinedPrintView& view);

}  // namespace kirvo
