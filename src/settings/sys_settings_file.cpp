#include "settings/sys_settings_file.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "platform/integer_text.h"
#include "platform/ini_controls.h"
#include "platform/text_file.h"
#include "settings/ini_tables.h"
#include "settings/special_characters.h"
#include "settings/sys_settings_keys.h"

namespace kirvo {
namespace {

// The per-user special character of the spirit-star names.

// A check group stored with every bit set ("all checked") stands for all of its items.
inline constexpr std::uint32_t kAllBitsStored = 2147483647;
inline constexpr std::uint32_t kAllCombinedLuckRows = 127;
inline constexpr std::uint32_t kFirstEightChartRows = 255;
// Drop-down lists whose stored index, when it names no item, falls back to item 1.
inline constexpr std::array<std::string_view, 2> kChoicesFallingBackToItem1 = {"KMCB", "KCB1"};
inline constexpr int kChoiceFallbackItem = 1;

struct ColumnCountReset {
  std::string SysSettings::*member;
  int min;
  int max;
  std::string_view reset_to;
};
inline constexpr auto kColumnCountResets = std::to_array<ColumnCountReset>({
    {&SysSettings::CCnt, 5, 100, "15"},
    {&SysSettings::CCnt1, 10, 25, "10"},
});

void ReadChoices(const IniFile& ini, SysSettings& settings, LoadProblemReport& report) {
  for (const SysChoiceKey& choice : kSysChoiceKeys) {
    const std::optional<int> index = ReadStoredInteger(ini, kSysSection, choice.key, report);
    if (!index) continue;
    if (*index >= 0 && *index < choice.ItemCount()) {
      settings.*choice.member = *index;
    } else if (std::find(kChoicesFallingBackToItem1.begin(), kChoicesFallingBackToItem1.end(), choice.key) !=
               kChoicesFallingBackToItem1.end()) {
      settings.*choice.member = kChoiceFallbackItem;
    } else {
      report.AddUnreadableValue(kSysSection, choice.key, std::to_string(*index));
    }
  }
}

void ReadBitSets(const IniFile& ini, SysSettings& settings, LoadProblemReport& report) {
  for (const SysBitSetKey& bits : kSysBitSetKeys) {
    if (const std::optional<int> stored = ReadStoredInteger(ini, kSysSection, bits.key, report)) {
      settings.*bits.member = static_cast<std::uint32_t>(*stored);
    }
  }
  if (settings.MKouChg == kAllBitsStored) settings.MKouChg = kAllCombinedLuckRows;
  if (settings.MKChg == kAllBitsStored) settings.MKChg = kFirstEightChartRows;
}

void ReadTexts(const IniFile& ini, SysSettings& settings, LoadProblemReport& report) {
  for (const SysTextKey& text : kSysTextKeys) {
    const std::optional<std::string> stored = ini.Find(kSysSection, text.key);
    if (!stored) continue;
    if (IsUsableStoredText(*stored, text)) {
      settings.*text.member = *stored;
    } else {
      report.AddUnreadableValue(kSysSection, text.key, *stored);
    }
  }
  for (const ColumnCountReset& reset : kColumnCountResets) {
    const std::optional<long long> count = ParseInteger(settings.*reset.member);
    if (!count || *count < reset.min || *count > reset.max) settings.*reset.member = std::string(reset.reset_to);
  }
}

void ReadNamingTables(const IniFile& ini, SysSettings& settings, LoadProblemReport& report) {
  for (const SysNamingTableKey& naming : kSysNamingTableKeys) {
    TextTable& table = settings.*naming.member;
    const std::optional<std::string> stored_names = ini.Find(kSysSection, TableRowKey(naming.key, kNamingInUseRow));
    ReadTable(ini, kSysSection, naming.key, table);
    const std::vector<std::size_t> repaired = SetUpNamingTable(table, naming.defaults());
    // A missing row simply keeps the defaults; a stored row with unusable names is worth a word.
    if (stored_names && !repaired.empty()) {
      report.AddUnreadableValue(kSysSection, TableRowKey(naming.key, kNamingInUseRow), *stored_names);
    }
  }
}

void ReadFont(const IniFile& ini, std::string_view section, FontSpec& font, LoadProblemReport& report) {
  if (const std::optional<std::string> name = ini.Find(section, kFontNameKey)) {
    if (name->empty()) {
      report.AddUnreadableValue(section, kFontNameKey, *name);
    } else {
      font.name = *name;
    }
  }
  if (const std::optional<int> size = ReadStoredInteger(ini, section, kFontSizeKey, report)) {
    if (*size >= kMinFontPoints && *size <= kMaxFontPoints) {
      font.size_points = *size;
    } else {
      report.AddUnreadableValue(section, kFontSizeKey, std::to_string(*size));
    }
  }
  if (const std::optional<int> style = ReadStoredInteger(ini, section, kFontStyleKey, report)) {
    if ((*style & ~kFontStyleMask) == 0) {
      font.style = *style;
    } else {
      report.AddUnreadableValue(section, kFontStyleKey, std::to_string(*style));
    }
  }
  font.colour = ReadStoredColour(ini, section, kFontColorKey, report).value_or(font.colour);
}

bool FileExists(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::exists(file, error);
}

}  // namespace

SysSettings SysSettingsFromIni(const IniFile& ini, std::string_view gaiji1, LoadProblemReport& report) {
  SysSettings settings;
  for (const SysFlagKey& flag : kSysFlagKeys) {
    if (const std::optional<int> stored = ReadStoredInteger(ini, kSysSection, flag.key, report)) {
      settings.*flag.member = *stored != 0;
    }
  }
  ReadChoices(ini, settings, report);
  ReadBitSets(ini, settings, report);
  for (const SysNumberKey& number : kSysNumberKeys) {
    const std::optional<int> stored = ReadStoredInteger(ini, kSysSection, number.key, report);
    if (!stored) continue;
    if (*stored >= number.min && *stored <= number.max) {
      settings.*number.member = *stored;
    } else {
      report.AddUnreadableValue(kSysSection, number.key, std::to_string(*stored));
    }
  }
  ReadTexts(ini, settings, report);
  for (std::size_t i = 0; i < kPanelColourCount; ++i) {
    settings.CP[i] = ReadStoredColour(ini, kSysSection, kPanelColourRows[i].key, report).value_or(settings.CP[i]);
  }
  ReadNamingTables(ini, settings, report);
  for (const SysFontKey& font : kSysFontKeys) ReadFont(ini, font.section, settings.*font.member, report);
  settings.names = BuildNamesInUse(settings.HenSG, settings.HGSG, settings.KyuSG, settings.KNCB, gaiji1);
  return settings;
}

void WriteSysSettings(IniFile& ini, const SysSettings& settings) {
  for (const SysFlagKey& flag : kSysFlagKeys) WriteCheckBox(ini, kSysSection, flag.key, settings.*flag.member);
  for (const SysChoiceKey& choice : kSysChoiceKeys) {
    WriteItemIndex(ini, kSysSection, choice.key, settings.*choice.member);
  }
  for (const SysBitSetKey& bits : kSysBitSetKeys) WriteBitSet(ini, kSysSection, bits.key, settings.*bits.member);
  for (const SysNumberKey& number : kSysNumberKeys) {
    WriteNumber(ini, kSysSection, number.key, settings.*number.member);
  }
  for (const SysTextKey& text : kSysTextKeys) WriteEditText(ini, kSysSection, text.key, settings.*text.member);
  for (std::size_t i = 0; i < kPanelColourCount; ++i) {
    WriteColour(ini, kSysSection, kPanelColourRows[i].key, settings.CP[i]);
  }
  for (const SysNamingTableKey& naming : kSysNamingTableKeys) {
    WriteTable(ini, kSysSection, naming.key, settings.*naming.member);
  }
  for (const SysFontKey& key : kSysFontKeys) {
    const FontSpec& font = settings.*key.member;
    WriteNumber(ini, key.section, kFontSizeKey, font.size_points);
    WriteNumber(ini, key.section, kFontStyleKey, font.style);
    WriteEditText(ini, key.section, kFontNameKey, font.name);
    WriteColour(ini, key.section, kFontColorKey, font.colour);
  }
}

Loaded<SysSettings> LoadSysSettings(const std::filesystem::path& program_folder, const SettingsStore& store,
                                    const std::optional<Branding>& branding) {
  LoadProblemReport report{std::string(kSysSettingsFile)};
  Outcome<IniFile> loaded = IniFile::Load(program_folder / kSysSettingsFile);
  IniFile ini;
  if (loaded) {
    ini = std::move(loaded).value();
    if (!ini.LoadProblem().empty()) report.AddFileProblem(ini.LoadProblem());
  } else {
    report.AddFileProblem(loaded.error());
  }

  const SpecialCharacters special = ReadSpecialCharacters(store);
  UseGaijiStandIn(special);
  const std::string gaiji1 = GaijiNameSetting(special);
  SysSettings settings = SysSettingsFromIni(ini, gaiji1, report);

  for (std::size_t i = 0; i < kSysBackgroundKeys.size(); ++i) {
    const SysBackgroundKey& background = kSysBackgroundKeys[i];
    settings.backgrounds[i] = ResolveBackground(background.key, settings.*background.member, program_folder);
  }
  if (!FileExists(program_folder / kFirstStartMarkerFile)) settings.CP = BrandedLightColours(branding);

  Loaded<SysSettings> result{std::move(settings), {}};
  report.AddTo(result.report);
  return result;
}

Status SaveSysSettings(const SysSettings& settings, const std::filesystem::path& program_folder) {
  const std::filesystem::path file = program_folder / kSysSettingsFile;
  // Start from the file as it stands so that keys of other versions and lines that could not be
  // read survive. A file that can't be read at all is the user's still: it is not replaced.
  Outcome<IniFile> loaded = IniFile::Load(file);
  if (!loaded) return Status::Failure(NotSavedOverUnreadable(file, loaded.error()));
  IniFile ini = std::move(loaded).value();
  WriteSysSettings(ini, settings);
  return ini.Save(file);
}

}  // namespace kirvo
