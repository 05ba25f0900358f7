#include "presentation/shared/integer_entry.h"

#include <gtest/gtest.h>

#include "support/recording_interaction.h"

namespace kirvo {
namespace {

TEST(ValidateIntegerText, ReportsEachFailureWithItsMessage) {
  const struct {
    const char* text;
    int max;
    int min;
    const char* message;  // empty when accepted
  } cases[] = {
      {"12", 9, 0, "「12」は設定可能最大値より大きな値です"},
      {"-1", 999, -1, ""},
      {"1.5", 99, 0, "「1.5」は整数ではありません"},
      {"0", 99, 1, "「0」は設定可能最小値より小さな値です"},
      {"", 99, 0, "「」は整数ではありません"},
      {"7x", 99, 0, "「7x」は整数ではありません"},
  };
  for (const auto& c : cases) {
    RecordingInteraction interaction;
    const bool accepted = ValidateIntegerText(c.text, c.max, c.min, interaction);
    EXPECT_EQ(accepted, c.message[0] == '\0') << c.text;
    if (!accepted) {
      EXPECT_EQ(interaction.beeps, 1);
      ASSERT_EQ(interaction.messages.size(), 1u);
      EXPECT_EQ(interaction.messages[0], c.message);
    } else {
      EXPECT_EQ(interaction.beeps, 0);
      EXPECT_TRUE(interaction.messages.empty());
    }
  }
}

}  // namespace
}  // namespace kirvo
