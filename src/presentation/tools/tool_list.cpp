#include "presentation/tools/tool_list.h"

#include <unistd.h>

#include <system_error>

namespace kirvo {
namespace {

std::string* Cell(ToolEntry& entry, int column) {
  switch (column) {
    case 0: return &entry.title;
    case 1: return &entry.program;
    case 2: return &entry.file;
    default: return &entry.folder;
  }
}

bool IsExecutableFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

std::filesystem::path BaseFolder(const ToolEntry& entry, const std::filesystem::path& program_folder) {
  return entry.folder.empty() ? program_folder : std::filesystem::path(entry.folder);
}

}  // namespace

ToolList ToolList::FromText(std::string_view text) {
  ToolList list;
  std::size_t at = 0;
  for (int row = 0; row < kToolRows; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (at >= text.size()) return list;
      const std::size_t comma = text.find(',', at);
      const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
      *Cell(list.rows_[static_cast<std::size_t>(row)], column) = std::string(text.substr(at, end - at));
      at = end + 1;
    }
  }
  return list;
}

std::string ToolList::Text() const {
  std::string text;
  for (ToolEntry row : rows_) {
    for (int column = 0; column < 4; ++column) (text += *Cell(row, column)) += ',';
  }
  return text;
}

ToolList ToolList::Read(const SettingsStore& store) {
  if (!store.HasValue(kToolListSection, kToolListName)) return FromText(kDefaultToolList);
  return FromText(store.ReadString(kToolListSection, kToolListName));
}

Status ToolList::Write(SettingsStore& store) const { return store.WriteString(kToolListSection, kToolListName, Text()); }

std::vector<ToolEntry> ToolList::Entries() const {
  std::vector<ToolEntry> entries;
  for (const ToolEntry& row : rows_) {
    if (row.title.empty()) break;
    entries.push_back(row);
  }
  return entries;
}

bool ToolList::Add(const ToolEntry& entry) {
  if (entry.title.empty()) return false;
  for (ToolEntry& row : rows_) {
    if (row.title.empty()) {
      row = entry;
      return true;
    }
  }
  return false;
}

bool ToolList::Remove(int row) {
  if (row < 0 || row >= kToolRows) return false;
  for (int i = row; i + 1 < kToolRows; ++i) rows_[static_cast<std::size_t>(i)] = rows_[static_cast<std::size_t>(i + 1)];
  rows_.back() = ToolEntry{};
  return true;
}

std::string MissingToolMessage(std::string_view name) { return "『" + std::string(name) + "』が見つかりません。"; }

Outcome<ToolLaunch> ResolveToolLaunch(const ToolEntry& entry, const std::filesystem::path& program_folder,
                                      std::string_view search_path) {
  const std::filesystem::path base = BaseFolder(entry, program_folder);
  std::filesystem::path file;
  // An absolute name replaces the base folder.
  if (!entry.file.empty()) file = base / entry.file;

  if (entry.program.empty()) {
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(file, error)) {
      return Outcome<ToolLaunch>::Failure(MissingToolMessage(entry.file.empty() ? entry.title : entry.file));
    }
    return ToolLaunch{OpenWithDesktop{file}};
  }

  const std::filesystem::path named(entry.program);
  std::filesystem::path program;
  if (named.has_parent_path()) {
    program = base / named;
    if (!IsExecutableFile(program)) program.clear();
  } else {
    for (std::size_t at = 0; at <= search_path.size();) {
      const std::size_t colon = std::min(search_path.find(':', at), search_path.size());
      const std::string_view folder = search_path.substr(at, colon - at);
      if (!folder.empty() && IsExecutableFile(std::filesystem::path(folder) / named)) {
        program = std::filesystem::path(folder) / named;
        break;
      }
      at = colon + 1;
    }
  }
  if (program.empty()) return Outcome<ToolLaunch>::Failure(MissingToolMessage(entry.program));
  StartProgram start{program, {}, entry.folder.empty() ? program_folder : std::filesystem::path(entry.folder)};
  // The file goes as written: the program runs in the entry's folder, where a relative name resolves.
  if (!entry.file.empty()) start.arguments.push_back(entry.file);
  return ToolLaunch{std::move(start)};
}

}  // namespace kirvo
