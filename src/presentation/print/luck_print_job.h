#pragma once

#include <string>

#include "presentation/print/print_job.h"

namespace kirvo {

class LuckSession;
struct LuckGraph;
struct LuckTable;
struct SysSettings;

// The luck window's print ("KSG"): its table as the window shows it, with the rows the window hides
// at height 0 and the periods without data at width 0, the rows 0..2 repeated on every page, and
// the graph of favour degrees drawn above the table on the first page. The window's own table and
// graph are not touched. The title names the person and the level pair: "行運表　" + name + "　" +
// the level's caption.
PrintJob LuckPrintJob(const LuckSession& session, const SysSettings& sys);
// The same from a table and its graph, as the command-line tool builds them.
PrintJob LuckPrintJob(const LuckTable& table, const LuckGraph& graph, const SysSettings& sys);

}  // namespace kirvo
