#pragma once

#include <string>
#include <vector>

namespace kirvo::cli {

// Each command takes the arguments after its name and returns the process exit code.
int RunPillars(const std::vector<std::string>& args);
int RunTerm(const std::vector<std::string>& args);
// "settings check [--folder DIR]": the close checks of the rule and system settings.
int RunSettingsCheck(const std::vector<std::string>& args);
// "depth-report [--folder DIR] [--now \"YYYY/MM/DD hh:nn\"]": the depth report of the rule settings.
int RunDepthReport(const std::vector<std::string>& args);

}  // namespace kirvo::cli
