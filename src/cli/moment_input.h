#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/date_time.h"

namespace kirvo::cli {

// Standard input whole, split into lines (a trailing CR is dropped).
std::vector<std::string> ReadInputLines();

// A moment line "YYYY/MM/DD hh:nn", or the reason it is not one.
struct MomentLine {
  std::optional<DateTime> moment;
  std::string reason;
};
MomentLine ParseMomentLine(const std::string& line);

// Writes the whole output at once; returns false when standard output failed.
bool WriteOutput(const std::string& text);

}  // namespace kirvo::cli
