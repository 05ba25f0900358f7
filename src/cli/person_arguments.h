#pragma once

#include <string>
#include <variant>

#include "cli/arguments.h"
#include "engine/chart_record.h"

namespace kirvo::cli {

// The person of "--name NAME --sex 男|女 --birth "YYYY/MM/DD hh:nn"" (an unknown hour "99:99"), or
// the message for standard error naming the option that is wrong.
std::variant<BirthInput, std::string> ReadPersonArguments(const ParsedArguments& parsed);

}  // namespace kirvo::cli
