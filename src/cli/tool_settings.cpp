#include "cli/tool_settings.h"

#include <cstdio>
#include <filesystem>

#include "platform/per_user_folder.h"

namespace kirvo::cli {

std::optional<ApplicationServices> LoadServicesOrReport(const std::optional<std::string>& folder,
                                                        Interaction& interaction) {
  std::optional<std::filesystem::path> path;
  if (folder) {
    path = *folder;
  } else {
    for (const std::string& notice : PrepareProgramFolder().notices) std::fprintf(stderr, "%s\n", notice.c_str());
  }
  Outcome<ApplicationServices> loaded = ApplicationServices::Load(path, interaction);
  if (!loaded) {
    std::fprintf(stderr, "%s\n", loaded.error().c_str());
    return std::nullopt;
  }
  return std::move(loaded).value();
}

}  // namespace kirvo::cli
