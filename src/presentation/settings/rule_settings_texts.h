#pragma once

#include <string_view>

namespace kirvo {

// The rule settings dialog "四柱推命の設定" (form `USysF`) and the main window's question before it.
inline constexpr std::string_view kRuleSettingsFormName = "USysF";
inline constexpr std::string_view kRuleSettingsCaption = "四柱推命の設定";

// The engine reads the rules while it computes, so no chart may stay open across a change of them.
inline constexpr std::string_view kCloseChartsForRuleSettingsQuestion =
    "四柱推命の設定を行う為には、現在開かれている\n\r命式・行運ｳｨﾝﾄﾞｳを閉じる必要があります。\n\r"
    "命式・行運ｳｨﾝﾄﾞｳを閉じてよろしいですか？";

// The branding's mark of the number tab ("Suu_Type" 1): the tab's colour and its red label.
inline constexpr std::string_view kNumberSpecLabel = "数値計算仕様：１";

}  // namespace kirvo
