#pragma once

// A small, valid rule settings file to start the tests from: the shipped distribution table, every
// base number 1, strength thresholds -20/0/20, every spirit star shown, empty star tables.

#include <filesystem>
#include <string>

#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"
#include "settings/usys_keys.h"
#include "settings/usys_settings_file.h"
#include "support/temp_folder.h"

namespace kirvo::test {

inline constexpr const char* kDefaultZsgRows[13] = {
    ",余,気,,中,気,,本,気,",     "子,壬,10,・,・,・,・,癸,20,", "丑,癸,9,辛,3,・,・,己,18,",
    "寅,戊,7,丙,7,・,・,甲,16,", "卯,甲,10,・,・,・,・,乙,20,", "辰,乙,9,癸,3,・,・,戊,18,",
    "巳,戊,5,庚,9,・,・,丙,16,", "午,丙,10,己,9,・,・,丁,11,",  "未,丁,9,乙,3,・,・,己,18,",
    "申,己,7,戊,3,壬,3,庚,17,",  "酉,庚,10,・,・,・,・,辛,20,", "戌,辛,9,丁,3,・,・,戊,18,",
    "亥,戊,7,甲,5,・,・,壬,18,",
};

// "label,v,v,...," with `columns` cells.
inline std::string UniformRow(const std::string& label, const std::string& value, std::size_t columns) {
  std::string row = label + ",";
  for (std::size_t c = 1; c < columns; ++c) row += value + ",";
  return row;
}

// The UTF-8 text of a valid USysF.ini; `with_marker` adds the first-run marker V122=1.
inline std::string ValidUSysText(bool with_marker = true) {
  std::string text = with_marker ? "[USys]\nV122=1\n" : "";
  text += "[USysF]\nZFileE=Default.zou\n";
  for (int row = 0; row < 13; ++row) text += "ZSG-Row" + std::to_string(row) + "=" + kDefaultZsgRows[row] + "\n";
  for (const TableKey& table : kUSysTables) {
    if (table.key == "ZSG") continue;
    for (std::size_t row = 0; row < table.rows; ++row) {
      std::string cells;
      if (table.key == "SSG") cells = UniformRow("r" + std::to_string(row), "1", table.columns);
      if (table.key == "SiSG") cells = UniformRow("", "1", table.columns);
      if (table.key == "MSG") cells = "弱,-20,中,0,強,20,旺,";
      if (table.key == "SSG2") cells = "同,2,生,1,洩,-1,剋,-2,財,0,";
      text += std::string(table.key) + "-Row" + std::to_string(row) + "=" + cells + "\n";
    }
  }
  return text;
}

// `text` with the value of the line of `key` replaced (the key must be there).
inline std::string WithValue(std::string text, const std::string& key, const std::string& value) {
  const std::size_t start = text.find("\n" + key + "=") + key.size() + 2;
  return text.replace(start, text.find('\n', start) - start, value);
}

// `text` without the lines of `first_key` up to (not including) `end_key`.
inline std::string WithoutLines(std::string text, const std::string& first_key, const std::string& end_key) {
  const std::size_t start = text.find("\n" + first_key + "=") + 1;
  return text.erase(start, text.find("\n" + end_key + "=") + 1 - start);
}

// A program folder holding USysF.ini (and Default.zou) plus a per-user store of its own.
class ProgramFolderFixture {
 public:
  explicit ProgramFolderFixture(const std::string& usys_text = ValidUSysText())
      : store_(*FileSettingsStore::Open(store_folder_ / "store.txt")) {
    WriteUSys(usys_text);
  }
  void WriteUSys(const std::string& utf8) const { (void)WriteShiftJisFile(folder_ / "USysF.ini", utf8); }
  std::string ReadUSys() const { return ReadShiftJisFile(folder_ / "USysF.ini").value(); }

  const std::filesystem::path& folder() const { return folder_.path(); }
  FileSettingsStore& store() { return store_; }

 private:
  TempFolder folder_;
  TempFolder store_folder_;
  FileSettingsStore store_;
};

// The folder's rule settings as the program loads them at start-up, the report shown through
// `interaction`.
inline USysSettings LoadUSys(ProgramFolderFixture& fixture, Interaction& interaction,
                             FirstRunRule first_run_rule = FirstRunRule::kApply) {
  Loaded<USysSettings> loaded = LoadUSysSettings(fixture.folder(), fixture.store(), first_run_rule);
  ShowLoadReport(loaded.report, interaction);
  return std::move(loaded.value);
}

}  // namespace kirvo::test
