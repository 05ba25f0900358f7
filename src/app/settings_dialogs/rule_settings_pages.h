#pragma once

class QTabWidget;

namespace kirvo {

// The ten tabs of the rule settings dialog, in their order, each control named by its key (the
// tables of usys_keys.h give the captions), the buttons by theirs (`OpenBtn`, `RChk0`, `Button1`,
// `Button2`, `DefBtn`, `ClrBtn`). The pages are named by their captions, so the branding can hide
// a whole tab. The controls hold no values yet: the dialog binds and fills them.
void BuildRuleSettingsPages(QTabWidget& tabs);

// The red label the branding's "Suu_Type" 1 shows on the number tab, hidden until then.
inline constexpr const char* kNumberSpecLabelName = "SuuTypeLabel";
// The page of the number tab, which that branding colours.
inline constexpr const char* kNumberPageName = "数値１";

}  // namespace kirvo
