#include "settings/rewritable_ini.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

// A line that is not Shift-JIS (a lead byte followed by a space, then 0xFF) between readable ones.
const std::string kBadLine = "Note=\x81\x20\xFF";

TEST(RewritableIni, LinesThatCannotBeReadAreWrittenBackInTheirPlace) {
  TempFolder folder;
  const std::filesystem::path file = folder / "SysF.ini";
  ASSERT_TRUE(WriteFileAtomically(file, "[SysF]\r\nA=1\r\n" + kBadLine + "\r\nB=2\r\n[Other]\r\nC=\x93\xfa\r\n").ok());

  Outcome<RewritableIni> loaded = RewritableIni::Load(file);
  ASSERT_TRUE(loaded.ok());
  RewritableIni ini = std::move(loaded).value();
  EXPECT_NE(ini.LoadProblem().find("3 行目"), std::string::npos) << ini.LoadProblem();
  EXPECT_FALSE(ini.ini().HasKey("SysF", "Note"));
  ini.ini().WriteString("SysF", "B", "3");
  ini.ini().WriteString("SysF", "D", "日");
  ASSERT_TRUE(ini.Save(file).ok());

  EXPECT_EQ(*ReadFileBytes(file),
            "[SysF]\r\nA=1\r\n" + kBadLine + "\r\nB=3\r\nD=\x93\xfa\r\n[Other]\r\nC=\x93\xfa\r\n");
}

TEST(RewritableIni, AValueThatIsNoIniLineWritesNothing) {
  TempFolder folder;
  const std::filesystem::path file = folder / "SysF.ini";
  const std::string bytes = "[SysF]\r\n" + kBadLine + "\r\n";
  ASSERT_TRUE(WriteFileAtomically(file, bytes).ok());
  RewritableIni ini = RewritableIni::Load(file).value();
  ini.ini().WriteString("SysF", "NameE", "改行\nを含む");
  EXPECT_FALSE(ini.Save(file).ok());
  EXPECT_EQ(*ReadFileBytes(file), bytes);
}

}  // namespace
}  // namespace kirvo
