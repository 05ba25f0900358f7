#include "presentation/time/natural_time_session.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

NaturalTimeSession OpenOn(const char* date_and_time) {
  return *NaturalTimeSession::Open(date_and_time, TimeZoneTable({{"札幌", "+25"}, {"壊れ", "2a"}, {"那覇", "-29"}}));
}

TEST(NaturalTimeSession, OpensOnTheEntryBarTextOnly) {
  EXPECT_FALSE(
      NaturalTimeSession::Open("1984/02/30"
                               "12:30",
                               {}));
  EXPECT_FALSE(NaturalTimeSession::Open("1984/02/10 12:30", {}));
  const NaturalTimeSession session = OpenOn("1984/02/1012:30");
  EXPECT_EQ(session.InputText(), "1984/02/10 12:30");
  EXPECT_EQ(session.ConvertedText(), "1984/02/10 12:30");
  EXPECT_EQ(session.place_label(), "日本標準時：");
  EXPECT_EQ(session.minutes_text(), "0");
}

TEST(NaturalTimeSession, MapAndPlaceClicksFillTheFields) {
  NaturalTimeSession session = OpenOn("2024/01/0100:10");
  session.SetNameText("typed");
  ASSERT_TRUE(session.ClickMap(170).ok());
  EXPECT_EQ(session.ConvertedText(), "2024/01/01 00:14");
  EXPECT_EQ(session.minutes_text(), "+4");
  EXPECT_EQ(session.name_text(), "");
  EXPECT_EQ(session.place_label(), "東経：136°0′");
  ASSERT_TRUE(session.ClickMap(136).ok());
  EXPECT_EQ(session.minutes_text(), "-4");
  EXPECT_EQ(session.place_label(), "東経：134°0′");

  ASSERT_TRUE(session.ClickPlace(2).ok());
  EXPECT_EQ(session.ConvertedText(), "2023/12/31 23:41");
  EXPECT_EQ(session.place_label(), "那覇");
  EXPECT_EQ(session.name_text(), "那覇");
  EXPECT_EQ(session.minutes_text(), "-29");

  // Minutes that are no integer: refused, every field as it was.
  const Status broken = session.ClickPlace(1);
  EXPECT_FALSE(broken.ok());
  EXPECT_EQ(broken.error(), "「2a」は整数ではありません");
  EXPECT_EQ(session.ConvertedText(), "2023/12/31 23:41");
  EXPECT_EQ(session.place_label(), "那覇");
  EXPECT_EQ(session.minutes_text(), "-29");

  // The equation of time goes on top of the offset clicked last.
  EXPECT_EQ(session.EquationOfTimeText(), "均時差：-2.9分");
  ASSERT_TRUE(session.SetEquationOfTime(true).ok());
  EXPECT_EQ(session.ConvertedText(), "2023/12/31 23:38");
  ASSERT_TRUE(session.ClickPlace(0).ok());
  EXPECT_EQ(session.ConvertedText(), "2024/01/01 00:32");
}

TEST(NaturalTimeSession, AConversionOutOfRangeIsRefused) {
  NaturalTimeSession session = OpenOn("9999/12/3123:50");
  EXPECT_FALSE(session.ClickMap(399).ok());
  EXPECT_FALSE(session.ClickPlace(0).ok());
  EXPECT_EQ(session.ConvertedText(), "9999/12/31 23:50");
  EXPECT_EQ(session.place_label(), "日本標準時：");
  EXPECT_EQ(session.minutes_text(), "0");
}

TEST(NaturalTimeSession, AddingRefusesMinutesThatAreNoOffsetAndKeepsTheList) {
  NaturalTimeSession session = OpenOn("2024/01/0100:10");
  const std::size_t places = session.places().places().size();
  session.SetNameText("どこか");
  const struct {
    const char* minutes;
    const char* reason;
  } kRefused[] = {
      {"abc", "「abc」は整数ではありません"},
      {"", "「」は整数ではありません"},
      {"12.5", "「12.5」は整数ではありません"},
      {"-1441", "「-1441」は設定可能最小値より小さな値です"},
      {"+1441", "「+1441」は設定可能最大値より大きな値です"},
  };
  for (const auto& refused : kRefused) {
    session.SetMinutesText(refused.minutes);
    const Status added = session.AddOrChange();
    ASSERT_FALSE(added.ok()) << refused.minutes;
    EXPECT_EQ(added.error(), refused.reason);
    EXPECT_EQ(session.places().places().size(), places);
  }
  for (const char* minutes : {"-1440", "+19", "0"}) {
    session.SetMinutesText(minutes);
    EXPECT_TRUE(session.AddOrChange().ok()) << minutes;
    EXPECT_FALSE(session.MinutesProblem());
  }
  EXPECT_EQ(session.places().places().back().minutes, "0");
}

