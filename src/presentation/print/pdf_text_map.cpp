#include "presentation/print/pdf_text_map.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <tuple>

namespace kirvo {
namespace {

constexpr char32_t kFirstRadical = 0x2F00;
// The ideograph of each Kangxi radical from U+2F00 on: the compatibility decomposition of the
// Unicode Character Database.
// clang-format off
constexpr std::array<std::uint16_t, 214> kRadicalIdeographs = {
    0x4E00, 0x4E28, 0x4E36, 0x4E3F, 0x4E59, 0x4E85, 0x4E8C, 0x4EA0, 0x4EBA, 0x513F, 0x5165, 0x516B,
    0x5182, 0x5196, 0x51AB, 0x51E0, 0x51F5, 0x5200, 0x529B, 0x52F9, 0x5315, 0x531A, 0x5338, 0x5341,
    0x535C, 0x5369, 0x5382, 0x53B6, 0x53C8, 0x53E3, 0x56D7, 0x571F, 0x58EB, 0x5902, 0x590A, 0x5915,
    0x5927, 0x5973, 0x5B50, 0x5B80, 0x5BF8, 0x5C0F, 0x5C22, 0x5C38, 0x5C6E, 0x5C71, 0x5DDB, 0x5DE5,
    0x5DF1, 0x5DFE, 0x5E72, 0x5E7A, 0x5E7F, 0x5EF4, 0x5EFE, 0x5F0B, 0x5F13, 0x5F50, 0x5F61, 0x5F73,
    0x5FC3, 0x6208, 0x6236, 0x624B, 0x652F, 0x6534, 0x6587, 0x6597, 0x65A4, 0x65B9, 0x65E0, 0x65E5,
    0x66F0, 0x6708, 0x6728, 0x6B20, 0x6B62, 0x6B79, 0x6BB3, 0x6BCB, 0x6BD4, 0x6BDB, 0x6C0F, 0x6C14,
    0x6C34, 0x706B, 0x722A, 0x7236, 0x723B, 0x723F, 0x7247, 0x7259, 0x725B, 0x72AC, 0x7384, 0x7389,
    0x74DC, 0x74E6, 0x7518, 0x751F, 0x7528, 0x7530, 0x758B, 0x7592, 0x7676, 0x767D, 0x76AE, 0x76BF,
    0x76EE, 0x77DB, 0x77E2, 0x77F3, 0x793A, 0x79B8, 0x79BE, 0x7A74, 0x7ACB, 0x7AF9, 0x7C73, 0x7CF8,
    0x7F36, 0x7F51, 0x7F8A, 0x7FBD, 0x8001, 0x800C, 0x8012, 0x8033, 0x807F, 0x8089, 0x81E3, 0x81EA,
    0x81F3, 0x81FC, 0x820C, 0x821B, 0x821F, 0x826E, 0x8272, 0x8278, 0x864D, 0x866B, 0x8840, 0x884C,
    0x8863, 0x897E, 0x898B, 0x89D2, 0x8A00, 0x8C37, 0x8C46, 0x8C55, 0x8C78, 0x8C9D, 0x8D64, 0x8D70,
    0x8DB3, 0x8EAB, 0x8ECA, 0x8F9B, 0x8FB0, 0x8FB5, 0x9091, 0x9149, 0x91C6, 0x91CC, 0x91D1, 0x9577,
    0x9580, 0x961C, 0x96B6, 0x96B9, 0x96E8, 0x9751, 0x975E, 0x9762, 0x9769, 0x97CB, 0x97ED, 0x97F3,
    0x9801, 0x98A8, 0x98DB, 0x98DF, 0x9996, 0x9999, 0x99AC, 0x9AA8, 0x9AD8, 0x9ADF, 0x9B25, 0x9B2F,
    0x9B32, 0x9B3C, 0x9B5A, 0x9CE5, 0x9E75, 0x9E7F, 0x9EA5, 0x9EBB, 0x9EC3, 0x9ECD, 0x9ED1, 0x9EF9,
    0x9EFD, 0x9F0E, 0x9F13, 0x9F20, 0x9F3B, 0x9F4A, 0x9F52, 0x9F8D, 0x9F9C, 0x9FA0,
};
// clang-format on

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The 4-digit hex code at `at` ("<2F4A>" has its digits at at + 1), or -1.
int CodeAt(const std::string& text, std::size_t at) {
  if (at + 6 > text.size() || text[at] != '<' || text[at + 5] != '>') return -1;
  int code = 0;
  for (std::size_t i = 1; i <= 4; ++i) {
    const int digit = HexValue(text[at + i]);
    if (digit < 0) return -1;
    code = code * 16 + digit;
  }
  return code;
}

// Rewrites the 4-digit destination at `at` when it names a radical.
int RewriteDestination(std::string& pdf, std::size_t at) {
  const int code = CodeAt(pdf, at);
  if (code < static_cast<int>(kFirstRadical) || code >= static_cast<int>(kFirstRadical + kRadicalIdeographs.size())) {
    return 0;
  }
  char hex[5];
  std::snprintf(hex, sizeof hex, "%04X", kRadicalIdeographs[static_cast<std::size_t>(code) - kFirstRadical]);
  pdf.replace(at + 1, 4, hex, 4);
  return 1;
}

// The next "<...>" token from `at` before `to`: its start, or npos.
std::size_t NextToken(const std::string& pdf, std::size_t at, std::size_t to) {
  const std::size_t found = pdf.find('<', at);
  return found < to ? found : std::string::npos;
}

// The entries between `from` and `to`: "<src> <dst>" (bfchar), or "<lo> <hi> <dst>" and
// "<lo> <hi> [<dst> ...]" (bfrange). A range with one destination for several glyphs counts up from
// it and is left as it is unless it covers one glyph.
int RewriteEntries(std::string& pdf, std::size_t from, std::size_t to, bool ranges) {
  int rewritten = 0;
  std::size_t at = NextToken(pdf, from, to);
  while (at != std::string::npos) {
    const int low = CodeAt(pdf, at);
    std::size_t next = at + 1;
    int high = low;
    if (ranges) {
      next = NextToken(pdf, next, to);
      if (next == std::string::npos) break;
      high = CodeAt(pdf, next);
      ++next;
    }
    const std::size_t bracket = pdf.find('[', next);
    const std::size_t destination = NextToken(pdf, next, to);
    if (destination == std::string::npos) break;
    if (ranges && bracket < destination) {
      const std::size_t close = pdf.find(']', bracket);
      if (close == std::string::npos || close > to) break;
      for (std::size_t item = NextToken(pdf, bracket, close); item != std::string::npos;
           item = NextToken(pdf, item + 1, close)) {
        rewritten += RewriteDestination(pdf, item);
      }
      at = NextToken(pdf, close, to);
      continue;
    }
    if (!ranges || (low >= 0 && low == high)) rewritten += RewriteDestination(pdf, destination);
    at = NextToken(pdf, destination + 1, to);
  }
  return rewritten;
}

}  // namespace

int MapRadicalsToIdeographs(std::string& pdf) {
  int rewritten = 0;
  for (const auto& [begin, end, ranges] :
       {std::tuple{std::string_view("beginbfchar"), std::string_view("endbfchar"), false},
        std::tuple{std::string_view("beginbfrange"), std::string_view("endbfrange"), true}}) {
    std::size_t at = pdf.find(begin);
    while (at != std::string::npos) {
      const std::size_t close = pdf.find(end, at);
      if (close == std::string::npos) break;
      rewritten += RewriteEntries(pdf, at + begin.size(), close, ranges);
      at = pdf.find(begin, close);
    }
  }
  return rewritten;
}

}  // namespace kirvo
