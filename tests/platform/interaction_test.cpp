#include "platform/interaction.h"

#include <gtest/gtest.h>

#include "support/recording_interaction.h"

namespace kirvo {
namespace {

TEST(ShowFailureTest, AFailureIsShownOnceAsAnErrorAndASuccessNotAtAll) {
  RecordingInteraction interaction;
  EXPECT_TRUE(ShowFailure(Status(), interaction));
  EXPECT_TRUE(ShowFailure(Outcome<int>(7), interaction));
  EXPECT_TRUE(interaction.messages.empty());

  EXPECT_FALSE(ShowFailure(Status::Failure("書き込めません"), interaction));
  EXPECT_FALSE(ShowFailure(Outcome<int>::Failure("読み込めません"), interaction));
  EXPECT_EQ(interaction.messages, (std::vector<std::string>{"書き込めません", "読み込めません"}));
  EXPECT_EQ(interaction.kinds, (std::vector<MessageKind>{MessageKind::kError, MessageKind::kError}));
  EXPECT_EQ(interaction.beeps, 0);
}

}  // namespace
}  // namespace kirvo
