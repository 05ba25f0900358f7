#include "engine/chart_record.h"

#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace kirvo {

std::string FitShiftJisBytes(std::string_view text, int limit) {
  int width = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + DecodeUtf8Char(text, end).length;
    width += ShiftJisWidth(text.substr(end, next - end));
    if (width > limit) break;
    end = next;
  }
  return std::string(text.substr(0, end));
}

TMeiData NewChartRecord(const BirthInput& input, DateTime chart_moment) {
  TMeiData record;
  record.BirthDateTime = input.birth.moment;
  record.ChartDateTime = chart_moment;
  record.PersonName = FitShiftJisBytes(input.name, kPersonNameBytes);
  record.Sex = input.sex;
  record.BirthText = FitShiftJisBytes(input.birth.Text(), kBirthTextBytes);
  return record;
}

}  // namespace kirvo
