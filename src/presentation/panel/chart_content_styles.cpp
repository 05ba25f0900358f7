#include <array>
#include <string_view>
#include <utility>

#include "calendar/sexagenary.h"
#include "platform/shift_jis.h"
#include "platform/utf8.h"
#include "presentation/panel/chart_content.h"
#include "settings/sys_colours.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr int kSmallFontPoints = 8;       // long texts of the content table
constexpr int kLongTextBytes = 8;         // Shift-JIS bytes beyond which a text takes the small font
constexpr int kStemHeaderFontPoints = 9;  // the stem row of the stem-number table
constexpr std::size_t kStrengthColumn = 3, kShareColumn = 4;

CellStyle LabelStyle(const PanelColours& colours) {
  CellStyle style;
  style.label = true;
  style.background = ColourOf(colours, PanelColour::kFixedGradientStart);
  style.background_bottom = ColourOf(colours, PanelColour::kFixedGradientEnd);
  style.text = ColourOf(colours, PanelColour::kFixedText);
  return style;
}

CellStyle PlainStyle(CellAlignment alignment) {
  CellStyle style;
  style.alignment = alignment;
  return style;
}

CellStyle ColouredStyle(Rgb background, CellAlignment alignment) {
  CellStyle style = PlainStyle(alignment);
  style.background = style.background_bottom = background;
  style.text = ContrastTextColour(background);
  return style;
}

// The element of a text's first character (5 for none), as the chart colours cells, under the
// ten-god names in use; a valid character is answered from the groups' table of characters.
class FirstCharacterElements {
 public:
  // The lookup under the names of `sys`; the element groups come from this thread's last ones.
  static FirstCharacterElements For(const SysSettings& sys) {
    return FirstCharacterElements(ElementGroups::For(TenGodNamingRow(sys)));
  }

  Element Of(std::string_view text) const {
    if (text.empty()) return kNoElement;
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return groups_.OfCharacter(lead);  // the digits of the number tables
    const Utf8Char first = DecodeUtf8Char(text, 0);
    if (!first.valid) return groups_.Of(text.substr(0, first.length));
    return groups_.OfCharacter(first.code_point);
  }

 private:
  explicit FirstCharacterElements(ElementGroups groups) : groups_(std::move(groups)) {}
  ElementGroups groups_;
};

void SizeStyles(ContentGrid& grid) { grid.styles.assign(grid.columns() * grid.rows(), CellStyle{}); }

// For tables whose every cell is styled afresh: the old styles need not be cleared first.
void SizeStylesKept(ContentGrid& grid) { grid.styles.resize(grid.columns() * grid.rows()); }

// Whether a text runs beyond `bytes` in Shift-JIS. No character is wider in Shift-JIS than in
// UTF-8, so a short text needs no counting.
bool WiderThan(std::string_view text, int bytes) {
  return text.size() > static_cast<std::size_t>(bytes) && ShiftJisWidth(text) > bytes;
}

}  // namespace

void StyleContentTable(ContentGrid& snb, const SysSettings& sys, const ContentBranding& branding) {
  SizeStylesKept(snb);
  const CellStyle label = LabelStyle(sys.CP);
  for (std::size_t row = 0; row < snb.rows(); ++row) {
    for (std::size_t column = 0; column < snb.columns(); ++column) {
      CellStyle& style = snb.StyleAt(column, row);
      if (column % 2 == 0) {
        style = label;
      } else if (column == 1) {
        style = PlainStyle(CellAlignment::kRight);
      } else if (column == 5 && row == 2) {
        style = PlainStyle(CellAlignment::kLeft);  // 調候 may run wider than its cell
      } else {
        style = PlainStyle(CellAlignment::kCentre);
      }
      const bool small_label = column == 2 && (row == 0 || row == 2);  // 弱めたい, 強めたい
      if (small_label || WiderThan(snb.Cell(column, row), kLongTextBytes)) style.font_points = kSmallFontPoints;
      if (column <= 1 && branding.hide_numbers) style.drawn = false;
    }
  }
}

void StyleElementTable(ContentGrid& sg2, const SysSettings& sys, ForwardBackwardValue rrg) {
  SizeStylesKept(sg2);
  const CellStyle label = LabelStyle(sys.CP);
  std::array<CellStyle, 5> by_element;
  for (Element element = 0; element < 5; ++element) {
    by_element[element] = ColouredStyle(ElementColour(sys.CP, element), CellAlignment::kRight);
  }
  const std::size_t highlighted = rrg == ForwardBackwardValue::kStrength ? kStrengthColumn : kShareColumn;
  const Rgb highlight_text = ContrastTextColour(ContrastTextColour(ColourOf(sys.CP, PanelColour::kFixedPart)));
  const FirstCharacterElements elements = FirstCharacterElements::For(sys);
  for (std::size_t row = 0; row < sg2.rows(); ++row) {
    for (std::size_t column = 0; column < sg2.columns(); ++column) {
      CellStyle& style = sg2.StyleAt(column, row);
      if (row == 0) {
        style = label;
        continue;
      }
      const CellAlignment alignment = column == 1 || column == 2 ? CellAlignment::kCentre : CellAlignment::kRight;
      if (column == highlighted) {
        style = ColouredStyle(ColourOf(sys.CP, PanelColour::kSelection), alignment);
        style.text = highlight_text;
        continue;
      }
      const Element element = elements.Of(sg2.Cell(column, row));
      style = element == kNoElement ? PlainStyle(alignment) : by_element[element];
      style.alignment = alignment;
    }
  }
}

void StyleStemNumberTable(ContentGrid& kan, const SysSettings& sys) {
  SizeStylesKept(kan);
  const CellStyle label = LabelStyle(sys.CP);
  for (std::size_t row = 0; row < kan.rows(); ++row) {
    for (std::size_t column = 0; column < kan.columns(); ++column) {
      CellStyle& style = kan.StyleAt(column, row);
      if (column == 0) {
        style = label;
      } else if (row == 0) {
        // Columns 1..10 are the stems 甲..癸: two columns to an element.
        style =
            ColouredStyle(ElementColour(sys.CP, ElementOfStem(static_cast<Stem>(column) - 1)), CellAlignment::kCentre);
        style.font_points = kStemHeaderFontPoints;
      } else {
        style = PlainStyle(CellAlignment::kCentre);
      }
    }
  }
}

void StyleSpiritStarTable(ContentGrid& sin, const SysSettings& sys) {
  SizeStyles(sin);
  for (std::size_t column = 0; column < sin.columns(); ++column) sin.StyleAt(column, 0) = LabelStyle(sys.CP);
}

}  // namespace kirvo
