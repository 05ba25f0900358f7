#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kirvo::cli {

// Options of the form "--name value" after a command, and flags of the form "--name". Unknown
// options and missing values are reported as a message for standard error.
struct ParsedArguments {
  std::map<std::string, std::string> options;
  std::set<std::string> flags;
  std::string error;  // empty when the arguments are usable

  bool Has(const std::string& flag) const { return flags.contains(flag); }

  std::optional<std::string> Get(const std::string& name) const {
    const auto it = options.find(name);
    return it == options.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
};

ParsedArguments ParseOptions(const std::vector<std::string>& args, const std::set<std::string>& known,
                             const std::set<std::string>& known_flags = {});

// Writes the arguments' error to standard error; true when there was one.
bool ReportArgumentError(const ParsedArguments& parsed);

// Exit code for unusable arguments.
inline constexpr int kExitUsage = 2;

// Computes the solar terms by the precise method, whatever the settings say.
inline constexpr const char* kPreciseFlag = "--precise";

}  // namespace kirvo::cli
