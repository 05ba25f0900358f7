#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/text_table.h"

namespace kirvo {

// The list viewer of the explanation editors: every entry's name beside its stored line.
inline constexpr std::string_view kExplanationListCaption = "説明文の一覧";
inline constexpr std::string_view kExplanationListTitleSuffix = "の一覧";
inline constexpr std::string_view kExplanationListWrapToggle = "折り返し表示";
inline constexpr int kExplanationListNameColumnWidthPx = 60;

// Two columns and one row per line plus a title row: column 0 the entry names from row 1, row 0 of
// column 1 `editor_caption` + "の一覧", rows 1..n of column 1 the n lines exactly as stored ("/r"
// included).
TextTable ExplanationListTable(std::string_view editor_caption, const std::vector<std::string>& entry_names,
                               const std::vector<std::string>& lines);

// One cell of a list row: the width its text would take on one line and its column's width, pixels.
struct ListCellExtent {
  int text_width_px;
  int column_width_px;
};

// The height of a list row, pixels. With word wrap the row takes the lines its widest cell needs
// (text width over column width, plus one) times (default height − 2), plus 2; without it, the
// default height.
int ListRowHeight(std::span<const ListCellExtent> cells, int default_row_height_px, bool word_wrap);

}  // namespace kirvo
