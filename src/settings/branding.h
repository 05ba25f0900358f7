#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/outcome.h"
#include "settings/sys_colours.h"

namespace kirvo {

// The optional branding file of the program folder and the pictures that may come with it.
inline constexpr std::string_view kBrandingFile = "OEM.ini";
inline constexpr std::string_view kBrandingIconFile = "OEM.ico";    // the application icon
inline constexpr std::string_view kBrandingSplashFile = "OEM.bmp";  // the splash picture
inline constexpr std::string_view kBrandingSection = "App";
inline constexpr std::string_view kHideValue = "hide";

// One window's hide list: the controls, menu items, charts or tab pages whose key in the window's
// section holds "hide".
struct HiddenControls {
  std::string window;  // the section name: the window's form name ("SysF", "USysF", "MainF" ...)
  std::vector<std::string> controls;
};

// What OEM.ini says, as read.
struct Branding {
  std::string title;                      // `Title`: replaces the title in front of its version text
  int title_rect = 1;                     // `TitleRect`: non-zero gives the splash a rounded rectangle, 0 an ellipse
  std::string help_file;                  // `HelpFile`: a help file name in the program folder
  int suu_type = 0;                       // `Suu_Type`: 1 marks the rule settings' number tab
  bool hide_content_numbers = false;      // `Naiyou_Suu` = "hide"
  bool hide_content_inner_outer = false;  // `Naiyou_NaiGai` = "hide"
  // `CP0` .. `CP16`, applied over the light default colours; nothing for a key not in the file.
  std::array<std::optional<Rgb>, kPanelColourCount> colours{};
  std::vector<HiddenControls> hidden;                   // one entry per window section
  std::optional<std::filesystem::path> icon_file;       // OEM.ico when present
  std::optional<std::filesystem::path> splash_picture;  // OEM.bmp when present
};

// Reads OEM.ini of the program folder. No file means no branding. A file that can't be read, or
// values that can't be read, are in the report; what can't be read keeps its default (an
// unreadable file gives no branding).
Loaded<std::optional<Branding>> LoadBranding(const std::filesystem::path& program_folder);

// The title with branding: the branded title followed by the 10 characters of `current_title`
// that begin at "Ver" (nothing follows when there is no "Ver"). An empty branded title keeps
// `current_title`.
std::string BrandedTitle(const Branding& branding, std::string_view current_title);

// The branded help file when it is a plain file name of a file in the program folder.
std::optional<std::filesystem::path> BrandedHelpFile(const Branding& branding,
                                                     const std::filesystem::path& program_folder);

// Whether the branding hides `control` of `window` (names compared without regard to ASCII case).
bool IsHiddenByBranding(const Branding& branding, std::string_view window, std::string_view control);

// The colours after the light defaults and the branding's colours ("淡いﾃﾞﾌｫﾙﾄ色").
PanelColours BrandedLightColours(const std::optional<Branding>& branding);

}  // namespace kirvo
