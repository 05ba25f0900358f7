#include "presentation/luck/combined_session.h"

#include <gtest/gtest.h>

#include "support/person_input.h"
#include "support/recording_interaction.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

TEST(CombinedSession, AStripDateChangeComputesTheNatalChartAtNoonOfTheUpperDate) {
  RecordingInteraction interaction;
  const ApplicationServices services = ApplicationServices::Shipped(interaction);
  Outcome<CombinedSession> created = CombinedSession::Create(services, testing::Person("試験", "1984/02/10 12:00"),
                                                             At("2024/07/20 15:47"), At("2024/07/20 09:30"));
  ASSERT_TRUE(created);
  CombinedSession& session = created.value();
  ASSERT_TRUE(session.Recompute());
  EXPECT_EQ(session.chart().chart().record.ChartDateTime, At("2024/07/20 12:00"));
  EXPECT_EQ(session.chart().chart().range, LuckRange::kNatalOnly);

  session.SetLevelItem(3, At("2024/07/20 15:47"));
  ASSERT_TRUE(session.Step(StripSide::kUpper, StripStep::kLater, At("2024/07/20 15:47")));
  EXPECT_EQ(session.chart().chart().record.ChartDateTime, At("2025/07/20 12:00"));
  EXPECT_EQ(session.chart().chart().record.AgeYears, 41);
  EXPECT_EQ(session.strips().upper().moments.front(), At("2024/02/15 00:00"));

  // Stepping back past birth is refused with the age message; the chart stays where it was.
  CombinedSession young = CombinedSession::Create(services, testing::Person("試験", "2025/07/01 12:00"),
                                                  At("2025/07/20 15:47"), At("2025/07/10 12:00"))
                              .value();
  ASSERT_TRUE(young.Recompute());
  young.SetLevelItem(4, At("2025/07/20 15:47"));
  EXPECT_FALSE(young.Step(StripSide::kUpper, StripStep::kEarlier, At("2025/07/20 15:47")));
  EXPECT_EQ(young.chart().chart().record.ChartDateTime, At("2025/07/10 12:00"));
}

}  // namespace
}  // namespace kirvo
