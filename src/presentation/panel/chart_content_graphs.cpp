#include "presentation/panel/chart_content_graphs.h"

#include "settings/sys_settings.h"

namespace kirvo {

ContentGraphs ContentGraphsOf(const ChartContent& content, ElementGraphMode mode, const SysSettings& sys) {
  ContentGraphs graphs{TenGodGraphComponent(sys), ElementGraphComponent(sys), {}};
  const std::optional<ElementGraph> elements = ElementGraphOf(content.SG2.text, mode, sys.CP);
  ShowElementGraph(graphs.elements, elements);
  // The analysis fills the five-element table and the ten-god tally together.
  if (elements) {
    ShowTenGodGraph(graphs.ten_gods, content.ten_god_graph);
    graphs.ten_god_hint = TenGodGraphHint(content.ten_god_graph.values, sys.names.ten_god_groups);
  }
  return graphs;
}

}  // namespace kirvo
