#include "presentation/services/recent_files.h"

#include <algorithm>

namespace kirvo {

RecentFiles RecentFiles::FromStoredText(std::string_view text) {
  RecentFiles files;
  while (!text.empty() && files.paths_.size() < kRecentFilesLimit) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) files.paths_.emplace_back(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return files;
}

std::string RecentFiles::StoredText() const {
  std::string text;
  for (const std::string& path : paths_) {
    if (!text.empty()) text += "\r\n";
    text += path;
  }
  return text;
}

void RecentFiles::Opened(std::string_view path) {
  std::erase(paths_, std::string(path));
  paths_.insert(paths_.begin(), std::string(path));
  if (paths_.size() > kRecentFilesLimit) paths_.resize(kRecentFilesLimit);
}

std::string RecentFiles::MenuCaption(std::size_t index, std::string_view path) {
  return "&" + std::to_string(index) + " " + std::string(path);
}

}  // namespace kirvo
