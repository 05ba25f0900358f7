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
// "chart [--folder DIR] --name NAME --sex 男|女 --birth \"YYYY/MM/DD hh:nn\" [--at ...] [--range 0..5]
// [--original] [--pdf FILE]": the chart window's text copy of a chart, its relation lists and the side
// panel's content; or its print as a PDF.
int RunChart(const std::vector<std::string>& args);
// "era ERA YY/MM/DD": the Gregorian date of an era date, as the era entry dialog converts it.
int RunEra(const std::vector<std::string>& args);
// "search [--year-stem S] … --from ... --to ... [--all] [--folder DIR]": the stem-branch date search.
int RunSearch(const std::vector<std::string>& args);
// "natural-time --minutes N [--equation-of-time]": standard-time moments on standard input moved to
// the natural (local mean, or true solar) time of a place N minutes east of 135°E.
int RunNaturalTime(const std::vector<std::string>& args);
// "names summary FILE.nam [--folder DIR] [--at ...] [--range 0..5]": the person list's chart summary
// of every person of a name file, tab-separated.
int RunNames(const std::vector<std::string>& args);
// "strips [--folder DIR] --name NAME --sex 男|女 --birth \"YYYY/MM/DD hh:nn\" [--at ...] [--level 0..4]": the
// combined window's two luck calendar strips, one tab-separated line per row.
int RunStrips(const std::vector<std::string>& args);
// "luck [--folder DIR] --name NAME --sex 男|女 --birth \"YYYY/MM/DD hh:nn\" [--at ...] --level 0..4
// [--columns N] [--pdf FILE]": the running-luck table, one line per row, tab-separated; or its print as a
// PDF.
int RunLuck(const std::vector<std::string>& args);

}  // namespace kirvo::cli
