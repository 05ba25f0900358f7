#include "platform/table_row.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirvo {
namespace {

using Cells = std::vector<std::string>;

TEST(TableRow, EachCellIsTheTextBeforeItsComma) {
  const struct {
    const char* stored;
    std::size_t count;
    Cells cells;
  } cases[] = {
      {"1,2,3,", 5, {"1", "2", "3", "", ""}},          // missing cells are empty
      {"1,2,3", 5, {"1", "2", "", "", ""}},            // text after the last comma is dropped
      {",余,気,,中,", 5, {"", "余", "気", "", "中"}},  // empty cells keep their place
      {"a,b,c,d,", 2, {"a", "b"}},                     // extra cells are ignored
      {"", 3, {"", "", ""}},
      {"no comma", 2, {"", ""}},
      {"x,", 0, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitRowCells(c.stored, c.count), c.cells) << c.stored;
}

TEST(TableRow, StoredFormFollowsEveryCellWithAComma) {
  EXPECT_EQ(JoinRowCells({"子", "壬", "10", "・", ""}), "子,壬,10,・,,");
  EXPECT_EQ(JoinRowCells({}), "");
  const Cells row = {"", "余", "", "気"};
  EXPECT_EQ(SplitRowCells(JoinRowCells(row), row.size()), row);
}

}  // namespace
}  // namespace kirvo
