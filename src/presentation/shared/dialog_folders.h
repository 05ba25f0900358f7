#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace kirvo {

// Where the file dialogs open: in the folder of the last file chosen for the same kind of file,
// else in the program folder (never the working folder the program happened to start in). A kind
// is any key a dialog names its files by, such as its filter. Kept for the run.
class DialogFolders {
 public:
  explicit DialogFolders(std::filesystem::path program_folder) : program_folder_(std::move(program_folder)) {}

  std::filesystem::path StartFolder(std::string_view kind) const;
  // A file chosen in a dialog of `kind`; an empty path (a cancelled dialog) changes nothing.
  void Remember(std::string_view kind, const std::filesystem::path& chosen_file);

 private:
  std::filesystem::path program_folder_;
  std::map<std::string, std::filesystem::path, std::less<>> last_folders_;
};

}  // namespace kirvo
