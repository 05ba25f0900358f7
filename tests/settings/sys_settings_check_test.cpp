#include "settings/sys_settings_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kirvo {
namespace {

TEST(SysCloseCheck, FirstFailureStopsWithItsMessage) {
  struct Case {
    const char* name;
    std::function<void(SysSettings&)> edit;
    const char* failing_key;  // "" when the check passes
    const char* message;      // "" for none
  };
  const Case cases[] = {
      {"defaults", [](SysSettings&) {}, "", ""},
      {"CCnt too small", [](SysSettings& s) { s.CCnt = "4"; }, "CCnt", "「4」は設定可能最小値より小さな値です"},
      {"CCnt no integer", [](SysSettings& s) { s.CCnt = "十"; }, "CCnt", "「十」は整数ではありません"},
      {"CCnt1 above 35", [](SysSettings& s) { s.CCnt1 = "36"; }, "CCnt1", "「36」は設定可能最大値より大きな値です"},
      {"CCnt1 30 passes", [](SysSettings& s) { s.CCnt1 = "30"; }, "", ""},
      {"PreE up to CCnt - 1", [](SysSettings& s) { s.PreE = "12"; }, "", ""},
      {"PreE at CCnt", [](SysSettings& s) { s.PreE = "13"; }, "PreE", "「13」は設定可能最大値より大きな値です"},
      {"PreE follows CCnt",
       [](SysSettings& s) {
         s.CCnt = "20";
         s.PreE = "19";
       },
       "", ""},
      {"PreE negative", [](SysSettings& s) { s.PreE = "-1"; }, "PreE", "「-1」は設定可能最小値より小さな値です"},
      {"Tw below 20", [](SysSettings& s) { s.Tw = "19"; }, "Tw", "「19」は設定可能最小値より小さな値です"},
      {"Kh above 100", [](SysSettings& s) { s.Kh = "101"; }, "Kh", "「101」は設定可能最大値より大きな値です"},
      {"Zh empty", [](SysSettings& s) { s.Zh = ""; }, "Zh", "「」は整数ではありません"},
      {"SetsuE negative", [](SysSettings& s) { s.SetsuE = "-5"; }, "SetsuE", "「-5」は設定可能最小値より小さな値です"},
      {"SetsuE a day", [](SysSettings& s) { s.SetsuE = "1440"; }, "", ""},
      {"AlDtE 29 February", [](SysSettings& s) { s.AlDtE = "02/29 22:00"; }, "AlDtE", ""},
      {"AlDtE 31 April", [](SysSettings& s) { s.AlDtE = "04/31 22:00"; }, "AlDtE", ""},
      {"AlDtE 31 January", [](SysSettings& s) { s.AlDtE = "01/31 00:00"; }, "", ""},
      {"name with comma", [](SysSettings& s) { s.NameE = "山田,太郎"; }, "NameE",
       "氏名欄に半角の「＆」「，」は使用できません。"},
      {"name with ampersand", [](SysSettings& s) { s.NameE = "A&B"; }, "NameE",
       "氏名欄に半角の「＆」「，」は使用できません。"},
      {"full-width marks", [](SysSettings& s) { s.NameE = "Ａ＆Ｂ，Ｃ"; }, "", ""},
      {"NDate impossible", [](SysSettings& s) { s.NDate = "2001/13/01"; }, "NDate", ""},
      {"NTime impossible", [](SysSettings& s) { s.NTime = "24:00"; }, "NTime", ""},
      {"NTime unknown hour", [](SysSettings& s) { s.NTime = "99:99"; }, "NTime", ""},
      {"order: CCnt before Tw and the name",
       [](SysSettings& s) {
         s.Tw = "1";
         s.NameE = ",";
         s.CCnt = "0";
       },
       "CCnt", "「0」は設定可能最小値より小さな値です"},
      {"order: AlDtE before the name",
       [](SysSettings& s) {
         s.NameE = ",";
         s.AlDtE = "";
       },
       "AlDtE", ""},
  };
  for (const Case& c : cases) {
    SysSettings settings;
    c.edit(settings);
    const std::optional<CloseCheckFailure> failure = CheckSysSettings(settings);
    const bool passes = std::string(c.failing_key).empty();
    EXPECT_EQ(failure.has_value(), !passes) << c.name;
    if (failure) {
      EXPECT_EQ(failure->key, c.failing_key) << c.name;
      EXPECT_EQ(failure->message, c.message) << c.name;
      EXPECT_FALSE(failure->cell.has_value()) << c.name;
    }
  }
}

TEST(SysCloseCheck, WithoutADialogEveryFailureIsTold) {
  SysSettings settings;
  settings.NDate = "2001/02/30";
  const std::optional<CloseCheckFailure> date = CheckSysSettings(settings);
  ASSERT_TRUE(date.has_value());
  EXPECT_EQ(RefusalText(*date, settings), "「NDate」の「2001/02/30」は日時として正しくありません");

  settings.NDate = "2001/02/28";
  settings.Tw = "x";
  const std::optional<CloseCheckFailure> width = CheckSysSettings(settings);
  ASSERT_TRUE(width.has_value());
  EXPECT_EQ(RefusalText(*width, settings), "「x」は整数ではありません");
}

}  // namespace
}  // namespace kirvo
