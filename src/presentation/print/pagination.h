#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kirvo {

// Printer units: a table's sizes are in units (pixels at 96 dpi); a page's in device pixels.
inline constexpr int kUnitsPerInch = 96;
int DeviceOfUnits(int units, int dpi);
int DeviceOfMm(double mm, int dpi);
// The height of a line of text of `points` on a device of `dpi`, with the face's leading.
int LineHeightOf(int points, int dpi);
// Text keeps this far from a cell's frame, in units.
inline constexpr int kCellInsetUnits = 2;

// `text` cut into the lines it takes in a fixed-pitch face of `points` within `width` device pixels
// of a `dpi` device: a full-width character takes an em, a half-width one half an em, and a line
// breaks at any character. At least one line, also for an empty text.
std::vector<std::string> WrappedToWidth(std::string_view text, int width, int points, int dpi);

// Splits items of the given sizes (rows or columns, in device pixels) into pages of `room`
// pixels, the first page having only `first_room`. The first `fixed` items are repeated on every
// page and take their share of its room. Items are gathered while they fit; a page ends before the
// item that would overflow it, and an item too large for a page alone gets a page of its own.
// Items of size 0 are left out. Each page lists the indices it shows, the fixed ones first. A
// table with nothing but fixed items (or nothing at all) still makes one page.
std::vector<std::vector<int>> SplitIntoPages(const std::vector<int>& sizes, int fixed, int room, int first_room);

}  // namespace kirvo
