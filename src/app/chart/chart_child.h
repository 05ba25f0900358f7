#pragma once

#include "presentation/chart/chart_session.h"

namespace kirvo {

// What the main window needs of every child window that holds a person's chart: the session whose
// content the side panel shows while the child is active, and a way to follow changed settings.
class ChartChild {
 public:
  virtual ~ChartChild() = default;
  virtual const ChartSession& session() const = 0;
  // The window became active: its content is refreshed from its chart (the panel then shows it).
  virtual void Activate() = 0;
  // The system or rule settings changed: lay out and compute again under them.
  virtual void FollowSettings() = 0;
};

}  // namespace kirvo
