#pragma once

#include <optional>

#include "calendar/date_time.h"
#include "platform/outcome.h"
#include "presentation/chart/chart_session.h"
#include "presentation/luck/luck_strips.h"

namespace kirvo {

// One person's natal chart with its two luck calendar strips, as the combined window (命行) and the
// command-line tool drive them. The chart always shows the natal pillars alone (命式のみ) and works in
// whole days: its moment is the upper strip's date at 12:00. A change of a strip date computes the
// chart anew and refills the strips.
class CombinedSession {
 public:
  // Both strip dates start at `date`, else at the default chart moment of the system settings for
  // the birth at the clock reading `now`; the level is the system settings' `KCB1`. Nothing is
  // computed yet. Fails with a message as ChartSession::Create. `services` must outlive the session.
  static Outcome<CombinedSession> Create(const ApplicationServices& services, BirthInput input, DateTime now,
                                         std::optional<DateTime> date = std::nullopt);

  const ChartSession& chart() const { return chart_; }
  ChartSession& chart() { return chart_; }
  const LuckStrips& strips() const { return strips_; }

  // The chart at the upper date, 12:00; fails, keeping the chart, when that day lies outside the
  // ages a chart accepts. The strips are not refilled (FillStrips).
  Status Recompute();
  // Both strips for the chart as last computed; `today` decides the highlighted periods.
  void FillStrips(DateTime today, LuckStrips::View view = LuckStrips::View::kFresh);

  // The level selector: both strips refilled.
  void SetLevelItem(int item, DateTime today);
  // A strip's step button; a date change computes the chart anew. Either way the strips are
  // refilled, a scrolled 年運 strip keeping its view. The failure of the computation is the message
  // for the user.
  Status Step(StripSide side, StripStep step, DateTime today);
  // A strip scrolled by hand.
  void ScrollTo(StripSide side, int first_shown) { strips_.ScrollTo(side, first_shown); }
  // "現在の年月日": both dates to the default chart moment at the clock reading `now`, then as a step.
  Status Now(DateTime now, DateTime today);

 private:
  CombinedSession(const ApplicationServices& services, ChartSession chart, LuckStrips strips);
  int ShownColumns() const;

  const ApplicationServices* services_;
  ChartSession chart_;
  LuckStrips strips_;
};

}  // namespace kirvo
