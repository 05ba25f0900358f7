// Hidden-stem distribution files (*.zou) as they come from disk: what is read writes back and
// reads again as the same table, and the calendar computes depths with it.
#include <cstdint>
#include <string>

#include "calendar/moment_pillars.h"
#include "fuzz/fuzz_support.h"
#include "platform/shift_jis.h"
#include "settings/distribution_file.h"
#include "settings/program_settings.h"
#include "settings/zsg_distribution.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const int day = input.IntIn(0, 3'650'000);
  const std::string_view bytes = input.Rest();
  const kirvo::TextTable shipped = kirvo::ShippedSettings().usys.Table("ZSG");

  const std::filesystem::path file = kirvo::fuzz::ScratchFolder() / "Fuzz.zou";
  kirvo::fuzz::WritePlainFile(file, bytes);
  kirvo::TextTable table = shipped;
  const kirvo::Status loaded = kirvo::LoadDistributionFile(file, table);
  FUZZ_CHECK(loaded.ok() == kirvo::DecodeShiftJis(bytes).ok());
  if (!loaded) {
    FUZZ_CHECK(table == shipped);
    return 0;
  }

  // Text form: applying a table's own text changes nothing.
  kirvo::TextTable again = shipped;
  kirvo::ApplyDistributionFileText(kirvo::DistributionFileText(table), again);
  FUZZ_CHECK(again == table);

  // Through the file.
  if (kirvo::SaveDistributionFile(file, table)) {
    kirvo::TextTable reread = shipped;
    FUZZ_CHECK(kirvo::LoadDistributionFile(file, reread).ok());
    const std::string text = kirvo::DistributionFileText(table);
    if (*kirvo::DecodeShiftJis(*kirvo::EncodeShiftJis(text)) == text) FUZZ_CHECK(reread == table);
  }

  kirvo::CalendarRules rules;
  rules.distribution = kirvo::DepthDistributionOf(table);
  rules.depth_modes = {kirvo::DepthMode::kWithinOwnPeriod, kirvo::DepthMode::kWithinMonth,
                       kirvo::DepthMode::kWithinOwnPeriod, kirvo::DepthMode::kWithinOwnPeriod};
  const kirvo::MomentPillars pillars = kirvo::MomentPillars::At(kirvo::DateTime(-693000.0 + day), rules);
  for (int slot = 0; slot < 4; ++slot) {
    const int depth = static_cast<int>(pillars.depth_class[slot]);
    FUZZ_CHECK(depth >= 0 && depth <= 2);
  }
  return 0;
}
