#include "presentation/print/pdf_text_map.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// 木 (U+6728) drawn with the glyph a face shares with the radical ⽊ (U+2F4A); 日 with ⽇ (U+2F47).
TEST(PdfTextMap, RadicalsReadAsTheirIdeographsAndTheLengthStays) {
  std::string pdf =
      "stream\n2 beginbfchar\n<0003> <2F4A>\n<0004> <0041>\nendbfchar\n"
      "2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0003> [<2F47> <7532> <2F00>]\n<0005> <0005> <2F4A>\n"
      "<0006> <0007> <2F47>\nendbfrange\nendstream <2F4A>";
  const std::size_t length = pdf.size();
  EXPECT_EQ(MapRadicalsToIdeographs(pdf), 4);  // not the range counting up from one, nor past the maps
  EXPECT_EQ(pdf.size(), length);
  EXPECT_EQ(pdf,
            "stream\n2 beginbfchar\n<0003> <6728>\n<0004> <0041>\nendbfchar\n"
            "2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0003> [<65E5> <7532> <4E00>]\n<0005> <0005> <6728>\n"
            "<0006> <0007> <2F47>\nendbfrange\nendstream <2F4A>");
}

}  // namespace
}  // namespace kirvo
