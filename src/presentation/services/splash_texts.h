#pragma once

#include <string>
#include <string_view>

namespace kirvo {

// What the splash window writes of the application title ("Kirvolan Ver1.54"): the version text
// and the name in front of it. A name longer than 12 Shift-JIS bytes is written in the large font
// and the decorative caption is left out to make room.
struct SplashTexts {
  std::string version;  // the 10 characters of the title from "Ver" (fewer at the end of the title)
  std::string name;     // the title without its last 7 characters (" Ver1.54")
  bool long_name = false;
};

inline constexpr int kSplashLongNameBytes = 12;

SplashTexts SplashTextsOf(std::string_view title);

}  // namespace kirvo
