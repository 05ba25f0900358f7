#include <gtest/gtest.h>

#include <string>

#include "calendar/sexagenary.h"
#include "settings/sys_settings.h"
#include "sys_fixture.h"

namespace kirvo {
namespace {

using test::SysFolder;

// SysF.ini renaming 偏印 to 梟神, 財星 to 財, and 剋 to 克.
constexpr const char* kRenamed =
    "HenSG-Row1=使用名称,比肩,劫財,食神,傷官,偏財,正財,偏官,正官,梟神,印綬,\n"
    "HGSG-Row1=使用名称,比劫,食傷,財,官星,印星,\n"
    "KyuSG-Row1=使用名称,主,洩,分,克,生,\n";

TEST(SysNaming, RenamedTenGodsReachTheAnalysisThePatternsAndTheElementWords) {
  struct Case {
    const char* knc;
    const char* analysis_name_8;  // what chart cells show for 偏印
  };
  const Case cases[] = {{"KNCB=0\n", "梟神"}, {"KNCB=1\n", "偏印"}};
  for (const Case& c : cases) {
    SysFolder folder;
    folder.WriteSys(std::string(kRenamed) + c.knc);
    const SysSettings settings = folder.Load();
    EXPECT_EQ(settings.names.ten_gods[8], c.analysis_name_8) << c.knc;
    // The patterns and the element words follow the naming row whatever KNCB says.
    EXPECT_EQ(settings.names.patterns[9], "梟神格") << c.knc;
    EXPECT_EQ(ElementGroupOf("梟神", TenGodNamingRow(settings)), 4) << c.knc;
    EXPECT_EQ(ElementGroupOf("偏印", TenGodNamingRow(settings)), kNoElement) << c.knc;
    EXPECT_EQ(ElementGroupOf("比肩", TenGodNamingRow(settings)), 0) << c.knc;
    EXPECT_EQ(settings.names.ten_god_groups[2], "財") << c.knc;
    EXPECT_EQ(settings.names.relations[3], "克") << c.knc;
    EXPECT_TRUE(folder.interaction.messages.empty()) << c.knc;
  }
}

TEST(SysNaming, RowZeroAndTheLabelsAreTheProgramsOwn) {
  SysFolder folder;
  folder.WriteSys("HGSG-Row0=x,a,b,c,d,e,\nHGSG-Row1=y,1,2,3,4,5,\n");
  const SysSettings settings = folder.Load();
  EXPECT_EQ(settings.HGSG.Row(0), (std::vector<std::string>{"ﾃﾞﾌｫﾙﾄ", "比劫", "食傷", "財星", "官星", "印星"}));
  EXPECT_EQ(settings.HGSG.Row(1), (std::vector<std::string>{"使用名称", "1", "2", "3", "4", "5"}));
  EXPECT_TRUE(folder.interaction.messages.empty());
}

TEST(SysNaming, NamesInUseChangeAtTheNextLoadOrAtOnceByTheResetCommand) {
  SysFolder folder;
  folder.WriteSys(kRenamed);
  SysSettings settings = folder.Load();
  // An edit of the table waits for the next start.
  settings.HenSG.SetCell(1, kNamingInUseRow, "肩");
  EXPECT_EQ(settings.names.ten_gods[0], "比肩");

  ResetNamesToDefaults(settings);
  EXPECT_EQ(settings.HenSG, DefaultHenSG());
  EXPECT_EQ(settings.HGSG, DefaultHGSG());
  EXPECT_EQ(settings.KyuSG, DefaultKyuSG());
  EXPECT_EQ(settings.names.ten_gods, DefaultTenGodNames());
  EXPECT_EQ(settings.names.patterns[9], "偏印格");
  EXPECT_EQ(settings.names.relations[3], "剋");
  EXPECT_EQ(settings.names.spirit_stars[kGaijiSlot], "魁正");
}

TEST(SysNaming, PatternNames) {
  const PatternNames names = BuildPatternNames(DefaultTenGodNames());
  EXPECT_EQ(names[0], "");
  EXPECT_EQ(names[1], "比肩格");
  EXPECT_EQ(names[10], "印綬格");
  EXPECT_EQ(names[11], "従旺格");
  EXPECT_EQ(names[16], "化木格");
  EXPECT_EQ(names[20], "化水格");
  EXPECT_EQ(names[21], "曲直格");
  EXPECT_EQ(names[29], "正偏交集格");
}

TEST(SysNaming, UsableNames) {
  struct Case {
    const char* name;
    bool usable;
  };
  const Case cases[] = {{"比肩", true},    {"ﾋｹﾝ", true},  {"AB", true},     {"", false},
                        {"比肩格", false}, {"a,b", false}, {"ﾋｹﾝｶｸ", false}, {"😀", false}};
  for (const Case& c : cases) EXPECT_EQ(IsUsableName(c.name), c.usable) << c.name;
}

}  // namespace
}  // namespace kirvo
