// Name files (*.nam) as they come from disk: a file read is either refused or gives rows whose date
// and time cells are in the list's form; the rows saved read back the same, and the chart summary
// of the first persons computes whatever their cells hold.
#include <cstdint>
#include <string>
#include <vector>

#include "data/name_file.h"
#include "fuzz/fuzz_support.h"
#include "presentation/persons/person_summary.h"
#include "settings/program_settings.h"

namespace {

bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const std::string_view bytes = input.Rest();
  const std::filesystem::path file = kirvo::fuzz::ScratchFolder() / "Fuzz.nam";
  kirvo::fuzz::WritePlainFile(file, bytes);
  const kirvo::Outcome<std::vector<kirvo::PersonRow>> rows = kirvo::ReadNameFile(file);
  if (!rows) {
    FUZZ_CHECK(!rows.error().empty());
    return 0;
  }
  for (const kirvo::PersonRow& row : *rows) {
    const std::string& date = row[2];
    FUZZ_CHECK(date.empty() || (date.size() == 10 && date[4] == '/' && date[7] == '/' && IsDigits(date.substr(0, 4))));
    const std::string& time = row[3];
    FUZZ_CHECK(time == kirvo::kUnknownTimeCell || (time.size() == 5 && time[2] == ':' && time < "24:00"));
    for (std::size_t cell = kirvo::kPersonInputCells; cell < kirvo::kPersonCellCount; ++cell)
      FUZZ_CHECK(row[cell].empty());
  }

  const std::filesystem::path saved = kirvo::fuzz::ScratchFolder() / "Saved.nam";
  FUZZ_CHECK(kirvo::WriteNameFile(saved, *rows).ok());
  const kirvo::Outcome<std::vector<kirvo::PersonRow>> reread = kirvo::ReadNameFile(saved);
  FUZZ_CHECK(reread.ok() && *reread == *rows);

  static const kirvo::ProgramSettings settings = kirvo::ShippedSettings();
  const kirvo::ChartRules rules{settings.usys, settings.sys};
  const kirvo::DateTime moment = *kirvo::DateTime::ParseDateTimeText("2024/07/20 15:47");
  kirvo::Chart scratch;
  for (std::size_t index = 0; index < rows->size() && index < 3; ++index) {
    kirvo::PersonRow row = (*rows)[index];
    const bool computed = kirvo::FillPersonSummary(row, moment, kirvo::LuckRange::kMajorLuck, rules, scratch);
    FUZZ_CHECK(computed || row[21].empty());
  }
  return 0;
}
