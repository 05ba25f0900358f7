// The place list TZone.dat as it comes from disk: it reads when its bytes are Shift-JIS, writes back
// and reads back the same, and a place added by name is refused exactly when its texts could not
// be kept, and is found where the list says after a save.
#include <cstdint>
#include <string>

#include "data/time_zone_table.h"
#include "fuzz/fuzz_support.h"
#include "platform/shift_jis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const std::string name = input.Text(32);
  const std::string minutes = input.Text(16);
  const std::string_view bytes = input.Rest();

  const std::filesystem::path file = kirvo::fuzz::ScratchFolder() / kirvo::kTimeZoneFileName;
  kirvo::fuzz::WritePlainFile(file, bytes);
  kirvo::Outcome<kirvo::TimeZoneTable> read = kirvo::ReadTimeZoneFile(file);
  FUZZ_CHECK(read.ok() == kirvo::DecodeShiftJis(bytes).ok());
  if (!read) return 0;
  kirvo::TimeZoneTable table = std::move(read).value();

  const std::size_t places_before = table.places().size();
  const kirvo::Status added = table.AddOrChange(name, minutes);
  FUZZ_CHECK(added.ok() == (kirvo::CheckPlaceText(name).ok() && kirvo::CheckPlaceText(minutes).ok()));
  FUZZ_CHECK(table.places().size() - places_before <= (added.ok() ? 1u : 0u));

  FUZZ_CHECK(kirvo::WriteTimeZoneFile(file, table).ok());
  const kirvo::Outcome<kirvo::TimeZoneTable> reread = kirvo::ReadTimeZoneFile(file);
  FUZZ_CHECK(reread.ok());
  FUZZ_CHECK(reread->header() == table.header());
  FUZZ_CHECK(reread->places() == table.places());
  return 0;
}
