#include "presentation/print/list_print_job.h"

#include "presentation/persons/person_list_view.h"

namespace kirvo {
namespace {

// One value per entry, the layout's where it gives one.
std::vector<int> SizesFor(std::size_t count, const std::vector<int>& given, int fallback) {
  std::vector<int> sizes(count, fallback);
  for (std::size_t i = 0; i < count && i < given.size(); ++i) sizes[i] = given[i];
  return sizes;
}

PrintJob ListJob(PrintSource source, std::string title, const TextTable& text, const ListLayout& layout) {
  PrintJob job;
  job.source = source;
  job.title = std::move(title);
  PrintTable& table = job.target;
  table.name = std::string(PrintSourceName(source));
  table.grid = ContentGrid(text.columns(), text.rows());
  table.grid.text = text;
  table.grid.column_widths = SizesFor(text.columns(), layout.column_widths, kListDefaultColumnWidth);
  table.row_heights = SizesFor(text.rows(), layout.row_heights, kListDefaultRowHeight);
  table.fixed_rows = text.rows() > 0 ? 1 : 0;
  table.font_points = layout.font_points;
  return job;
}

// Both windows show every text from the left; the print's own rules (names centred, texts wrapped)
// are the preview's.
PrintJob LeftAlignedListJob(PrintSource source, std::string title, const TextTable& table, const ListLayout& layout) {
  PrintJob job = ListJob(source, std::move(title), table, layout);
  for (CellStyle& style : job.target.grid.styles) style.alignment = CellAlignment::kLeft;
  return job;
}

}  // namespace

PrintJob PersonListPrintJob(const PersonList& list, const SysSettings& sys, std::string title,
                            const ListLayout& layout) {
  const std::vector<std::vector<std::string>> rows = PersonListTable(list);
  TextTable text(kPersonCellCount, rows.size());
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t column = 0; column < kPersonCellCount && column < rows[row].size(); ++column) {
      text.SetCell(column, row, rows[row][column]);
    }
  }
  PrintJob job = ListJob(PrintSource::kPersonList, std::move(title), text, layout);
  for (std::size_t row = 1; row < text.rows(); ++row) {
    for (std::size_t column = 0; column < kPersonCellCount; ++column) {
      const PersonCellLook look = PersonCellLookOf(column, text.Cell(column, row), sys);
      CellStyle& style = job.target.grid.StyleAt(column, row);
      if (look.coloured) {
        style.background = style.background_bottom = look.background;
        style.text = look.text;
      }
      style.alignment = look.alignment;
    }
  }
  return job;
}

PrintJob ExplanationListPrintJob(const TextTable& table, std::string title, const ListLayout& layout) {
  return LeftAlignedListJob(PrintSource::kExplanationList, std::move(title), table, layout);
}

PrintJob MemoListPrintJob(const TextTable& table, std::string title, const ListLayout& layout) {
  return LeftAlignedListJob(PrintSource::kMemoList, std::move(title), table, layout);
}

}  // namespace kirvo
