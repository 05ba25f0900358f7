#include "settings/usys_settings_file.h"

#include <array>
#include <optional>
#include <string>
#include <system_error>

#include "platform/integer_text.h"
#include "platform/ini_controls.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"
#include "settings/distribution_file.h"
#include "settings/ini_tables.h"
#include "settings/special_characters.h"
#include "settings/sys_settings.h"
#include "settings/usys_close_check.h"

namespace kirvo {

namespace {

// Per-user key and value of the code of slot 33's second character.

// The numbers the engine converts as decimals, with the values they may take: `NGE` splits the
// balance into inner and outer patterns (it is divided by itself and by 100 − itself), `AVE` and
// `StdE` are percentages. A stored value outside its range keeps the default.
struct NumberRange {
  std::string_view key;
  double min;
  double max;
};
constexpr std::array<NumberRange, 3> kNumberRanges = {{
    {"NGE", 1, 99},
    {"AVE", 0, 100},
    {"StdE", 0, 100},
}};

std::optional<long long> StoredInteger(std::string_view value) {
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  return ParseInteger(value);
}

bool IsUsableNumber(std::string_view key, std::string_view text) {
  for (const NumberRange& range : kNumberRanges) {
    if (range.key != key) continue;
    const std::optional<double> value = ParseDecimalText(text);
    return value && *value >= range.min && *value <= range.max;
  }
  return true;  // a file name
}

void AddProblem(std::string& problems, std::string_view line) {
  if (!problems.empty()) problems += "\n";
  problems += line;
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) { return folder / kUSysFileName; }

// Reads the keys of `ini` into `settings`; each problem becomes a line of `problems`.
void ReadKeys(const IniFile& ini, USysSettings& settings, std::string& problems) {
  std::string unreadable;
  const auto note_unreadable = [&](std::string_view key, const std::string& value) {
    unreadable += (unreadable.empty() ? "" : ", ") + std::string(key) + "=" + value;
  };

  for (const FlagKey& flag : kUSysFlags) {
    const std::optional<std::string> stored = ini.Find(kUSysSection, flag.key);
    if (!stored) continue;
    if (const std::optional<long long> value = StoredInteger(*stored)) {
      settings.SetFlag(flag.key, *value != 0);
    } else {
      note_unreadable(flag.key, *stored);
    }
  }
  for (const ChoiceKey& choice : kUSysChoices) {
    const std::optional<std::string> stored = ini.Find(kUSysSection, choice.key);
    if (!stored) continue;
    const std::optional<long long> value = StoredInteger(*stored);
    if (value && *value >= 0 && *value < choice.ItemCount()) {
      settings.SetChoice(choice.key, static_cast<int>(*value));
    } else {
      note_unreadable(choice.key, *stored);
    }
  }
  for (const NumberKey& number : kUSysNumbers) {
    const std::optional<std::string> stored = ini.Find(kUSysSection, number.key);
    if (!stored) continue;
    if (IsUsableNumber(number.key, *stored)) {
      settings.SetNumber(number.key, *stored);
    } else {
      note_unreadable(number.key, *stored);
    }
  }

  std::string first_missing_row;
  int missing_rows = 0;
  for (const TableKey& key : kUSysTables) {
    for (std::size_t row = 0; row < key.rows; ++row) {
      const std::string row_key = TableRowKey(key.key, row);
      if (ini.HasKey(kUSysSection, row_key)) continue;
      if (missing_rows++ == 0) first_missing_row = row_key;
    }
    TextTable table(key.columns, key.rows);
    ReadTable(ini, kUSysSection, key.key, table);
    settings.SetTable(key.key, std::move(table));
  }

  if (!unreadable.empty()) AddProblem(problems, "読めない値は既定値のままにしました: " + unreadable);
  if (missing_rows == 1) {
    AddProblem(problems, "表の行 " + first_missing_row + " がないため、その行を空にしました。");
  } else if (missing_rows > 1) {
    AddProblem(problems, "表の行 " + first_missing_row + " ほか " + std::to_string(missing_rows - 1) +
                             " 行がないため、それらの行を空にしました。");
  }
}

// How reading the file went, for the first-run rule.
struct FileRead {
  bool first_run = false;  // no first-run marker yet
  bool clean = false;      // nothing was lost on reading, so a rewrite loses nothing either
};

// Defaults with `slot_names`, then whatever the file holds.
FileRead ReadFile(const std::filesystem::path& program_folder, USysSettings& settings, LoadReport& report) {
  FileRead read;
  const std::filesystem::path path = SettingsFilePath(program_folder);
  std::string problems;
  std::error_code error;
  const Outcome<IniFile> ini = IniFile::Load(path);
  if (!ini) {
    problems = ini.error();
  } else if (!std::filesystem::exists(path, error)) {
    problems = "「" + path.string() + "」がありません。";
    read.first_run = true;
    read.clean = true;
  } else {
    if (!ini->LoadProblem().empty()) AddProblem(problems, ini->LoadProblem());
    read.clean = problems.empty();
    ReadKeys(*ini, settings, problems);
    read.first_run = ini->ReadInteger(kUSysVersionSection, kUSysVersionKey, 0) == 0;
  }
  if (!problems.empty()) report.Add("「" + path.string() + "」を読み込めない所があり、既定値を使います。\n" + problems);
  return read;
}

// A settings file from before the marker: check and save once as if the dialog had been closed,
// so the file carries every key; then mark it, whether or not the check passed.
void RunFirstStart(const USysSettings& settings, const std::filesystem::path& program_folder, LoadReport& report) {
  if (const std::optional<CloseCheckFailure> failure = CheckRuleSettings(settings)) {
    report.Add(failure->message);
  } else if (const Status saved = SaveUSysSettings(settings, program_folder); !saved) {
    report.Add(saved.error());
  }
  const std::filesystem::path path = SettingsFilePath(program_folder);
  Outcome<IniFile> file = IniFile::Load(path);
  if (!file) {
    report.Add(NotSavedOverUnreadable(path, file.error()));
    return;
  }
  IniFile ini = std::move(file).value();
  ini.WriteInteger(kUSysVersionSection, kUSysVersionKey, 1);
  if (const Status saved = ini.Save(path); !saved) report.Add(saved.error());
}

}  // namespace

USysSettings USysSettingsFromIni(const IniFile& ini, LoadReport& report) {
  USysSettings settings;
  std::string problems;
  ReadKeys(ini, settings, problems);
  if (!problems.empty()) report.Add(problems);
  return settings;
}

void WriteUSysSettings(IniFile& ini, const USysSettings& settings) {
  for (const FlagKey& flag : kUSysFlags) WriteCheckBox(ini, kUSysSection, flag.key, settings.Flag(flag.key));
  for (const ChoiceKey& choice : kUSysChoices) {
    WriteItemIndex(ini, kUSysSection, choice.key, settings.Choice(choice.key));
  }
  for (const NumberKey& number : kUSysNumbers) {
    WriteEditText(ini, kUSysSection, number.key, settings.Number(number.key));
  }
  for (const TableKey& table : kUSysTables) WriteTable(ini, kUSysSection, table.key, settings.Table(table.key));
}

Loaded<USysSettings> LoadUSysSettings(const std::filesystem::path& program_folder, const SettingsStore& store,
                                      FirstRunRule first_run_rule) {
  Loaded<USysSettings> loaded;
  loaded.value.SetSlotNames(SpiritStarSlotNamesFor(GaijiNameSetting(ReadSpecialCharacters(store))));
  const FileRead read = ReadFile(program_folder, loaded.value, loaded.report);
  // A file that lost lines on reading is left as it is until the user saves it.
  if (read.first_run && read.clean && first_run_rule == FirstRunRule::kApply) {
    RunFirstStart(loaded.value, program_folder, loaded.report);
  }
  return loaded;
}

Loaded<USysSettings> ReloadUSysSettings(const std::filesystem::path& program_folder, const USysSettings& current) {
  Loaded<USysSettings> loaded;
  loaded.value.SetSlotNames(current.SlotNames());
  (void)ReadFile(program_folder, loaded.value, loaded.report);
  return loaded;
}

std::filesystem::path DistributionFilePath(const USysSettings& settings, const std::filesystem::path& program_folder) {
  return program_folder / settings.Number("ZFileE");
}

Status SaveUSysSettings(const USysSettings& settings, const std::filesystem::path& program_folder) {
  // A name stored with the program folder's path becomes relative again.
  const std::string distribution_file = StripProgramFolder(settings.Number("ZFileE"), program_folder);
  const std::filesystem::path path = SettingsFilePath(program_folder);
  Outcome<IniFile> file = IniFile::Load(path);
  // A file that can't be read is the user's still: it is not replaced (the distribution file is).
  Status result = file ? Status() : Status::Failure(NotSavedOverUnreadable(path, file.error()));
  if (file) {
    IniFile ini = std::move(file).value();
    WriteUSysSettings(ini, settings);
    WriteEditText(ini, kUSysSection, "ZFileE", distribution_file);
    result = ini.Save(path);
  }
  if (Status written = SaveDistributionFile(program_folder / distribution_file, settings.Table("ZSG"));
      !written && result) {
    result = std::move(written);
  }
  return result;
}

Status OpenDistributionFile(USysSettings& settings, const std::filesystem::path& file,
                            const std::filesystem::path& program_folder) {
  TextTable zsg = settings.Table("ZSG");
  if (Status loaded = LoadDistributionFile(file, zsg); !loaded) return loaded;
  settings.SetNumber("ZFileE", PathRelativeToProgramFolder(file, program_folder));
  settings.SetTable("ZSG", std::move(zsg));
  return {};
}

}  // namespace kirvo
