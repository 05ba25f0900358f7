#include "presentation/shared/dialog_folders.h"

namespace kirvo {

std::filesystem::path DialogFolders::StartFolder(std::string_view kind) const {
  const auto found = last_folders_.find(kind);
  return found != last_folders_.end() ? found->second : program_folder_;
}

void DialogFolders::Remember(std::string_view kind, const std::filesystem::path& chosen_file) {
  if (chosen_file.empty() || !chosen_file.has_parent_path()) return;
  last_folders_.insert_or_assign(std::string(kind), chosen_file.parent_path());
}

}  // namespace kirvo
