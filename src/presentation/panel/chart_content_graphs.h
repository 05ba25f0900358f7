#pragma once

#include <string>

#include "presentation/panel/chart_content_model.h"
#include "presentation/panel/element_graph.h"
#include "presentation/panel/graph_geometry.h"

namespace kirvo {

struct SysSettings;

// The two graphs of the side panel for its content: the ten-god graph `HChart` with its hint, and
// the five-element graph `GChart` in `mode`, both in the look the system settings give them. Before
// a chart was analysed (the five-element table still empty) neither has a figure and the hint is
// empty.
struct ContentGraphs {
  GraphComponent ten_gods;
  GraphComponent elements;
  std::string ten_god_hint;
};
ContentGraphs ContentGraphsOf(const ChartContent& content, ElementGraphMode mode, const SysSettings& sys);

}  // namespace kirvo
