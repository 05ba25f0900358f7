// OEM.ini (the branding) as it comes from disk.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "settings/branding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const std::string title = input.Text(40);
  const std::string control = input.Text(12);
  const std::filesystem::path folder = kirvo::fuzz::ScratchFolder() / "branding";
  std::filesystem::create_directories(folder);
  kirvo::fuzz::WritePlainFile(folder / kirvo::kBrandingFile, input.Rest());

  const kirvo::Loaded<std::optional<kirvo::Branding>> loaded = kirvo::LoadBranding(folder);
  const std::optional<kirvo::Branding>& branding = loaded.value;
  (void)kirvo::BrandedLightColours(branding);
  if (!branding) return 0;
  const std::string branded = kirvo::BrandedTitle(*branding, title);
  if (branding->title.empty()) FUZZ_CHECK(branded == title);
  (void)kirvo::IsHiddenByBranding(*branding, "MainF", control);
  (void)kirvo::BrandedHelpFile(*branding, folder);
  return 0;
}
