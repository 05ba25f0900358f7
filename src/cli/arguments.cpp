#include "cli/arguments.h"

#include <cstdio>

namespace kirvo::cli {

ParsedArguments ParseOptions(const std::vector<std::string>& args, const std::set<std::string>& known,
                             const std::set<std::string>& known_flags) {
  ParsedArguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (known_flags.contains(name)) {
      parsed.flags.insert(name);
      continue;
    }
    if (!known.contains(name)) {
      parsed.error = "不明な引数です: " + name;
      return parsed;
    }
    if (i + 1 >= args.size()) {
      parsed.error = name + " の値がありません";
      return parsed;
    }
    parsed.options[name] = args[++i];
  }
  return parsed;
}

bool ReportArgumentError(const ParsedArguments& parsed) {
  if (parsed.error.empty()) return false;
  std::fprintf(stderr, "%s\n", parsed.error.c_str());
  return true;
}

}  // namespace kirvo::cli
