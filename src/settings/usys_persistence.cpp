#include <system_error>

#include "calendar/integer_validation.h"
#include "platform/ini_controls.h"
#include "platform/ini_file.h"
#include "platform/interaction.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "settings/distribution_file.h"
#include "settings/usys_settings.h"

namespace kirvo {

namespace {

// Per-user key and value of the code of slot 33's second character.
constexpr std::string_view kGaijiStoreKey = "Sys";
constexpr std::string_view kGaijiStoreName = "Gaiji1";

constexpr std::size_t kZFileIndex = *IndexOfKey(kUSysNumbers, "ZFileE");

std::optional<long long> StoredInteger(std::string_view value) {
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  return ParseInteger(value);
}

void AddProblem(std::string& problems, std::string_view line) {
  if (!problems.empty()) problems += "\n";
  problems += line;
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) { return folder / kUSysFileName; }

// The settings file as it stands, to write into; an unreadable one is started afresh.
IniFile FileToWriteInto(const std::filesystem::path& path) {
  Outcome<IniFile> ini = IniFile::Load(path);
  return ini ? std::move(ini).value() : IniFile();
}

}  // namespace

void USysSettings::ReadKeys(const IniFile& ini, std::string& problems) {
  std::string unreadable;
  const auto note_unreadable = [&](std::string_view key, const std::string& value) {
    unreadable += (unreadable.empty() ? "" : ", ") + std::string(key) + "=" + value;
  };

  for (std::size_t i = 0; i < kUSysFlags.size(); ++i) {
    const std::optional<std::string> stored = ini.Find(kUSysSection, kUSysFlags[i].key);
    if (!stored) continue;
    if (const std::optional<long long> value = StoredInteger(*stored)) {
      flags_[i] = *value != 0;
    } else {
      note_unreadable(kUSysFlags[i].key, *stored);
    }
  }
  for (std::size_t i = 0; i < kUSysChoices.size(); ++i) {
    const std::optional<std::string> stored = ini.Find(kUSysSection, kUSysChoices[i].key);
    if (!stored) continue;
    const std::optional<long long> value = StoredInteger(*stored);
    if (value && *value >= 0 && *value < kUSysChoices[i].ItemCount()) {
      choices_[i] = static_cast<int>(*value);
    } else {
      note_unreadable(kUSysChoices[i].key, *stored);
    }
  }
  for (std::size_t i = 0; i < kUSysNumbers.size(); ++i) {
    if (std::optional<std::string> stored = ini.Find(kUSysSection, kUSysNumbers[i].key)) numbers_[i] = *stored;
  }

  std::string first_missing_row;
  int missing_rows = 0;
  for (std::size_t i = 0; i < kUSysTables.size(); ++i) {
    for (std::size_t row = 0; row < kUSysTables[i].rows; ++row) {
      const std::string key = TableRowKey(kUSysTables[i].key, row);
      if (ini.HasKey(kUSysSection, key)) continue;
      if (missing_rows++ == 0) first_missing_row = key;
    }
    ReadTable(ini, kUSysSection, kUSysTables[i].key, tables_[i]);
  }

  if (!unreadable.empty()) AddProblem(problems, "読めない値は既定値のままにしました: " + unreadable);
  if (missing_rows == 1) {
    AddProblem(problems, "表の行 " + first_missing_row + " がないため、その行を空にしました。");
  } else if (missing_rows > 1) {
    AddProblem(problems, "表の行 " + first_missing_row + " ほか " + std::to_string(missing_rows - 1) +
                             " 行がないため、それらの行を空にしました。");
  }
}

void USysSettings::WriteKeys(IniFile& ini) const {
  for (std::size_t i = 0; i < kUSysFlags.size(); ++i) WriteCheckBox(ini, kUSysSection, kUSysFlags[i].key, flags_[i]);
  for (std::size_t i = 0; i < kUSysChoices.size(); ++i) {
    WriteItemIndex(ini, kUSysSection, kUSysChoices[i].key, choices_[i]);
  }
  for (std::size_t i = 0; i < kUSysNumbers.size(); ++i) {
    WriteEditText(ini, kUSysSection, kUSysNumbers[i].key, numbers_[i]);
  }
  for (std::size_t i = 0; i < kUSysTables.size(); ++i) WriteTable(ini, kUSysSection, kUSysTables[i].key, tables_[i]);
}

// Defaults first, then whatever the file holds. `file_clean` tells whether the file could be read
// without losing anything; `first_run` whether it lacks the first-run marker.
void USysSettings::LoadFromFile(Interaction& interaction, bool& first_run, bool& file_clean) {
  SetDefaults();
  first_run = false;
  file_clean = false;
  const std::filesystem::path path = SettingsFilePath(program_folder_);
  std::string problems;
  std::error_code error;
  const Outcome<IniFile> ini = IniFile::Load(path);
  if (!ini) {
    problems = ini.error();
  } else if (!std::filesystem::exists(path, error)) {
    problems = "「" + path.string() + "」がありません。";
    first_run = true;
    file_clean = true;
  } else {
    if (!ini->LoadProblem().empty()) AddProblem(problems, ini->LoadProblem());
    file_clean = problems.empty();
    ReadKeys(*ini, problems);
    first_run = ini->ReadInteger(kUSysVersionSection, kUSysVersionKey, 0) == 0;
  }
  SetFixedLabels();
  RebuildHiddenStems();
  if (!problems.empty()) {
    interaction.ShowMessage("「" + path.string() + "」を読み込めない所があり、既定値を使います。\n" + problems);
  }
}

USysSettings USysSettings::FromIni(const IniFile& ini, std::string& problems) {
  USysSettings settings;
  settings.SetDefaults();
  settings.ReadKeys(ini, problems);
  settings.SetFixedLabels();
  settings.RebuildHiddenStems();
  return settings;
}

void USysSettings::Load(const std::filesystem::path& program_folder, const SettingsStore& store,
                        Interaction& interaction, FirstRunRule first_run_rule) {
  program_folder_ = program_folder;
  slot_names_ = SpiritStarSlotNamesFor(store.ReadString(kGaijiStoreKey, kGaijiStoreName));
  bool first_run = false;
  bool file_clean = false;
  LoadFromFile(interaction, first_run, file_clean);
  // A file that lost lines on reading is left as it is: rewriting it would drop them for good.
  if (first_run && file_clean && first_run_rule == FirstRunRule::kApply) RunFirstStart(interaction);
}

// A settings file from before the marker: check and save once as if the dialog had been closed,
// so the file carries every key; then mark it, whether or not the check passed.
void USysSettings::RunFirstStart(Interaction& interaction) {
  if (CloseCheck(interaction)) Save(interaction);
  const std::filesystem::path path = SettingsFilePath(program_folder_);
  IniFile ini = FileToWriteInto(path);
  ini.WriteInteger(kUSysVersionSection, kUSysVersionKey, 1);
  if (const Status saved = ini.Save(path); !saved) interaction.ShowMessage(saved.error());
}

void USysSettings::Reload(Interaction& interaction) {
  bool first_run = false;
  bool file_clean = false;
  LoadFromFile(interaction, first_run, file_clean);
}

std::filesystem::path USysSettings::DistributionFilePath() const {
  // A full path (a file outside the program folder) stays as it is when joined.
  return program_folder_ / numbers_[kZFileIndex];
}

Status USysSettings::Save(Interaction& interaction) {
  numbers_[kZFileIndex] = StripProgramFolder(numbers_[kZFileIndex], program_folder_);
  const std::filesystem::path path = SettingsFilePath(program_folder_);
  IniFile ini = FileToWriteInto(path);
  WriteKeys(ini);
  Status result = ini.Save(path);
  if (!result) interaction.ShowMessage(result.error());

  if (const Status written = SaveDistributionFile(DistributionFilePath(), Table("ZSG")); !written) {
    interaction.ShowMessage(written.error());
    if (result) result = written;
  }
  RebuildHiddenStems();
  return result;
}

bool USysSettings::CloseWithOk(Interaction& interaction) {
  if (!CloseCheck(interaction)) return false;
  // A failed write has been reported; the settings stay in force for this run.
  Save(interaction);
  return true;
}

bool USysSettings::CloseWithCancel(Interaction& interaction) {
  Reload(interaction);
  return CloseWithOk(interaction);
}

Status USysSettings::OpenDistributionFile(const std::filesystem::path& file, Interaction& interaction) {
  TextTable zsg = Table("ZSG");
  if (const Status loaded = LoadDistributionFile(file, zsg); !loaded) {
    interaction.ShowMessage(loaded.error());
    return loaded;
  }
  numbers_[kZFileIndex] = PathRelativeToProgramFolder(file, program_folder_);
  *MutableTable("ZSG") = std::move(zsg);
  SetFixedLabels();
  RebuildHiddenStems();
  return {};
}

}  // namespace kirvo