TEST(NaturalTimeSession, AMissingListIsToldAndStartsEmptyAndSavingWritesIt) {
  TempFolder folder;
  RecordingInteraction interaction;
  std::optional<NaturalTimeSession> session =
      NaturalTimeSession::OpenInFolder("2000/01/0112:00", folder.path(), interaction);
  ASSERT_TRUE(session);
  ASSERT_EQ(interaction.messages.size(), 1u);
  EXPECT_NE(interaction.messages[0].find("TZone.dat"), std::string::npos) << interaction.messages[0];
  EXPECT_TRUE(session->places().places().empty());

  session->SetNameText("函館");
  session->SetMinutesText("+23");
  ASSERT_TRUE(session->AddOrChange().ok());
  ASSERT_TRUE(session->Save(folder.path()).ok());
  EXPECT_EQ(*ReadShiftJisFile(folder / "TZone.dat"), "地名,時差,\n函館,+23,\n");

  RecordingInteraction again;
  session = NaturalTimeSession::OpenInFolder("2000/01/0112:00", folder.path(), again);
  EXPECT_TRUE(again.messages.empty());
  EXPECT_EQ(session->places().places().size(), 1u);
}

// One bad byte in TZone.dat: the dialog says the list could not be read, the list is locked and
// OK leaves the file as it is (an empty list is never saved over it).
TEST(NaturalTimeSession, AListThatCouldNotBeReadIsLockedAndNotSaved) {
  TempFolder folder;
  const std::string bytes = "\x92\x6e\x96\xbc,\x8e\x9e\x8d\xb7,\r\n\x81\x20,+23,\r\n";
  ASSERT_TRUE(WriteFileAtomically(folder / "TZone.dat", bytes).ok());
  RecordingInteraction interaction;
  std::optional<NaturalTimeSession> session =
      NaturalTimeSession::OpenInFolder("2000/01/0112:00", folder.path(), interaction);
  ASSERT_TRUE(session);
  ASSERT_EQ(interaction.messages.size(), 1u);
  EXPECT_NE(interaction.messages[0].find("TZone.dat"), std::string::npos) << interaction.messages[0];
  EXPECT_NE(interaction.messages[0].find(kPlaceListUnreadableNote), std::string::npos) << interaction.messages[0];
  EXPECT_FALSE(session->list_editable());

  session->SetNameText("函館");
  session->SetMinutesText("+23");
  EXPECT_FALSE(session->AddOrChange().ok());
  EXPECT_TRUE(session->places().places().empty());
  EXPECT_TRUE(session->Save(folder.path()).ok());
  EXPECT_EQ(*ReadFileBytes(folder / "TZone.dat"), bytes);
}

// A list saved without an edit leaves the file byte for byte, lines without a comma included; an
// edit writes it, and rows not edited keep their lines.
TEST(NaturalTimeSession, AnUneditedListIsNotRewrittenAndRowsKeepTheirLines) {
  TempFolder folder;
  // LF line ends and a line without a comma: not the form the program writes.
  const std::string bytes = "\x92\x6e\x96\xbc,\x8e\x9e\x8d\xb7,\n\x93\x8c\x8b\x9e\n\x8e\x44\x96\x79,+25,\n";
  ASSERT_TRUE(WriteFileAtomically(folder / "TZone.dat", bytes).ok());
  RecordingInteraction interaction;
  std::optional<NaturalTimeSession> session =
      NaturalTimeSession::OpenInFolder("2000/01/0112:00", folder.path(), interaction);
  ASSERT_TRUE(session);
  EXPECT_TRUE(interaction.messages.empty());
  ASSERT_TRUE(session->Save(folder.path()).ok());
  EXPECT_EQ(*ReadFileBytes(folder / "TZone.dat"), bytes);

  session->SetNameText("函館");
  session->SetMinutesText("+23");
  ASSERT_TRUE(session->AddOrChange().ok());
  ASSERT_TRUE(session->Save(folder.path()).ok());
  EXPECT_EQ(*ReadShiftJisFile(folder / "TZone.dat"), "地名,時差,\n東京\n札幌,+25,\n函館,+23,\n");
}

}  // namespace
}  // namespace kirvo
