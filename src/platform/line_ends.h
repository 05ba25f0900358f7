#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kirvo {

// Line ends of the program's text files: CR LF on disk, "\n" in memory. A lone CR or a lone LF also
// ends a line, so files edited by other tools read the same.

// The lines of a text without their line ends. A line end at the very end of the text does not
// start another (empty) line; an empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view text);

// The same lines each with its own line end as it stands (CR LF, CR, LF, or none for a last line
// without one), so that a file's lines can be written back byte for byte.
std::vector<std::string_view> SplitLinesKeepingEnds(std::string_view text);

// Every CR LF, lone CR and lone LF becomes "\n".
std::string ToNewlineEnds(std::string_view text);

// Every CR LF, lone CR and lone LF becomes CR LF.
std::string ToCrLfEnds(std::string_view text);

}  // namespace kirvo
