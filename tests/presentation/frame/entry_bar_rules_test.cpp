#include "presentation/frame/entry_bar_rules.h"

#include <gtest/gtest.h>

#include <optional>

namespace kirvo {
namespace {

struct ValidationCase {
  const char* name;
  const char* date;
  const char* time;
  std::optional<EntryRefusal> expected;
};

TEST(EntryBarRules, ChecksNameDateAndTimeInOrder) {
  // A refusal without a message says why in the status bar instead: many desktops make no beep.
  const EntryRefusal name{EntryField::kName, "", "氏名を入力してください。"};
  const EntryRefusal name_characters{EntryField::kName, std::string(kNameCharacterMessage), ""};
  const EntryRefusal date{EntryField::kDate, "", "日付が正しくありません。"};
  const EntryRefusal time{EntryField::kTime, "", "時刻が正しくありません。"};
  // clang-format off
  const ValidationCase cases[] = {
      {"山田太郎", "1984/02/10", "12:30", std::nullopt},
      {"山田太郎", "1984/02/10", "99:99", std::nullopt},          // hour not known
      {"山田，＆花子", "2000/02/29", "00:00", std::nullopt},      // full-width comma and ampersand
      {"", "bad", "bad", name},                                   // the name is checked first
      {"山田,太郎", "1984/02/10", "12:30", name_characters},
      {"R&D", "1984/02/10", "12:30", name_characters},
      {"山田", "    /  /  ", "12:30", date},                      // an untouched masked field
      {"山田", "1984/02/30", "bad", date},                        // the date before the time
      {"山田", "1900/02/29", "12:30", date},
      {"山田", "0000/00/00", "12:30", date},
      {"山田", "1984/13/01", "12:30", date},
      {"山田", "1984/ 2/ 5", "12:30", std::nullopt},              // blanks around the numbers
      {"山田", "1984/02/10", "24:00", time},
      {"山田", "1984/02/10", "12:60", time},
      {"山田", "1984/02/10", "  :  ", time},
      {"山田", "1984/02/10", "99:98", time},
  };
  // clang-format on
  for (const ValidationCase& c : cases) {
    EXPECT_EQ(ValidateEntry({c.name, Sex::kMale, c.date, c.time}), c.expected) << c.name << " " << c.date << " " << c.time;
  }
}

// What passes the checks is read once into the person: blanks around the numbers drop, an unknown
// hour is noon without an hour, and the sex goes through as chosen.
TEST(EntryBarRules, ReadsTheEntryIntoATypedPerson) {
  struct Case {
    const char* date;
    const char* time;
    const char* birth;  // as the person list stores it
  };
  const Case kCases[] = {
      {"1984/02/10", "12:30", "1984/02/10 12:30"},
      {"1984/ 2/ 5", "12:30", "1984/02/05 12:30"},
      {"1984/02/1 ", " 9: 5", "1984/02/01 09:05"},
      {"  84/02/10", "99:99", "0084/02/10 99:99"},
      {"2000/02/29", "00:00", "2000/02/29 00:00"},
  };
  for (const Case& c : kCases) {
    for (const Sex sex : {Sex::kMale, Sex::kFemale}) {
      const auto read = ReadEntry({"山田", sex, c.date, c.time});
      const BirthInput* person = std::get_if<BirthInput>(&read);
      ASSERT_TRUE(person) << c.date << " " << c.time;
      EXPECT_EQ(person->name, "山田");
      EXPECT_EQ(person->sex, sex);
      EXPECT_EQ(person->birth, BirthOfText(c.birth)) << c.date << " " << c.time;
    }
  }
  const auto refused = ReadEntry({"山田", Sex::kMale, "1984/02/30", "12:30"});
  EXPECT_EQ(std::get<EntryRefusal>(refused), (EntryRefusal{EntryField::kDate, "", std::string(kDateReason)}));
}

TEST(EntryBarRules, NaturalTimeNeedsAKnownCompleteMoment) {
  EXPECT_TRUE(NaturalTimeAvailable("1984/02/10", "12:30"));
  EXPECT_FALSE(NaturalTimeAvailable("1984/02/10", "99:99"));
  EXPECT_FALSE(NaturalTimeAvailable("0000/00/00", "00:00"));
  EXPECT_FALSE(NaturalTimeAvailable("1984/ 2/10", "12:30"));  // a blank
  EXPECT_FALSE(NaturalTimeAvailable("1984/02/30", "12:30"));
  EXPECT_FALSE(NaturalTimeAvailable("", ""));

  EXPECT_EQ(NaturalTimeText("1984/ 2/10", "1 :3 "), "1984/02/1010:30");
  EXPECT_EQ(NaturalTimeText("1984/02/10", "99:99"), std::nullopt);
  EXPECT_EQ(NaturalTimeText("    /  /  ", "  :  "), std::nullopt);  // becomes 0000/00/0000:00
}

TEST(EntryBarRules, CaptionsAndDropDownItems) {
  EXPECT_EQ(ChartWindowCaption("山田", ChartWindowKind::kChart), "山田 さんの命式");
  EXPECT_EQ(ChartWindowCaption("山田", ChartWindowKind::kLuck), "山田 さんの行運");
  EXPECT_EQ(ChartWindowCaption("山田", ChartWindowKind::kCombined), "山田 さんの表");
  EXPECT_EQ(PersonDropDownItem("山田", "女"), "\"山田\",\"女\"");
}

}  // namespace
}  // namespace kirvo
