#pragma once

#include <string>
#include <vector>

namespace kirvo::testing {

struct CliResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Runs kirvo-cli with `args`, feeding `input` on standard input; KIRVO_HOME and KIRVO_STORE_DIR
// point at an empty temporary folder unless the arguments name a folder. `environment` ("NAME=value"
// each) is set after them.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "",
                 const std::vector<std::string>& environment = {});

}  // namespace kirvo::testing
