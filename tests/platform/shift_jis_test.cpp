#include "platform/shift_jis.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace kirvo {
namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct CodeCase {
  std::string utf8;
  std::string shift_jis;
};

// Characters the program's files hold, with their code page 932 bytes.
const CodeCase kCodeCases[] = {
    {"", ""},
    {"USysF=1", "USysF=1"},
    {"\\~", "\x5C\x7E"},                                    // backslash and tilde stay ASCII
    {"ｱｲｳﾃﾞﾌｫﾙﾄ", "\xB1\xB2\xB3\xC3\xDE\xCC\xAB\xD9\xC4"},  // half-width katakana, one byte each
    {"・", "\x81\x45"},
    {"①", "\x87\x40"},   // row-13 symbols
    {"髙", "\xFB\xFC"},  // extension kanji
    {"～", "\x81\x60"},
    {"甲子,余気,", "\x8D\x62\x8E\x71,\x97\x5D\x8B\x43,"},
};

TEST(ShiftJis, EncodesAndDecodesTheCodePage) {
  for (const CodeCase& c : kCodeCases) {
    const Outcome<std::string> encoded = EncodeShiftJis(c.utf8);
    ASSERT_TRUE(encoded.ok()) << c.utf8 << ": " << encoded.error();
    EXPECT_EQ(*encoded, c.shift_jis) << c.utf8;
    const Outcome<std::string> decoded = DecodeShiftJis(c.shift_jis);
    ASSERT_TRUE(decoded.ok()) << c.utf8 << ": " << decoded.error();
    EXPECT_EQ(*decoded, c.utf8);
  }
}

TEST(ShiftJis, InvalidBytesAreErrorsNamingTheirOffset) {
  const struct {
    std::string bytes;
    std::string offset;
  } cases[] = {
      {"AB\x81", "オフセット 2 "},            // lead byte with nothing after it
      {"\x8D\x62\x81\x20", "オフセット 2 "},  // space is no trail byte
      {"A\x80", "オフセット 1 "},             // never a lead byte
      {"\x85\x40", "オフセット 0 "},          // unassigned row
  };
  for (const auto& c : cases) {
    const Outcome<std::string> decoded = DecodeShiftJis(c.bytes);
    ASSERT_FALSE(decoded.ok()) << c.offset;
    EXPECT_PRED2(Contains, decoded.error(), c.offset);
  }
}

TEST(ShiftJis, CharacterWithoutCodeIsAnErrorNamingIt) {
  const Outcome<std::string> encoded = EncodeShiftJis("甲\xF0\x9F\x98\x80");  // an emoji
  ASSERT_FALSE(encoded.ok());
  EXPECT_PRED2(Contains, encoded.error(), "U+1F600");
  EXPECT_PRED2(Contains, encoded.error(), "\xF0\x9F\x98\x80");
}

TEST(ShiftJis, InvalidUtf8IsAnErrorNamingTheOffset) {
  const Outcome<std::string> encoded = EncodeShiftJis("ab\xE7\x94");  // truncated 甲
  ASSERT_FALSE(encoded.ok());
  EXPECT_PRED2(Contains, encoded.error(), "オフセット 2");
}

TEST(ShiftJis, WidthCountsShiftJisBytes) {
  const struct {
    std::string utf8;
    int width;
  } cases[] = {
      {"", 0},
      {"abc 123", 7},
      {"甲子", 4},
      {"ｱｲｳ", 3},           // half-width katakana U+FF71..
      {"\xEF\xBD\xA1", 1},  // U+FF61, first half-width form
      {"\xEF\xBE\x9F", 1},  // U+FF9F, last half-width form
      {"\xEF\xBD\xA0", 2},  // U+FF60, just before them
      {"\xEF\xBF\xA0", 2},  // U+FFE0, after them
      {"太極貴人", 8},
      {"①・～", 6},
      {"\xF0\x9F\x98\x80", 2},  // a character outside the BMP is still one character
      {"a\xFF\x80z", 4},        // invalid bytes count one each
      {"\xE7\x94", 2},          // truncated sequence: two stray bytes
  };
  for (const auto& c : cases) EXPECT_EQ(ShiftJisWidth(c.utf8), c.width) << c.utf8;
}

// Each thread converts with converters of its own: several threads at once all get their texts.
TEST(ShiftJis, ConvertsOnSeveralThreadsAtOnce) {
  std::vector<std::thread> threads;
  std::vector<int> wrong(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &wrong] {
      const CodeCase& c = kCodeCases[t + 5];
      for (int i = 0; i < 20000; ++i) {
        const Outcome<std::string> bytes = EncodeShiftJis(c.utf8);
        const Outcome<std::string> text = DecodeShiftJis(c.shift_jis);
        if (!bytes || *bytes != c.shift_jis || !text || *text != c.utf8) ++wrong[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace kirvo
