#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/outcome.h"
#include "platform/settings_store.h"
#include "presentation/shared/job_control.h"

namespace kirvo {

inline constexpr std::string_view kBackupCaption = "ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ";
inline constexpr std::string_view kBackupStoreFile = "KIRVO.REG";
inline constexpr std::string_view kMissingFolderSummary = "媒体 or フォルダ がありません。";
inline constexpr std::string_view kNothingToBackUp = "バックアップするファイルがありません。";
inline constexpr std::string_view kNothingToRestore = "リストアするファイルがありません。";
inline constexpr std::string_view kCreateFolderQuestion = "フォルダ がありません。作成しますか？";
inline constexpr std::string_view kCreateFolderFailed = "フォルダ作成に失敗しました。";
inline constexpr std::string_view kBackupQuestion = "バックアップを実行してよろしいですか？";
inline constexpr std::string_view kBackupDone = "バックアップが終了しました。";
inline constexpr std::string_view kBackupNotCompleted = "バックアップは完了しませんでした。";
inline constexpr std::string_view kRestoreNotCompleted = "リストアは完了しませんでした。";
// Where a restore keeps the files it replaces, in the program folder, one subfolder per restore.
inline constexpr std::string_view kKeptBeforeRestoreFolder = "BeforeRestore";

// The four kinds of data, each with the file name extensions that belong to it (compared without
// regard to case).
struct BackupKind {
  std::string_view caption;
  std::array<std::string_view, 2> extensions;  // an empty second when there is one
};
inline constexpr std::array<BackupKind, 4> kBackupKinds = {{
    {"名前データ(*.nam)", {".nam", ""}},
    {"編集データ(*.dat)", {".dat", ""}},
    {"設定データ(*.set,*.ini)", {".set", ".ini"}},
    {"レジストリデータ", {".reg", ""}},
}};
inline constexpr int kAllBackupKinds = 15;
inline constexpr int kSettingsKind = 3;

// The dialog's kept state, per-user section "Back": "CG1" the checked kinds (bit i = kind i),
// "Edit1" the backup folder.
struct BackupChoice {
  int kinds = kAllBackupKinds;
  std::filesystem::path folder;
};
// A folder under the user's home, where a backup medium is at hand on this system.
std::filesystem::path DefaultBackupFolder();
BackupChoice ReadBackupChoice(const SettingsStore& store);
Status WriteBackupChoice(SettingsStore& store, const BackupChoice& choice);

// The files of `folder` itself (not of its subfolders) whose extension belongs to a checked kind,
// by name.
std::vector<std::filesystem::path> MatchingFiles(const std::filesystem::path& folder, int kinds);

// "【合計ファイル数：　n】　　【容量：約   k.kk Ｋバイト】" for the matching files, or the missing-folder
// text.
std::string FolderSummary(const std::filesystem::path& folder, int kinds);

// "リストアを実行してよろしいですか？" with its lead, and the closing notice of a restore, naming the program.
std::string RestoreQuestion(std::string_view title);
std::string RestoreDoneMessage(std::string_view title);

// What a copy did: the files that could not be copied, each with the reason, and whether it was
// stopped before its end.
struct CopyReport {
  std::vector<std::string> failures;
  bool stopped = false;
  bool complete() const { return failures.empty() && !stopped; }
  // Every failure on its own line, then `not_completed`.
  std::string Message(std::string_view not_completed) const;
};

// Copies `files` into `to`. Each file is written beside its target first and renamed over it when
// whole, so a target is never left half written; a failed file is reported by name and the rest
// go on. Progress goes to `control`; a stop ends the copy between files.
CopyReport CopyFiles(const std::vector<std::filesystem::path>& files, const std::filesystem::path& to,
                     JobControl& control);

// The work of a backup, after its questions: the matching files of `program_folder` into `folder`,
// then the store exported to KIRVO.REG there (whatever the kinds).
CopyReport BackUp(const std::filesystem::path& program_folder, const std::filesystem::path& folder, int kinds,
                  const SettingsStore& store, JobControl& control);

// The work of a restore, after its question: the program folder's files that the restore replaces,
// and the store, are first kept in a new folder under kKeptBeforeRestoreFolder (returned in
// `kept`); then the matching files of `folder` are copied into `program_folder`, and with the
// settings kind checked the store imports KIRVO.REG of `folder`. Nothing is replaced when keeping
// fails.
CopyReport Restore(const std::filesystem::path& program_folder, const std::filesystem::path& folder, int kinds,
                   SettingsStore& store, JobControl& control, std::filesystem::path* kept = nullptr);

}  // namespace kirvo
