#include "platform/per_user_folder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/text_file.h"

namespace kirvo {
namespace {

// The program's own files: replaced in the per-user folder when the installed ones change, as the
// build replaces them in a portable folder. A name ending in "/" stands for a whole subfolder.
constexpr std::array<std::string_view, 2> kProgramOwnFiles = {"help/", "JapanMap.png"};

bool IsProgramOwn(std::string_view name) {
  return std::any_of(kProgramOwnFiles.begin(), kProgramOwnFiles.end(),
                     [name](std::string_view own) { return own.back() == '/' ? name.starts_with(own) : name == own; });
}

// FNV-1a, 64 bits: a stable fingerprint of a file's bytes across builds and machines.
std::uint64_t Fingerprint(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char byte : bytes) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string HexText(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
  return text;
}

using ShippedRecord = std::map<std::string, std::string, std::less<>>;  // name → fingerprint text

ShippedRecord ReadRecord(const std::filesystem::path& file) {
  ShippedRecord record;
  const Outcome<std::string> text = ReadShiftJisFile(file);
  if (!text) return record;
  std::string_view rest = *text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    const std::size_t space = line.find(' ');
    if (space == 16 && line.size() > 17) record[std::string(line.substr(17))] = std::string(line.substr(0, 16));
  }
  return record;
}

Status WriteRecord(const std::filesystem::path& file, const ShippedRecord& record) {
  std::string text;
  for (const auto& [name, fingerprint] : record) text += fingerprint + ' ' + name + '\n';
  return WriteShiftJisFile(file, text);
}

// The shipped files, regular files only, as names relative to the share folder with "/" between
// parts, in a fixed order.
std::vector<std::string> ShippedNames(const std::filesystem::path& share_folder, std::vector<std::string>& problems) {
  std::vector<std::string> names;
  std::error_code error;
  std::filesystem::recursive_directory_iterator entries(share_folder, error);
  if (error) {
    problems.push_back(share_folder.string() + ": " + error.message());
    return names;
  }
  for (auto it = std::filesystem::begin(entries); it != std::filesystem::end(entries); it.increment(error)) {
    if (error) {
      problems.push_back(share_folder.string() + ": " + error.message());
      break;
    }
    std::error_code kind_error;
    if (it->is_regular_file(kind_error)) {
      names.push_back(it->path().lexically_relative(share_folder).generic_string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Whether the shipped file was changed after the user's file: for a file the record does not know
// (one the user brought in from a portable folder), its age is all there is to go by.
bool ShippedIsNewer(const std::filesystem::path& shipped, const std::filesystem::path& user) {
  std::error_code error;
  const auto shipped_time = std::filesystem::last_write_time(shipped, error);
  if (error) return false;
  const auto user_time = std::filesystem::last_write_time(user, error);
  return !error && shipped_time > user_time;
}

Status WriteNewFile(const std::filesystem::path& target, std::string_view bytes) {
  std::error_code error;
  std::filesystem::create_directories(target.parent_path(), error);
  if (error) return Status::Failure(target.parent_path().string() + ": " + error.message());
  return WriteFileAtomically(target, bytes);
}

}  // namespace

PerUserFillReport FillPerUserFolder(const std::filesystem::path& share_folder,
                                    const std::filesystem::path& user_folder) {
  PerUserFillReport report;
  std::error_code error;
  std::filesystem::create_directories(user_folder, error);
  if (error) {
    report.problems.push_back(user_folder.string() + ": " + error.message());
    return report;
  }
  const std::filesystem::path record_file = user_folder / kShippedRecordFile;
  ShippedRecord record = ReadRecord(record_file);
  const ShippedRecord record_before = record;

  for (const std::string& name : ShippedNames(share_folder, report.problems)) {
    const std::filesystem::path shipped_path = share_folder / name;
    const std::filesystem::path user_path = user_folder / name;
    const Outcome<std::string> shipped = ReadFileBytes(shipped_path);
    if (!shipped) {
      report.problems.push_back(shipped.error());
      continue;
    }
    const std::string fingerprint = HexText(Fingerprint(*shipped));
    const bool user_has = std::filesystem::exists(std::filesystem::symlink_status(user_path, error));
    if (!user_has || IsProgramOwn(name)) {
      if (user_has) {
        const Outcome<std::string> current = ReadFileBytes(user_path);
        if (current && *current == *shipped) {
          record[name] = fingerprint;
          continue;
        }
      }
      if (const Status written = WriteNewFile(user_path, *shipped); !written) {
        report.problems.push_back(written.error());
        continue;
      }
      (user_has ? report.refreshed : report.copied).push_back(name);
      record[name] = fingerprint;
      continue;
    }
    const auto seen = record.find(name);
    if (seen != record.end() && seen->second == fingerprint) continue;
    const Outcome<std::string> current = ReadFileBytes(user_path);
    const bool same = current && *current == *shipped;
    if (!same && (seen != record.end() || ShippedIsNewer(shipped_path, user_path))) {
      report.newer_shipped.push_back(name);
    }
    record[name] = fingerprint;
  }
  if (record != record_before) {
    if (const Status written = WriteRecord(record_file, record); !written) report.problems.push_back(written.error());
  }
  return report;
}

std::vector<std::string> PerUserFillNotices(const PerUserFillReport& report, const std::filesystem::path& share_folder,
                                            const std::filesystem::path& user_folder) {
  std::vector<std::string> notices;
  for (const std::string& name : report.newer_shipped) {
    notices.push_back("新しい版の" + name + "が" + share_folder.string() + "にあります。" + user_folder.string() +
                      "の" + name + "は、お使いのままにしてあります。");
  }
  for (const std::string& problem : report.problems) {
    notices.push_back("プログラムのファイルを" + user_folder.string() + "に用意できません。\n" + problem);
  }
  return notices;
}

PreparedProgramFolder PrepareProgramFolder(const ProgramSurroundings& surroundings) {
  PreparedProgramFolder prepared{ChooseProgramFolder(surroundings), {}};
  if (prepared.choice.kind != ProgramFolderKind::kPerUser) return prepared;
  const std::filesystem::path share = InstalledShareFolder(surroundings.executable_folder);
  std::error_code error;
  if (!std::filesystem::is_directory(share, error)) return prepared;
  prepared.notices =
      PerUserFillNotices(FillPerUserFolder(share, prepared.choice.folder), share, prepared.choice.folder);
  return prepared;
}

}  // namespace kirvo
