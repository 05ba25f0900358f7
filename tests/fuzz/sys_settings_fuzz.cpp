// SysF.ini (the system settings) as it comes from disk: what is read writes back and reads again
// as the same settings, without a problem.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/ini_file.h"
#include "settings/sys_load_problems.h"
#include "settings/sys_settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const std::string gaiji = input.Text(4);
  const kirvo::IniFile ini = kirvo::IniFile::FromShiftJisBytes(input.Rest(), "SysF.ini");
  kirvo::LoadProblemReport report("SysF.ini");
  const kirvo::SysSettings settings = kirvo::SysSettingsFromIni(ini, gaiji, report);
  (void)report.Message();

  kirvo::IniFile written;
  kirvo::WriteSysSettings(written, settings);
  kirvo::LoadProblemReport reread_report("SysF.ini");
  const kirvo::SysSettings reread = kirvo::SysSettingsFromIni(written, gaiji, reread_report);
  FUZZ_CHECK(reread_report.empty());
  kirvo::IniFile rewritten;
  kirvo::WriteSysSettings(rewritten, reread);
  FUZZ_CHECK(rewritten.ToText() == written.ToText());
  return 0;
}
