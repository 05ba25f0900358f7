#pragma once

#include <optional>
#include <string>

#include "platform/interaction.h"
#include "presentation/services/application_services.h"

namespace kirvo::cli {

// The services a command works with: those of --folder DIR, else of the program folder, else the
// shipped defaults (ApplicationServices::Load). Nothing is written, except that an installed
// program's per-user folder is filled with the shipped files it lacks (its notices go to standard
// error). A folder or store that can't be read is written to standard error, and the command then
// exits 2.
std::optional<ApplicationServices> LoadServicesOrReport(const std::optional<std::string>& folder,
                                                        Interaction& interaction);

}  // namespace kirvo::cli
