#pragma once

#include "presentation/chart/chart_session.h"
#include "presentation/frame/entry_bar_rules.h"

namespace kirvo {

// What the main window needs of every child window that holds a person's chart: the session whose
// content the side panel shows while the child is active, its kind, and a way to follow changed
// settings. A child is one person's window of one kind: the frame finds it again by the two.
class ChartChild {
 public:
  virtual ~ChartChild() = default;
  virtual ChartWindowKind kind() const = 0;
  virtual const ChartSession& session() const = 0;
  // The window became active: its content is refreshed from its chart (the panel then shows it).
  virtual void Activate() = 0;
  // The system or rule settings changed: lay out and compute again under them.
  virtual void FollowSettings() = 0;
};

}  // namespace kirvo
