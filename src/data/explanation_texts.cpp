#include "data/explanation_texts.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <system_error>
#include <unordered_map>

#include "data/line_break_escape.h"
#include "platform/ascii.h"
#include "platform/line_ends.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

template <class Names>
std::vector<std::string> EntriesFromOne(const Names& names, int entry_count) {
  return std::vector<std::string>(names.begin() + 1, names.begin() + 1 + entry_count);
}

// What tells one version of a file from another without reading it: a save through a temporary
// file and a rename gives a new inode, an edit in place a new size or modification time.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modified_ns = 0;
  std::int64_t changed_ns = 0;
  bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return std::nullopt;
  constexpr std::int64_t kNsPerSecond = 1'000'000'000;
  return FileStamp{status.st_dev, status.st_ino, status.st_size,
                   status.st_mtim.tv_sec * kNsPerSecond + status.st_mtim.tv_nsec,
                   status.st_ctim.tv_sec * kNsPerSecond + status.st_ctim.tv_nsec};
}

// How long after its last modification a file may still change without its stamp changing: the
// kernel stamps file times from a clock that advances in ticks of a few milliseconds.
inline constexpr std::int64_t kUnsettledNs = 1'000'000'000;

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// The explanation files read so far, by path: a chart looks up dozens of entries, and a large file
// read afresh for each took seconds. Shared by every window; chart content may be built on worker
// threads.
class ExplanationFileCache {
 public:
  // Line `index` of the file as stored; empty when the file ends before it.
  Outcome<std::string> Line(const std::filesystem::path& path, std::size_t index) {
    const std::optional<FileStamp> stamp = StampOf(path);
    const std::lock_guard lock(mutex_);
    auto cached = files_.find(path.string());
    if (!stamp || cached == files_.end() || cached->second.stamp != *stamp) {
      if (cached != files_.end()) files_.erase(cached);
      const std::int64_t read_at_ns = NowNs();
      Outcome<std::vector<std::string>> lines = ReadExplanationLines(path);
      if (!lines) return Outcome<std::string>::Failure(lines.error());
      // File times advance in coarse ticks: a file modified less than a moment before it was read
      // may change again without a new stamp, so it is kept only once it is older than that. A file
      // that changed while it was read is read again too.
      const std::optional<FileStamp> after = StampOf(path);
      if (!stamp || after != stamp || stamp->modified_ns > read_at_ns - kUnsettledNs) return LineOf(*lines, index);
      cached = files_.emplace(path.string(), Cached{*stamp, std::move(lines).value()}).first;
    }
    return LineOf(cached->second.lines, index);
  }

  void Forget() {
    const std::lock_guard lock(mutex_);
    files_.clear();
  }

 private:
  struct Cached {
    FileStamp stamp;
    std::vector<std::string> lines;
  };

  static std::string LineOf(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string();
  }

  std::mutex mutex_;
  std::unordered_map<std::string, Cached> files_;
};

ExplanationFileCache& FileCache() {
  static ExplanationFileCache cache;
  return cache;
}

}  // namespace

std::vector<std::string> PatternExplanationEntries(const PatternNames& names) {
  return EntriesFromOne(names, kPatternExplanations.entry_count);
}

std::vector<std::string> SpiritStarExplanationEntries(const SpiritStarSlotNames& names) {
  return EntriesFromOne(names, kSpiritStarExplanations.entry_count);
}

std::filesystem::path ExplanationFilePath(const std::filesystem::path& folder, std::string_view name) {
  const std::filesystem::path exact = folder / std::filesystem::path(name);
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (EqualsIgnoringAsciiCase(it->path().filename().string(), name)) return it->path();
  }
  return exact;
}

Outcome<std::vector<std::string>> ReadExplanationLines(const std::filesystem::path& path) {
  const Outcome<std::string> text = ReadShiftJisFile(path);
  if (!text) return Outcome<std::vector<std::string>>::Failure(text.error());
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(*text)) lines.emplace_back(line);
  return lines;
}

Status WriteExplanationLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).push_back('\n');
  Status written = WriteShiftJisFile(path, text);
  // Lookups read the saved file, even when its stamp happens to match the one read before.
  FileCache().Forget();
  return written;
}

Outcome<std::string> LookUpExplanation(const std::filesystem::path& folder, const ExplanationFile& file,
                                       int line_number) {
  const std::filesystem::path path = ExplanationFilePath(folder, file.name);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    return Outcome<std::string>::Failure("『" + std::string(file.name) + "』がありません");
  }
  const std::size_t index = line_number <= 1 ? 0 : static_cast<std::size_t>(line_number - 1);
  const Outcome<std::string> line = FileCache().Line(path, index);
  if (!line) return Outcome<std::string>::Failure(line.error());
  if (line_number < 0) return std::string();
  return ExpandLineBreaks(*line);
}

}  // namespace kirvo
