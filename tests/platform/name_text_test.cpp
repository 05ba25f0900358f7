#include "platform/name_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kirvo {
namespace {

TEST(EnteredName, KeepsWhatTheNameFilesCanHoldAndSaysWhyNot) {
  const struct {
    std::string name;
    const char* says;  // nullptr: accepted
  } cases[] = {
      {"山田太郎", nullptr},
      {"ﾔﾏﾀﾞ Taro", nullptr},
      {"山田，太郎＆", nullptr},  // full-width "，" and "＆" are ordinary characters
      {"山田,太郎", "「＆」「，」"},
      {"A&B", "「＆」「，」"},
      {"\xE5\xB1\xB1\xE7", "UTF-8"},
      {"\xC0\xAF", "UTF-8"},
      {"名前😀", "U+1F600"},
      {"改\n行", "制御文字"},
      {"tab\there", "制御文字"},
  };
  for (const auto& c : cases) {
    const Status checked = CheckEnteredName(c.name);
    if (c.says == nullptr) {
      EXPECT_TRUE(checked.ok()) << c.name << ": " << checked.error();
    } else {
      ASSERT_FALSE(checked.ok()) << c.name;
      EXPECT_NE(checked.error().find(c.says), std::string::npos) << checked.error();
    }
  }
}

}  // namespace
}  // namespace kirvo
