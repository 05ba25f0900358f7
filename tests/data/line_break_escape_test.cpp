#include "data/line_break_escape.h"

#include <gtest/gtest.h>

#include <string>

namespace kirvo {
namespace {

struct EscapeCase {
  std::string text;
  std::string stored;
};

TEST(LineBreakEscape, EveryLineBreakIsStoredAsSlashR) {
  const EscapeCase cases[] = {
      {"一行目\n二行目\n三行目", "一行目/r二行目/r三行目"},
      {"一行目\r\n二行目\r三行目", "一行目/r二行目/r三行目"},  // the text area's CR LF, a lone CR
      {"\n\n", "/r/r"},
      {"段落\n\n次の段落", "段落/r/r次の段落"},
      {"", ""},
      {"改行なし", "改行なし"},
  };
  for (const EscapeCase& c : cases) EXPECT_EQ(EscapeLineBreaks(c.text), c.stored) << c.text;
}

TEST(LineBreakEscape, EverySlashRIsShownAsALineBreak) {
  const EscapeCase cases[] = {
      {"一行目\n二行目\n三行目", "一行目/r二行目/r三行目"},
      {"\n先頭と末尾\n", "/r先頭と末尾/r"},
      {"/R と / と r はそのまま", "/R と / と r はそのまま"},
      {"/\n", "//r"},
  };
  for (const EscapeCase& c : cases) EXPECT_EQ(ExpandLineBreaks(c.stored), c.text) << c.stored;
}

TEST(LineBreakEscape, ATypedSlashRComesBackAsALineBreak) {
  // There is no escaping of the escape: what the user typed as "/r" is a line break next time.
  EXPECT_EQ(ExpandLineBreaks(EscapeLineBreaks("a/rb\nc")), "a\nb\nc");
}

}  // namespace
}  // namespace kirvo
