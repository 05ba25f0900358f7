#pragma once

#include <QRect>

#include "presentation/luck/luck_graph.h"
#include "presentation/luck/luck_graph_look.h"

class QPainter;

namespace kirvo {

// Paints the luck graph into `area` in the painter's font and the colours of `look`: the
// background, the axes with their labels and title, the two lines with their point marks, the
// legend on top. The luck window and its print both paint through this.
void PaintLuckGraph(QPainter& painter, const QRect& area, const LuckGraph& graph, const LuckGraphView& view,
                    const LuckGraphLook& look);

// Where the graph's parts go in `area` for the painter's font.
LuckGraphLayout LuckGraphLayoutIn(const QPainter& painter, const QRect& area, const LuckGraph& graph,
                                  const LuckGraphView& view);

}  // namespace kirvo
