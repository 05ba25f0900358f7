#include "presentation/tools/backup.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "platform/ascii.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

constexpr std::string_view kChoiceSection = "Back";
constexpr std::string_view kKindsName = "CG1";
constexpr std::string_view kFolderName = "Edit1";
constexpr std::string_view kDefaultFolderName = "KirvoBackup";

bool BelongsToKinds(const std::filesystem::path& file, int kinds) {
  const std::string extension = file.extension().string();
  for (std::size_t kind = 0; kind < kBackupKinds.size(); ++kind) {
    if ((kinds & (1 << kind)) == 0) continue;
    for (std::string_view wanted : kBackupKinds[kind].extensions) {
      if (!wanted.empty() && EqualsIgnoringAsciiCase(extension, wanted)) return true;
    }
  }
  return false;
}

// "%10.2n": two decimals, thousands separated by ",", right-aligned in ten places.
std::string KilobyteText(double kilobytes) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%.2f", kilobytes);
  std::string whole(digits, std::string_view(digits).find('.'));
  const std::string fraction = std::string(digits).substr(whole.size());
  for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3) whole.insert(static_cast<std::size_t>(at), ",");
  std::string text = whole + fraction;
  if (text.size() < 10) text.insert(0, 10 - text.size(), ' ');
  return text;
}

std::string FileName(const std::filesystem::path& file) { return file.filename().string(); }

// A copy written beside the target and renamed over it when whole.
Status CopyOneFile(const std::filesystem::path& from, const std::filesystem::path& target) {
  Outcome<std::string> bytes = ReadFileBytes(from);
  if (!bytes) return Status::Failure(bytes.error());
  return WriteFileAtomically(target, bytes.value());
}

std::filesystem::path NewKeptFolder(const std::filesystem::path& program_folder) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::filesystem::path base = program_folder / kKeptBeforeRestoreFolder;
  std::filesystem::path folder = base / stamp;
  std::error_code error;
  for (int n = 2; std::filesystem::exists(folder, error); ++n) folder = base / (std::string(stamp) + "-" + std::to_string(n));
  return folder;
}

}  // namespace

std::filesystem::path DefaultBackupFolder() {
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : ".") / kDefaultFolderName;
}

BackupChoice ReadBackupChoice(const SettingsStore& store) {
  BackupChoice choice;
  choice.folder = DefaultBackupFolder();
  const std::string kinds = store.ReadString(kChoiceSection, kKindsName);
  if (!kinds.empty() && std::all_of(kinds.begin(), kinds.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
      kinds.size() <= 2) {
    choice.kinds = std::stoi(kinds) & kAllBackupKinds;
  }
  const std::string folder = store.ReadString(kChoiceSection, kFolderName);
  if (!folder.empty()) choice.folder = folder;
  return choice;
}

Status WriteBackupChoice(SettingsStore& store, const BackupChoice& choice) {
  if (Status written = store.WriteString(kChoiceSection, kKindsName, std::to_string(choice.kinds)); !written) {
    return written;
  }
  return store.WriteString(kChoiceSection, kFolderName, choice.folder.string());
}

std::vector<std::filesystem::path> MatchingFiles(const std::filesystem::path& folder, int kinds) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error) && BelongsToKinds(it->path(), kinds)) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string FolderSummary(const std::filesystem::path& folder, int kinds) {
  std::error_code error;
  if (folder.empty() || !std::filesystem::is_directory(folder, error)) return std::string(kMissingFolderSummary);
  const std::vector<std::filesystem::path> files = MatchingFiles(folder, kinds);
  std::uintmax_t bytes = 0;
  for (const std::filesystem::path& file : files) {
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error) bytes += size;
  }
  return "【合計ファイル数：　" + std::to_string(files.size()) + "】　　【容量：約" +
         KilobyteText(static_cast<double>(bytes) / 1024.0) + " Ｋバイト】";
}

std::string RestoreQuestion(std::string_view title) {
  return "現在編集中の内容は破棄され、内容を反映させる為、" + std::string(title) + "の再起動が必要となります。\n\r\n\r" +
         "リストアを実行してよろしいですか？";
}

std::string RestoreDoneMessage(std::string_view title) {
  return "リストアが終了しました。内容を反映させる為、\n\r\n\r一旦、" + std::string(title) + " を終了しますので、\n\r\n\r再度、" +
         std::string(title) + "起動してください。";
}

std::string CopyReport::Message(std::string_view not_completed) const {
  std::string text;
  for (const std::string& failure : failures) (text += failure) += "\n";
  if (stopped) text += "中断しました。\n";
  return text + std::string(not_completed);
}

CopyReport CopyFiles(const std::vector<std::filesystem::path>& files, const std::filesystem::path& to,
                     JobControl& control) {
  CopyReport report;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!control.Report(static_cast<int>(i * 100 / std::max<std::size_t>(files.size(), 1)))) {
      report.stopped = true;
      return report;
    }
    if (Status copied = CopyOneFile(files[i], to / files[i].filename()); !copied) {
      report.failures.push_back("『" + FileName(files[i]) + "』をコピーできませんでした。" + copied.error());
    }
  }
  control.Report(100);
  return report;
}

CopyReport BackUp(const std::filesystem::path& program_folder, const std::filesystem::path& folder, int kinds,
                  const SettingsStore& store, JobControl& control) {
  CopyReport report = CopyFiles(MatchingFiles(program_folder, kinds), folder, control);
  if (report.stopped) return report;
  if (Status exported = store.ExportTo(folder / kBackupStoreFile); !exported) {
    report.failures.push_back("『" + std::string(kBackupStoreFile) + "』を書けませんでした。" + exported.error());
  }
  return report;
}

CopyReport Restore(const std::filesystem::path& program_folder, const std::filesystem::path& folder, int kinds,
                   SettingsStore& store, JobControl& control, std::filesystem::path* kept) {
  const std::vector<std::filesystem::path> files = MatchingFiles(folder, kinds);
  CopyReport report;

  // First what the restore replaces, so that a wrong restore can be undone.
  std::vector<std::filesystem::path> replaced;
  std::error_code error;
  for (const std::filesystem::path& file : files) {
    const std::filesystem::path current = program_folder / file.filename();
    if (std::filesystem::is_regular_file(current, error)) replaced.push_back(current);
  }
  const std::filesystem::path keep = NewKeptFolder(program_folder);
  if (kept) *kept = keep;
  std::filesystem::create_directories(keep, error);
  if (error) {
    report.failures.push_back("『" + keep.string() + "』を作成できませんでした。");
    return report;
  }
  JobControl keeping;
  CopyReport kept_report = CopyFiles(replaced, keep, keeping);
  if (Status exported = store.ExportTo(keep / kBackupStoreFile); !exported) {
    kept_report.failures.push_back("『" + std::string(kBackupStoreFile) + "』を書けませんでした。" + exported.error());
  }
  if (!kept_report.complete()) return kept_report;

  report = CopyFiles(files, program_folder, control);
  if (report.stopped) return report;
  const std::filesystem::path settings = folder / kBackupStoreFile;
  if ((kinds & (1 << kSettingsKind)) != 0 && std::filesystem::is_regular_file(settings, error)) {
    if (Status imported = store.ImportFrom(settings); !imported) {
      report.failures.push_back("『" + std::string(kBackupStoreFile) + "』を読み込めませんでした。" + imported.error());
    }
  }
  return report;
}

}  // namespace kirvo
