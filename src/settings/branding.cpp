#include "settings/branding.h"

#include <system_error>

#include "platform/ascii.h"
#include "platform/ini_file.h"
#include "platform/utf8.h"
#include "settings/sys_load_problems.h"

namespace kirvo {
namespace {

inline constexpr std::string_view kVersionMark = "Ver";
inline constexpr std::size_t kVersionTextCharacters = 10;

std::optional<std::filesystem::path> ExistingFile(const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::is_regular_file(file, error)) return file;
  return std::nullopt;
}

// The first `count` characters (not bytes) of UTF-8 text.
std::string_view LeadingCharacters(std::string_view text, std::size_t count) {
  std::size_t at = 0;
  for (std::size_t taken = 0; taken < count && at < text.size(); ++taken) at += DecodeUtf8Char(text, at).length;
  return text.substr(0, at);
}

std::filesystem::path PathOf(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

void ReadApp(const IniFile& ini, Branding& branding, LoadProblemReport& report) {
  branding.title = ini.ReadString(kBrandingSection, "Title", "");
  branding.title_rect = ReadStoredInteger(ini, kBrandingSection, "TitleRect", report).value_or(branding.title_rect);
  branding.help_file = ini.ReadString(kBrandingSection, "HelpFile", "");
  branding.suu_type = ReadStoredInteger(ini, kBrandingSection, "Suu_Type", report).value_or(branding.suu_type);
  branding.hide_content_numbers = ini.ReadString(kBrandingSection, "Naiyou_Suu", "") == kHideValue;
  branding.hide_content_inner_outer = ini.ReadString(kBrandingSection, "Naiyou_NaiGai", "") == kHideValue;
  for (std::size_t i = 0; i < kPanelColourCount; ++i) {
    branding.colours[i] = ReadStoredColour(ini, kBrandingSection, kPanelColourRows[i].key, report);
  }
}

void ReadHideLists(const IniFile& ini, Branding& branding) {
  for (const std::string& section : ini.Sections()) {
    if (EqualsIgnoringAsciiCase(section, kBrandingSection)) continue;
    HiddenControls& entry = branding.hidden.emplace_back(HiddenControls{section, {}});
    for (const std::string& key : ini.Keys(section)) {
      if (ini.ReadString(section, key, "") == kHideValue) entry.controls.push_back(key);
    }
  }
}

}  // namespace

Loaded<std::optional<Branding>> LoadBranding(const std::filesystem::path& program_folder) {
  Loaded<std::optional<Branding>> loaded;
  const std::filesystem::path file = program_folder / kBrandingFile;
  if (!ExistingFile(file)) return loaded;
  LoadProblemReport report{std::string(kBrandingFile)};
  Outcome<IniFile> ini = IniFile::Load(file);
  if (!ini) {
    report.AddFileProblem(ini.error());
    report.AddTo(loaded.report);
    return loaded;
  }
  if (!ini->LoadProblem().empty()) report.AddFileProblem(ini->LoadProblem());

  Branding branding;
  ReadApp(*ini, branding, report);
  ReadHideLists(*ini, branding);
  branding.icon_file = ExistingFile(program_folder / kBrandingIconFile);
  branding.splash_picture = ExistingFile(program_folder / kBrandingSplashFile);
  report.AddTo(loaded.report);
  loaded.value = std::move(branding);
  return loaded;
}

std::string BrandedTitle(const Branding& branding, std::string_view current_title) {
  if (branding.title.empty()) return std::string(current_title);
  const std::size_t version = current_title.find(kVersionMark);
  std::string title = branding.title;
  if (version != std::string_view::npos) {
    title += LeadingCharacters(current_title.substr(version), kVersionTextCharacters);
  }
  return title;
}

std::optional<std::filesystem::path> BrandedHelpFile(const Branding& branding,
                                                     const std::filesystem::path& program_folder) {
  if (branding.help_file.empty()) return std::nullopt;
  const std::filesystem::path name = PathOf(branding.help_file);
  // Only a file of the program folder: a name with a folder part is not taken.
  if (name != name.filename()) return std::nullopt;
  return ExistingFile(program_folder / name);
}

bool IsHiddenByBranding(const Branding& branding, std::string_view window, std::string_view control) {
  for (const HiddenControls& hidden : branding.hidden) {
    if (!EqualsIgnoringAsciiCase(hidden.window, window)) continue;
    for (const std::string& name : hidden.controls) {
      if (EqualsIgnoringAsciiCase(name, control)) return true;
    }
  }
  return false;
}

PanelColours BrandedLightColours(const std::optional<Branding>& branding) {
  PanelColours colours = LightDefaultColours();
  if (!branding) return colours;
  for (std::size_t i = 0; i < kPanelColourCount; ++i) {
    if (branding->colours[i]) colours[i] = *branding->colours[i];
  }
  return colours;
}

}  // namespace kirvo
