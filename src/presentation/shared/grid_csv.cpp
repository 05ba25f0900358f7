#include "presentation/shared/grid_csv.h"

#include "platform/table_row.h"
#include "platform/text_file.h"

namespace kirvo {

std::string GridCsvText(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (const std::vector<std::string>& row : rows) (text += JoinRowCells(row)) += '\n';
  return text;
}

Status WriteGridCsv(const std::filesystem::path& path, const std::vector<std::vector<std::string>>& rows) {
  return WriteShiftJisFile(path, GridCsvText(rows));
}

}  // namespace kirvo
