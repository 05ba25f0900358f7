#pragma once

class QTabWidget;

namespace kirvo {

// The nine tabs of the system settings dialog, in their order, each control named by its key (the
// key tables of sys_settings_keys.h, the captions of sys_settings_texts.h): check boxes, radio
// groups and drop-down lists, check groups, edit fields, the slider `TBar1`, the colour buttons
// `CP0`..`CP16`, the font buttons and the naming grids. The pages are named by their captions, so
// the branding can hide a whole tab. The controls hold no values yet: the dialog binds and fills them.
void BuildSysSettingsPages(QTabWidget& tabs);

// Buttons and labels of the pages that are no settings of their own.
inline constexpr const char* kLightColoursButton = "LightColours";  // "淡いﾃﾞﾌｫﾙﾄ色"
inline constexpr const char* kDarkColoursButton = "DarkColours";    // "濃いﾃﾞﾌｫﾙﾄ色"
inline constexpr const char* kDefaultNamesButton = "DefaultNames";  // "ﾃﾞﾌｫﾙﾄの文字に戻す"
inline constexpr const char* kTodayButton = "NDateLabel";           // fills NDate with today
inline constexpr const char* kNowButton = "NTimeLabel";             // fills NTime with the clock
inline constexpr const char* kUpperShareLabel = "TBar1Upper";       // "上項目：" n "%"
inline constexpr const char* kLowerShareLabel = "TBar1Lower";       // "下項目：" 100 - n "%"
// The label of a font setting, named after its key with this suffix; the button bears the key.
inline constexpr const char* kFontLabelSuffix = "Label";

}  // namespace kirvo
