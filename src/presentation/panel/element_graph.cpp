#include "presentation/panel/element_graph.h"

#include <limits>

#include "calendar/sexagenary.h"

namespace kirvo {
namespace {

// Columns of the five-element table.
inline constexpr std::size_t kElementColumn = 2, kStrengthColumn = 3, kCompositionColumn = 4;

Element ElementNamed(std::string_view name) {
  for (Element element = 0; element < kNoElement; ++element) {
    if (kElementNames[static_cast<std::size_t>(element)] == name) return element;
  }
  return kNoElement;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

ElementGraphMode ElementGraphModeOf(ForwardBackwardValue rrg) {
  return rrg == ForwardBackwardValue::kTotal ? ElementGraphMode::kComposition : ElementGraphMode::kStrength;
}

ElementGraphMode Toggled(ElementGraphMode mode) {
  return mode == ElementGraphMode::kStrength ? ElementGraphMode::kComposition : ElementGraphMode::kStrength;
}

std::string_view ElementGraphCaption(ElementGraphMode mode) {
  return mode == ElementGraphMode::kComposition ? "構成" : "力量";
}

std::optional<ElementGraph> ElementGraphOf(const TextTable& sg2, ElementGraphMode mode, const PanelColours& colours) {
  if (sg2.rows() < kElementGraphItems + 1 || sg2.columns() <= kCompositionColumn) return std::nullopt;
  if (sg2.Cell(kStrengthColumn, 1).empty()) return std::nullopt;
  const std::size_t column = mode == ElementGraphMode::kComposition ? kCompositionColumn : kStrengthColumn;
  ElementGraph graph;
  for (std::size_t item = 0; item < kElementGraphItems; ++item) {
    const std::size_t row = item + 1;
    graph.values[item] = HundredthsOf(sg2.Cell(column, row));
    graph.colours[item] = ElementColour(colours, ElementNamed(sg2.Cell(kElementColumn, row)));
  }
  graph.caption = ElementGraphCaption(mode);
  return graph;
}

int HundredthsOf(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return 0;
  long long hundredths = 0;
  for (const char c : whole) {
    if (!IsDigit(c)) return 0;
    hundredths = hundredths * 10 + (c - '0');
    if (hundredths >= std::numeric_limits<int>::max() / 100) return 0;  // beyond any table value
  }
  hundredths *= 100;
  for (std::size_t place = 0; place < fraction.size(); ++place) {
    const char c = fraction[place];
    if (!IsDigit(c)) return 0;
    if (place == 0) hundredths += 10 * (c - '0');
    if (place == 1) hundredths += c - '0';
  }
  return static_cast<int>(negative ? -hundredths : hundredths);
}

}  // namespace kirvo
