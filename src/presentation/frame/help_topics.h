#pragma once

#include <string_view>

namespace kirvo {

// The help topic of each window and dialog, by its form name (the `objectName` of its widget):
// F1 opens the page of the window it is pressed in. 0 for a form without a page of its own.
inline constexpr int kChartWindowHelpTopic = 10006;
inline constexpr int kEraDateHelpTopic = 10008;
int HelpTopicOfForm(std::string_view form_name);

}  // namespace kirvo
