#include "presentation/print/list_print_job.h"

#include <gtest/gtest.h>

#include "presentation/persons/person_list_view.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

PersonList TwoPeople() {
  PersonRow first("試験太郎");
  first[person_column::kDayStem] = "甲";
  PersonRow second("試験花子");
  second[person_column::kDayStem] = "庚";
  return PersonList({first, second});
}

TEST(ListPrintJob, ThePersonListPrintsHeaderAndRowsInTheWindowsSizesAndColours) {
  const SysSettings sys;
  const PersonList list = TwoPeople();
  ListLayout layout;
  layout.column_widths.assign(kPersonCellCount, 40);
  layout.column_widths[person_column::kSeason] = 0;  // a hidden column
  layout.row_heights = {22, 18, 0};                  // the header, a row, a hidden row
  layout.font_points = 10;
  const PrintJob job = PersonListPrintJob(list, sys, "入力データ一覧", layout);

  EXPECT_EQ(job.source, PrintSource::kPersonList);
  EXPECT_EQ(job.title, "入力データ一覧");
  const PrintTable& table = job.target;
  EXPECT_EQ(table.name, "NSG");
  EXPECT_EQ(table.fixed_rows, 1);
  EXPECT_EQ(table.font_points, 10);
  ASSERT_EQ(table.grid.rows(), 3u);
  ASSERT_EQ(table.grid.columns(), kPersonCellCount);
  EXPECT_EQ(table.grid.text.Row(0), PersonListTable(list)[0]);
  EXPECT_EQ(table.grid.Cell(person_column::kName, 2), "試験花子");
  EXPECT_EQ(table.grid.column_widths, layout.column_widths);
  EXPECT_EQ(table.row_heights, layout.row_heights);
  // A day stem takes its element's colour, as in the window; the header stays plain.
  const PersonCellLook look = PersonCellLookOf(person_column::kDayStem, "庚", sys);
  ASSERT_TRUE(look.coloured);
  EXPECT_EQ(table.grid.Style(person_column::kDayStem, 2).background, look.background);
  EXPECT_EQ(table.grid.Style(person_column::kDayStem, 2).text, look.text);
  EXPECT_EQ(table.grid.Style(person_column::kDayStem, 0), CellStyle{});
  EXPECT_EQ(table.grid.Style(person_column::kName, 1).alignment,
            PersonCellLookOf(person_column::kName, "試験太郎", sys).alignment);
}

TEST(ListPrintJob, SizesTheWindowLeavesOutPrintAtTheGridDefaults) {
  TextTable text(3, 2);
  ListLayout layout;
  layout.column_widths = {60};
  layout.row_heights = {30, 40, 50, 60};  // more than the rows: the rest is ignored
  const PrintTable table = MemoListPrintJob(text, "", layout).target;
  EXPECT_EQ(table.grid.column_widths, (std::vector<int>{60, kListDefaultColumnWidth, kListDefaultColumnWidth}));
  EXPECT_EQ(table.row_heights, (std::vector<int>{30, 40}));

  const PrintTable empty = MemoListPrintJob(TextTable(), "", {}).target;
  EXPECT_EQ(empty.fixed_rows, 0);
  EXPECT_TRUE(empty.row_heights.empty());
}

TEST(ListPrintJob, TheExplanationAndMemoListsPrintTheirTextsAsStored) {
  TextTable text(2, 3);
  text.SetCell(1, 0, "格局の説明文の編集の一覧");
  text.SetCell(0, 1, "建禄格");
  text.SetCell(1, 1, "一行目/r二行目");
  const ListLayout layout{{60, 500}, {24, 46, 24}, 9};
  struct Case {
    PrintJob job;
    PrintSource source;
    const char* name;
  };
  const Case cases[] = {
      {ExplanationListPrintJob(text, "説明文の一覧", layout), PrintSource::kExplanationList, "LSG"},
      {MemoListPrintJob(text, "メモ内容の一覧編集", layout), PrintSource::kMemoList, "MeLSG"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.job.source, c.source);
    EXPECT_EQ(c.job.target.name, c.name);
    EXPECT_TRUE(IsListSource(c.job.source));
    EXPECT_EQ(c.job.target.grid.text, text);
    EXPECT_EQ(c.job.target.grid.Cell(1, 1), "一行目/r二行目");
    EXPECT_EQ(c.job.target.fixed_rows, 1);
    EXPECT_EQ(c.job.target.row_heights, layout.row_heights);
    EXPECT_EQ(c.job.target.grid.Style(1, 1).alignment, CellAlignment::kLeft);
  }
}

}  // namespace
}  // namespace kirvo
