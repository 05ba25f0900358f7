#pragma once

#include <string>
#include <vector>

#include "presentation/persons/person_list.h"
#include "presentation/print/print_job.h"
#include "settings/text_table.h"

namespace kirvo {

struct SysSettings;

// The prints of the list windows: the table as the window shows it, its header row repeated on
// every page. The window hands over its current column widths and row heights in units (pixels at
// 96 dpi), 0 for a column or row it hides; what it leaves out prints at the grid defaults below.
struct ListLayout {
  std::vector<int> column_widths;
  std::vector<int> row_heights;
  int font_points = 9;
};
inline constexpr int kListDefaultColumnWidth = 64;
inline constexpr int kListDefaultRowHeight = 24;

// "NSG": the person list, header row first, every row's cells in the colours and alignment of the
// window's table.
PrintJob PersonListPrintJob(const PersonList& list, const SysSettings& sys, std::string title,
                            const ListLayout& layout);
// "LSG": the explanation list, the entry names centred, the lines as stored.
PrintJob ExplanationListPrintJob(const TextTable& table, std::string title, const ListLayout& layout);
// "MeLSG": the memo list, header row first.
PrintJob MemoListPrintJob(const TextTable& table, std::string title, const ListLayout& layout);

}  // namespace kirvo
