#include "presentation/print/pagination.h"

#include <algorithm>
#include <cmath>

#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace kirvo {

int DeviceOfUnits(int units, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(units) * dpi / kUnitsPerInch));
}

int DeviceOfMm(double mm, int dpi) { return static_cast<int>(std::lround(mm / 25.4 * dpi)); }

int LineHeightOf(int points, int dpi) {
  // Japanese faces take about one and a half em from line to line.
  return static_cast<int>(std::ceil(points * 1.5 * dpi / 72.0));
}

std::vector<std::string> WrappedToWidth(std::string_view text, int width, int points, int dpi) {
  // Shift-JIS counts a half-width character as one byte and a full-width one as two: its width in
  // half ems.
  const double half_em = points * static_cast<double>(dpi) / 72.0 / 2.0;
  const int places = std::max(2, static_cast<int>(width / half_em));
  std::vector<std::string> lines{std::string()};
  int used = 0;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char c = DecodeUtf8Char(text, at);
    const std::string_view piece = text.substr(at, c.length);
    const int wide = std::max(1, ShiftJisWidth(piece));
    if (used + wide > places && used > 0) {
      lines.emplace_back();
      used = 0;
    }
    lines.back() += piece;
    used += wide;
    at += c.length;
  }
  return lines;
}

std::vector<std::vector<int>> SplitIntoPages(const std::vector<int>& sizes, int fixed, int room, int first_room) {
  const int count = static_cast<int>(sizes.size());
  fixed = std::clamp(fixed, 0, count);
  std::vector<int> fixed_items;
  int fixed_size = 0;
  for (int i = 0; i < fixed; ++i) {
    if (sizes[static_cast<std::size_t>(i)] <= 0) continue;
    fixed_items.push_back(i);
    fixed_size += sizes[static_cast<std::size_t>(i)];
  }
  std::vector<std::vector<int>> pages;
  std::vector<int> page = fixed_items;
  int used = 0;
  bool has_own = false;
  for (int i = fixed; i < count; ++i) {
    const int size = sizes[static_cast<std::size_t>(i)];
    if (size <= 0) continue;
    const int page_room = (pages.empty() ? first_room : room) - fixed_size;
    if (has_own && used + size > page_room) {
      pages.push_back(std::move(page));
      page = fixed_items;
      used = 0;
      has_own = false;
    }
    page.push_back(i);
    used += size;
    has_own = true;
  }
  if (has_own || pages.empty()) pages.push_back(std::move(page));
  return pages;
}

}  // namespace kirvo
