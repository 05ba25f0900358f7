#include "presentation/settings/sys_naming_table.h"

#include <gtest/gtest.h>

#include "settings/sys_naming_tables.h"

namespace kirvo {
namespace {

// Only the names in use change; each fits the two full-width characters of its cells.
TEST(SysNamingTable, TakesShortNamesInUseOnly) {
  TextTable ten_gods = DefaultHenSG();
  SysNamingTable table(ten_gods);
  struct Case {
    std::size_t column, row;
    const char* text;
    CellEdit::Result result;
  };
  const Case cases[] = {
      {1, 1, "比", CellEdit::Result::kStored},
      {1, 1, "ab12", CellEdit::Result::kStored},   // four half-width characters
      {1, 1, "比肩星", CellEdit::Result::kRefused},  // six bytes
      {1, 1, "比,", CellEdit::Result::kRefused},
      {1, 0, "比", CellEdit::Result::kNotEditable},  // the defaults
      {0, 1, "名", CellEdit::Result::kNotEditable},  // the row label
  };
  for (const Case& c : cases) {
    const std::string before = ten_gods.Cell(c.column, c.row);
    EXPECT_EQ(EditCell(table, c.column, c.row, c.text).result, c.result) << c.text;
    EXPECT_EQ(ten_gods.Cell(c.column, c.row), c.result == CellEdit::Result::kStored ? c.text : before) << c.text;
  }
}

}  // namespace
}  // namespace kirvo
