#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "data/memo_list.h"
#include "platform/outcome.h"
#include "platform/text_file.h"

namespace kirvo {

// The memo files of the program folder. Their names have been spelled in several cases over the
// years ("Memo.dat", "MEMO.DAT"); an existing file is found whatever the case of its name, so that
// each of them is one file also on a disk that tells cases apart.
inline constexpr std::string_view kMemoFileName = "Memo.Dat";
inline constexpr std::string_view kMemoBackupFileName = "Memo.Bak";
// The copy of the memos an editor takes when it opens, so that its Cancel restores them. The
// editors are modal, never open together, and share the one file.
inline constexpr std::string_view kMemoCheckpointFileName = "Memo.Tmp";

std::filesystem::path MemoFilePath(const std::filesystem::path& folder);
std::filesystem::path MemoBackupPath(const std::filesystem::path& folder);
std::filesystem::path MemoCheckpointPath(const std::filesystem::path& folder);

// "Memo.Dat がありません。"
std::string MissingMemoFileMessage();

// The memo lines of a file's bytes (Shift-JIS; CR LF, CR or LF line ends). A line that is not
// Shift-JIS is kept as its bytes and named in `report`. Not normalised.
MemoList ParseMemoFileBytes(std::string_view bytes, std::string_view file_name, LoadReport& report);

// The bytes of the file: every line in Shift-JIS followed by CR LF; an unreadable line as it was
// read. A text without a Shift-JIS code is an error naming it.
Outcome<std::string> MemoFileBytes(const MemoList& list);

// Reads and normalises "Memo.Dat". A missing or unreadable file gives the header alone and the
// message in the report; the first memo added then never becomes the hidden header.
Loaded<MemoList> LoadMemoFile(const std::filesystem::path& folder);

// Saving: the old "Memo.Dat" becomes "Memo.Bak", then the list becomes "Memo.Dat". Both new files
// are written and synced before either is put in place, and each goes in with a rename, so that a
// crash at any point leaves a whole "Memo.Dat" (old or new) and a whole backup.
class MemoFileSave {
 public:
  static Outcome<MemoFileSave> Prepare(const std::filesystem::path& folder, const MemoList& list);
  // The old file in place as the backup (nothing when there was no old file).
  Status CommitBackup();
  // The new file in place.
  Status CommitFile();

 private:
  MemoFileSave() = default;
  std::optional<FileReplacement> backup_;
  std::optional<FileReplacement> file_;
};

Status SaveMemoFile(const std::filesystem::path& folder, const MemoList& list);

// The editors' checkpoint: written when an editor opens, read back by its Cancel.
Status WriteMemoCheckpoint(const std::filesystem::path& folder, const MemoList& list);
Outcome<MemoList> ReadMemoCheckpoint(const std::filesystem::path& folder);

}  // namespace kirvo
