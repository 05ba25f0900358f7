#include "presentation/services/splash_texts.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(SplashTexts, SplitsTheTitleIntoNameAndVersion) {
  struct Case {
    const char* title;
    const char* version;
    const char* name;
    bool long_name;
  };
  const Case cases[] = {
      {"Kirvolan Ver1.54", "Ver1.54", "Kirvolan ", false},
      // A branded title: characters, not bytes, are counted; 16 bytes of name is long.
      {"四柱推命鑑定士 Ver1.54", "Ver1.54", "四柱推命鑑定士 ", true},
      {"ABC Ver1.54 Extra", "Ver1.54 Ex", "ABC Ver1.5", false},
      {"短い", "", "", false},  // no version and at most 7 characters: nothing is left of the name
      {"", "", "", false},
  };
  for (const Case& c : cases) {
    const SplashTexts texts = SplashTextsOf(c.title);
    EXPECT_EQ(texts.version, c.version) << c.title;
    EXPECT_EQ(texts.name, c.name) << c.title;
    EXPECT_EQ(texts.long_name, c.long_name) << c.title;
  }
}

}  // namespace
}  // namespace kirvo
