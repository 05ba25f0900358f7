#pragma once

// A program folder for the system settings tests, with a per-user store of its own.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini_file.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"
#include "settings/sys_settings_file.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo::test {

class SysFolder {
 public:
  SysFolder() : store_(*FileSettingsStore::Open(store_folder_ / "store.txt")) {}

  // Writes a UTF-8 text as a Shift-JIS file of the program folder.
  void Write(std::string_view name, std::string_view utf8) const {
    ASSERT_TRUE(WriteShiftJisFile(folder_ / name, utf8).ok()) << name;
  }
  void WriteBytes(std::string_view name, std::string_view bytes) const {
    ASSERT_TRUE(WriteFileAtomically(folder_ / name, bytes).ok()) << name;
  }
  // SysF.ini with the section heading and the given key lines.
  void WriteSys(std::string_view key_lines) const { Write("SysF.ini", "[SysF]\n" + std::string(key_lines)); }
  // KIRVO.ini exists after the first run; without it the colours start from the defaults.
  void MarkNotFirstStart() const { Write("KIRVO.ini", "[TBarPosEntBar]\nRev=3\n"); }

  // The settings as the program loads them at start-up, the report shown through `interaction`.
  SysSettings Load(const std::optional<Branding>& branding = std::nullopt) {
    Loaded<SysSettings> loaded = LoadSysSettings(folder(), store_, branding);
    ShowLoadReport(loaded.report, interaction);
    return std::move(loaded.value);
  }

  const std::filesystem::path& folder() const { return folder_.path(); }
  FileSettingsStore& store() { return store_; }
  RecordingInteraction interaction;

 private:
  TempFolder folder_;
  TempFolder store_folder_;
  FileSettingsStore store_;
};

// The branding of `folder`, the report shown through `interaction`.
inline std::optional<Branding> BrandingShownTo(const std::filesystem::path& folder, Interaction& interaction) {
  Loaded<std::optional<Branding>> loaded = LoadBranding(folder);
  ShowLoadReport(loaded.report, interaction);
  return std::move(loaded.value);
}

// The stored text of every key, as SysF.ini would hold it after a save: a view of the whole
// settings that compares in one go and reads any key by name.
inline IniFile StoredForm(const SysSettings& settings) {
  IniFile ini;
  WriteSysSettings(ini, settings);
  return ini;
}
inline std::string StoredValue(const SysSettings& settings, std::string_view key) {
  return StoredForm(settings).ReadString("SysF", key, "<absent>");
}

}  // namespace kirvo::test
