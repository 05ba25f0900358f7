#pragma once

#include <array>
#include <string_view>

namespace kirvo {

// The captions of the ranges of running luck taking part in a chart, by the range's number 0..5:
// the choices of the default range, the chart window's and the person list's range lists, and the
// range shown over a chart's content.
inline constexpr std::array<std::string_view, 6> kLuckRangeCaptions = {"命式のみ", "大運まで", "年運まで",
                                                                       "月運まで", "日運まで", "時運まで"};

}  // namespace kirvo
