#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kirvo {

// The name files opened last, most recent first, at most ten full paths. The per-user store keeps
// them as one text, joined by CR LF, under the key and value name the file-history list has always
// used.
inline constexpr std::size_t kRecentFilesLimit = 10;
inline constexpr std::string_view kRecentFilesKey = "OpnFilHs\\OFH";
inline constexpr std::string_view kRecentFilesValue = "Software\\Tarvik\\KIRVO";

class RecentFiles {
 public:
  // From the stored text; empty lines are left out and the list is cut to ten.
  static RecentFiles FromStoredText(std::string_view text);
  std::string StoredText() const;

  // Opening a file moves its path to the front, dropping an older entry of the same path.
  void Opened(std::string_view path);
  const std::vector<std::string>& paths() const { return paths_; }

  // The menu caption of entry `index`: "&", the index digit, a blank, the path.
  static std::string MenuCaption(std::size_t index, std::string_view path);

 private:
  std::vector<std::string> paths_;
};

}  // namespace kirvo
