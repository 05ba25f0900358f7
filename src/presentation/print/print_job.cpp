#include "presentation/print/print_job.h"

namespace kirvo {

std::string_view PrintSourceName(PrintSource source) {
  switch (source) {
    case PrintSource::kChart: return "SG1";
    case PrintSource::kCombined: return "MKSG";
    case PrintSource::kLuckTable: return "KSG";
    case PrintSource::kLuckTablePaged: return "KSGP";
    case PrintSource::kElementTable: return "SG2";
    case PrintSource::kContentTable: return "SNB";
    case PrintSource::kPersonList: return "NSG";
    case PrintSource::kExplanationList: return "LSG";
    case PrintSource::kMemoList: return "MeLSG";
  }
  return "";
}

bool IsListSource(PrintSource source) {
  return source == PrintSource::kPersonList || source == PrintSource::kExplanationList ||
         source == PrintSource::kMemoList;
}

}  // namespace kirvo
