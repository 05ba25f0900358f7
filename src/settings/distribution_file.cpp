#include "settings/distribution_file.h"

#include "platform/table_row.h"
#include "platform/text_file.h"

namespace kirvo {

std::string DistributionFileText(const TextTable& zsg) {
  std::string text;
  for (std::size_t row = 0; row < zsg.rows(); ++row) text += JoinRowCells(zsg.Row(row)) + "\n";
  return text;
}

void ApplyDistributionFileText(std::string_view utf8, TextTable& zsg) {
  std::size_t row = 0;
  while (!utf8.empty() && row < zsg.rows()) {
    const std::size_t end = utf8.find('\n');
    std::string_view line = utf8.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    zsg.SetRow(row, SplitRowCells(line, zsg.columns()));
    ++row;
    utf8 = end == std::string_view::npos ? std::string_view() : utf8.substr(end + 1);
  }
}

Status LoadDistributionFile(const std::filesystem::path& path, TextTable& zsg) {
  Outcome<std::string> text = ReadShiftJisFile(path);
  if (!text.ok()) return Status::Failure(text.error());
  ApplyDistributionFileText(*text, zsg);
  return {};
}

Status SaveDistributionFile(const std::filesystem::path& path, const TextTable& zsg) {
  return WriteShiftJisFile(path, DistributionFileText(zsg));
}

}  // namespace kirvo
