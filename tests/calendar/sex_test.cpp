#include "calendar/sex.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// Every sex survives each of its outside forms: the name shown and stored, and the position in the
// entry bar's list.
TEST(Sex, RoundTripsThroughItsNameAndItsListPosition) {
  for (const Sex sex : {Sex::kMale, Sex::kFemale}) {
    EXPECT_EQ(SexOfName(SexName(sex)), sex) << SexName(sex);
    EXPECT_EQ(SexOfListIndex(SexListIndex(sex)), sex) << SexName(sex);
  }
  EXPECT_EQ(SexName(Sex::kMale), "男");
  EXPECT_EQ(SexName(Sex::kFemale), "女");
  EXPECT_EQ(SexListIndex(Sex::kFemale), 1);
  // Only an exact name reads; a list without a choice reads as 男.
  for (const char* text : {"", "男女", "M", " 男"}) EXPECT_EQ(SexOfName(text), std::nullopt) << text;
  EXPECT_EQ(SexOfListIndex(-1), Sex::kMale);
}

}  // namespace
}  // namespace kirvo
