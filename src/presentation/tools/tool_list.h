#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/outcome.h"
#include "platform/settings_store.h"

namespace kirvo {

inline constexpr std::string_view kToolSettingsCaption = "ﾂｰﾙの設定";
inline constexpr std::string_view kToolListSection = "Tool";
inline constexpr std::string_view kToolListName = "SG1";
inline constexpr int kToolRows = 10;
inline constexpr std::array<std::string_view, 4> kToolColumnCaptions = {"タイトル", "プログラム", "ファイル",
                                                                         "実行時のﾃﾞｨﾚｸﾄﾘ"};
// A calculator and the readme, as shipped; the readme has no program, so the desktop opens it with
// its own handler for text files.
inline constexpr std::string_view kDefaultToolList =
    "電卓,gnome-calculator,,,Readme,,Readme.txt,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,";

// One row of the tools list: the menu caption, the program, the file passed to it and the folder it
// runs in. Without a program the file is opened by the desktop's handler for its kind.
struct ToolEntry {
  std::string title;
  std::string program;
  std::string file;
  std::string folder;

  bool operator==(const ToolEntry&) const = default;
};

// The ten rows of the tools dialog. The entries are the rows from the top down to the first row
// with an empty title.
class ToolList {
 public:
  ToolList() = default;
  // The 40 cells row by row, each followed by ","; what is missing reads as empty.
  static ToolList FromText(std::string_view text);
  std::string Text() const;

  // The store's list, or the shipped one when the store has none.
  static ToolList Read(const SettingsStore& store);
  Status Write(SettingsStore& store) const;

  const std::array<ToolEntry, kToolRows>& rows() const { return rows_; }
  std::vector<ToolEntry> Entries() const;

  // "追加": into the first row with an empty title; false when the title is empty or all rows are
  // used.
  bool Add(const ToolEntry& entry);
  // "削除": the rows below move up and the last becomes empty; false for a row out of range.
  bool Remove(int row);

 private:
  std::array<ToolEntry, kToolRows> rows_;
};

// How an entry starts: its program with the file as argument in its folder, or its file opened by
// the desktop, or a refusal that says what is missing.
struct StartProgram {
  std::filesystem::path program;
  std::vector<std::string> arguments;
  std::filesystem::path folder;
};
struct OpenWithDesktop {
  std::filesystem::path file;
};
using ToolLaunch = std::variant<StartProgram, OpenWithDesktop>;

// "『name』が見つかりません。"
std::string MissingToolMessage(std::string_view name);

// Resolves `entry`: a program named without a folder is searched on `search_path` (the PATH
// variable's form), a relative file or program under the entry's folder, else `program_folder`.
// A program that is not an executable file, or a file to open that does not exist, is refused with
// the missing-tool message, so the user learns which name to correct.
Outcome<ToolLaunch> ResolveToolLaunch(const ToolEntry& entry, const std::filesystem::path& program_folder,
                                      std::string_view search_path);

}  // namespace kirvo
