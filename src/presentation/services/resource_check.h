#pragma once

#include <optional>
#include <string_view>

#include "platform/free_resources.h"
#include "platform/interaction.h"

namespace kirvo {

// Thresholds of the free-resource check, percent: a pool at or below the threshold fails.
inline constexpr int kStartResourceThreshold = 20;
inline constexpr int kChartWindowResourceThreshold = 8;   // chart and combined windows
inline constexpr int kLuckWindowResourceThreshold = 12;
inline constexpr int kEditorResourceThreshold = 10;       // memo list, explanation editors, backup
inline constexpr int kActivationResourceThreshold = 10;   // the main window becoming active

inline constexpr std::string_view kLowResourcesMessage =
    "リソースが不足しています。\n\r\n\r他のアプリケーションや常駐ソフトを終了する等の処置で、\n\r"
    "使用可能なリソースを確保してください。";
// Shown after the check's own message when the check fails at start; the process then ends.
inline constexpr std::string_view kStartResourcesMessage = "リソースが足りません。";

// The free-resource check: passes without fixed pools (`free` empty); otherwise a pool at or below
// `threshold` beeps, shows the low-resources message and fails.
bool PassesResourceCheck(const std::optional<FreeResources>& free, int threshold, Interaction& interaction);

}  // namespace kirvo
