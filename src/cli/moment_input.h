#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/date_time.h"

namespace kirvo::cli {

// Standard input whole, split into lines (a trailing CR is dropped); nothing when it is larger
// than any file the program reads (a stream without end, such as /dev/zero).
std::optional<std::vector<std::string>> ReadInputLines();

// A moment line "YYYY/MM/DD hh:nn" within the accepted moments, or the reason it is not one.
struct MomentLine {
  std::optional<DateTime> moment;
  std::string reason;
};
MomentLine ParseMomentLine(const std::string& line);
// The reason given for a date-time outside the accepted moments.
std::string OutOfRangeReason();

// Writes the whole output at once; returns false when standard output failed.
bool WriteOutput(const std::string& text);

// Reads moment lines from standard input and writes one line per input line: the input, then what
// `append` adds for its moment, or "\tERROR\t" and the reason. Every moment is computed even after
// a bad line. Returns the exit code: 0, or 1 when a line was no moment or the output failed, 2 when
// the input is too large.
int ProcessMomentLines(const std::function<void(std::string& out, DateTime moment)>& append);

}  // namespace kirvo::cli
