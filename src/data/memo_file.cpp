#include "data/memo_file.h"

#include "data/explanation_texts.h"
#include "platform/line_ends.h"
#include "platform/shift_jis.h"

namespace kirvo {

std::filesystem::path MemoFilePath(const std::filesystem::path& folder) {
  return ExplanationFilePath(folder, kMemoFileName);
}
std::filesystem::path MemoBackupPath(const std::filesystem::path& folder) {
  return ExplanationFilePath(folder, kMemoBackupFileName);
}
std::filesystem::path MemoCheckpointPath(const std::filesystem::path& folder) {
  return ExplanationFilePath(folder, kMemoCheckpointFileName);
}

std::string MissingMemoFileMessage() { return std::string(kMemoFileName) + " がありません。"; }

MemoList ParseMemoFileBytes(std::string_view bytes, std::string_view file_name, LoadReport& report) {
  std::vector<MemoList::Line> lines;
  std::size_t number = 0;
  // A Shift-JIS trail byte is never CR or LF, so the bytes split into lines before decoding.
  for (std::string_view raw : SplitLines(bytes)) {
    ++number;
    Outcome<std::string> text = DecodeShiftJis(raw);
    if (text) {
      lines.push_back(MemoList::Line{std::move(text).value(), std::nullopt});
      continue;
    }
    const bool keyed = MemoKey::Parse(raw).has_value();
    lines.push_back(MemoList::Line{keyed ? std::string(raw.substr(0, kMemoKeyLength)) : std::string(), std::string(raw)});
    report.Add("「" + std::string(file_name) + "」の " + std::to_string(number) + " 行目は読めないため、そのまま残します: " +
               text.error());
  }
  return MemoList(std::move(lines));
}

Outcome<std::string> MemoFileBytes(const MemoList& list) {
  std::string bytes;
  for (const MemoList::Line& line : list.lines()) {
    if (line.unread) {
      bytes += *line.unread;
    } else {
      const Outcome<std::string> encoded = EncodeShiftJis(line.text);
      if (!encoded) return encoded;
      bytes += *encoded;
    }
    bytes += "\r\n";
  }
  return bytes;
}

Loaded<MemoList> LoadMemoFile(const std::filesystem::path& folder) {
  Loaded<MemoList> loaded;
  const std::filesystem::path path = MemoFilePath(folder);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    loaded.report.Add(MissingMemoFileMessage());
    return loaded;
  }
  const Outcome<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    loaded.report.Add(bytes.error());
    return loaded;
  }
  loaded.value = ParseMemoFileBytes(*bytes, path.filename().string(), loaded.report);
  loaded.value.Normalise();
  return loaded;
}

Outcome<MemoFileSave> MemoFileSave::Prepare(const std::filesystem::path& folder, const MemoList& list) {
  const Outcome<std::string> bytes = MemoFileBytes(list);
  const std::filesystem::path path = MemoFilePath(folder);
  if (!bytes) return Outcome<MemoFileSave>::Failure("「" + path.string() + "」 に書けません: " + bytes.error());
  MemoFileSave save;
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    // A file that cannot be read is still the user's: without its copy nothing is replaced.
    const Outcome<std::string> old = ReadFileBytes(path);
    if (!old) return Outcome<MemoFileSave>::Failure("控えを作れないため保存しません: " + old.error());
    Outcome<FileReplacement> copy = FileReplacement::Prepare(MemoBackupPath(folder), *old);
    if (!copy) return Outcome<MemoFileSave>::Failure(copy.error());
    save.backup_.emplace(std::move(copy).value());
  }
  Outcome<FileReplacement> file = FileReplacement::Prepare(path, *bytes);
  if (!file) return Outcome<MemoFileSave>::Failure(file.error());
  save.file_.emplace(std::move(file).value());
  return save;
}

Status MemoFileSave::CommitBackup() {
  if (!backup_) return {};
  Status done = backup_->Commit();
  backup_.reset();
  return done;
}

Status MemoFileSave::CommitFile() {
  if (!file_) return {};
  Status done = file_->Commit();
  file_.reset();
  return done;
}

Status SaveMemoFile(const std::filesystem::path& folder, const MemoList& list) {
  Outcome<MemoFileSave> save = MemoFileSave::Prepare(folder, list);
  if (!save) return Status::Failure(save.error());
  if (Status kept = save.value().CommitBackup(); !kept) return kept;
  return save.value().CommitFile();
}

Status WriteMemoCheckpoint(const std::filesystem::path& folder, const MemoList& list) {
  const Outcome<std::string> bytes = MemoFileBytes(list);
  if (!bytes) return Status::Failure(bytes.error());
  return WriteFileAtomically(MemoCheckpointPath(folder), *bytes);
}

Outcome<MemoList> ReadMemoCheckpoint(const std::filesystem::path& folder) {
  const Outcome<std::string> bytes = ReadFileBytes(MemoCheckpointPath(folder));
  if (!bytes) return Outcome<MemoList>::Failure(bytes.error());
  LoadReport ignored;
  return ParseMemoFileBytes(*bytes, kMemoCheckpointFileName, ignored);
}

}  // namespace kirvo
