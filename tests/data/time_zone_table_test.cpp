#include "data/time_zone_table.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/integer_text.h"
#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

TimeZoneTable ThreePlaces() { return TimeZoneTable({{"札幌", "+25"}, {"明石", "0"}, {"那覇", "-29"}}); }

TEST(TimeZoneTable, AddingChangesANamedPlaceInItsPositionOrAppendsANewOne) {
  TimeZoneTable table = ThreePlaces();
  ASSERT_TRUE(table.AddOrChange("明石", "+1").ok());
  ASSERT_TRUE(table.AddOrChange("釧路", "+38").ok());
  // The header's text names no place: it is appended as one, the header row stays.
  ASSERT_TRUE(table.AddOrChange("地名", "5").ok());
  const std::vector<TimeZonePlace> expected = {
      {"札幌", "+25"}, {"明石", "+1"}, {"那覇", "-29"}, {"釧路", "+38"}, {"地名", "5"}};
  EXPECT_EQ(table.places(), expected);
  EXPECT_EQ(table.header()[1], "時差");
}

TEST(TimeZoneTable, DeletingRemovesTheNamedPlaceOnlyAndMovingReorders) {
  TimeZoneTable table = ThreePlaces();
  EXPECT_FALSE(table.Remove("函館"));
  EXPECT_FALSE(table.Remove("地名"));
  EXPECT_EQ(table.places(), ThreePlaces().places());
  EXPECT_TRUE(table.Remove("札幌"));
  EXPECT_EQ(table.places(), (std::vector<TimeZonePlace>{{"明石", "0"}, {"那覇", "-29"}}));

  TimeZoneTable moved = ThreePlaces();
  EXPECT_TRUE(moved.Move(2, 0));
  EXPECT_EQ(moved.places().front().name, "那覇");
  EXPECT_FALSE(moved.Move(3, 0));
}

// A half-width "," would split the stored cell and "&" is kept out as from names; a character
// without a Shift-JIS code could not be saved. Full-width ones are fine.
TEST(TimeZoneTable, RefusesTextsThatWouldBreakTheStoredRow) {
  for (const auto& [name, minutes] : std::vector<std::pair<std::string, std::string>>{
           {"東京,新宿", "19"}, {"A&B", "1"}, {"東京", "1,9"}, {"東京", "+1&"}, {"東\n京", "1"}, {"😀", "1"}}) {
    TimeZoneTable table = ThreePlaces();
    EXPECT_FALSE(table.AddOrChange(name, minutes).ok()) << name << " " << minutes;
    EXPECT_EQ(table.places(), ThreePlaces().places());
  }
  EXPECT_EQ(CheckPlaceText("A&B").error(), kPlaceCharacterMessage);
  TimeZoneTable table;
  EXPECT_TRUE(table.AddOrChange("東京（新宿）＆，", "+19").ok());
}

TEST(TimeZoneTable, FileIsShiftJisWithCrLfAndEveryCellFollowedByAComma) {
  TempFolder folder;
  TimeZoneTable table = ThreePlaces();
  ASSERT_TRUE(table.AddOrChange("", "").ok());
  ASSERT_TRUE(WriteTimeZoneFile(folder / "TZone.dat", table).ok());
  const Outcome<std::string> bytes = ReadFileBytes(folder / "TZone.dat");
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(*bytes,
            "\x92\x6e\x96\xbc,\x8e\x9e\x8d\xb7,\r\n\x8e\x44\x96\x79,+25,\r\n\x96\xbe\x90\xce,0,\r\n"
            "\x93\xdf\x94\x65,-29,\r\n,,\r\n");
  const Outcome<TimeZoneTable> read = ReadTimeZoneFile(folder / "TZone.dat");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read->places(), table.places());

  // A hand-edited file: a header of its own, a row without its last comma, extra cells not read, a
  // line without a comma. Rows not changed since keep their lines, the text no cell reads included.
  TimeZoneTable edited = TimeZoneTable::FromText("Place,Min,\nA,1\nB,2,x,\n東京\n\n");
  EXPECT_EQ(edited.header()[0], "Place");
  EXPECT_EQ(edited.places(), (std::vector<TimeZonePlace>{{"A", ""}, {"B", "2"}, {"", ""}, {"", ""}}));
  EXPECT_EQ(edited.Text(), "Place,Min,\nA,1\nB,2,x,\n東京\n\n");
  ASSERT_TRUE(edited.AddOrChange("A", "+3").ok());
  ASSERT_TRUE(edited.Move(2, 0));
  ASSERT_TRUE(edited.Remove("B"));
  EXPECT_EQ(edited.Text(), "Place,Min,\n東京\nA,+3,\n\n");

  EXPECT_FALSE(ReadTimeZoneFile(folder / "missing.dat").ok());
}

TEST(TimeZoneTable, TheShippedListHoldsTheCitiesWithIntegerOffsets) {
  const Outcome<TimeZoneTable> shipped = ReadTimeZoneFile(std::filesystem::path(KIRVO_SHIPPED_DIR) / "TZone.dat");
  ASSERT_TRUE(shipped.ok()) << shipped.error();
  EXPECT_EQ(shipped->header()[0], "地名");
  ASSERT_EQ(shipped->places().size(), 62u);
  for (const TimeZonePlace& place : shipped->places()) {
    EXPECT_TRUE(CheckPlaceText(place.name).ok()) << place.name;
    const std::optional<long long> minutes = ParseInteger(place.minutes);
    ASSERT_TRUE(minutes) << place.name;
    EXPECT_LE(std::abs(*minutes), 40) << place.name;
  }
  EXPECT_EQ(shipped->places().front(), (TimeZonePlace{"札幌", "+25"}));
  EXPECT_EQ(shipped->places().back(), (TimeZonePlace{"明石", "0"}));
}

}  // namespace
}  // namespace kirvo
