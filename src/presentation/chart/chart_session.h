#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/date_time.h"
#include "engine/chart.h"
#include "platform/outcome.h"
#include "presentation/services/application_services.h"
#include "presentation/panel/chart_content.h"
#include "presentation/chart/chart_hand_change.h"
#include "presentation/chart/chart_text_copy.h"
#include "presentation/shared/chart_moment_model.h"

namespace kirvo {

// One person's chart as a chart window (and the command-line tool) drives it: the entry, the
// chart moment and range the window's fields hold, the last computed chart and the side panel's
// content of it. Setting the moment or the range changes only the fields; Compute runs the full
// pipeline and refreshes the content. The rules are the services' settings as they stand at each
// computation, so a committed settings change shows at the next Compute.
class ChartSession {
 public:
  // A new chart from an entry: an hour not known is taken as 12:00 and the chart has no hour
  // pillar; the chart moment is the default moment of the system settings for the birth text at
  // the clock reading `now`, in whole minutes; the range is the system settings' default. Nothing is
  // computed yet. Fails with a message when that default moment lies outside the moments the
  // program computes with. A `chart_moment` given takes the default's place, so a birth whose
  // default moment (a month after it) would fall after year 9999 still opens at a moment given.
  // `services` must outlive the session.
  static Outcome<ChartSession> Create(const ApplicationServices& services, BirthInput input, DateTime now,
                                      std::optional<DateTime> chart_moment = std::nullopt);

  // The entry as the window keeps it: an unknown hour reads as known at 12:00 (hour_known tells).
  const BirthInput& input() const { return input_; }
  bool hour_known() const { return hour_known_; }
  LuckRange range() const { return moment_.range(); }
  // The chart moment of the date and time fields, whole minutes.
  DateTime chart_moment() const { return moment_.moment(); }
  // The chart moment and range, which the window's moment strip edits in place.
  ChartMomentModel& moment_model() { return moment_; }
  const ChartMomentModel& moment_model() const { return moment_; }
  // The chart of the last successful Compute, and its content.
  const Chart& chart() const { return chart_; }
  const ChartContent& content() const { return content_; }
  bool computed() const { return computed_; }

  void SetRange(LuckRange range);
  // The moment cut to whole minutes, as the fields hold it. False (nothing changes) for a moment
  // outside those the program computes with (IsAcceptedMoment).
  bool SetChartMoment(DateTime moment);
  // "現在の日時": the default chart moment for the birth text at the clock reading `now`; false as
  // SetChartMoment.
  bool SetChartMomentToDefault(DateTime now);

  // Stepping by the period of the range: 3652.5 days at 大運まで, 365.25 at 年運まで, 30.59 at 月運まで,
  // one day at 日運まで — the date field moves and keeps its time — and two hours at 時運まで (over
  // midnight the date follows). At 命式のみ nothing moves. CanStep: back while the date less one
  // period lies after the birth, forward while the date plus one period lies before the birth plus
  // 110 years (40177.5 days); never at 命式のみ, where nothing moves.
  bool CanStep(StepDirection direction) const;
  void Step(StepDirection direction);
  // The two-hour control beside the time field: the moment moves two hours, the date following
  // over midnight (22:00 up gives 00:00 of the next day, 00:00 down 22:00 of the day before).
  void StepTwoHours(StepDirection direction);

  // The full pipeline at the chart moment, then the content. Fails with the message for the user,
  // leaving the chart and the content as they were and the moment back at the chart's, when the
  // age at the chart moment lies outside 0..110 years.
  Status Compute();
  // The content of the current chart again (the window became active, or the settings changed).
  void RefreshContent();
  // The panel's header line and the summary's age in place of the chart's own, kept through later
  // refreshes until the next Compute: a luck window shows a period's chart under its own heading.
  void SetContentHeading(std::string header, std::optional<std::string> age);
  // 命式訂正: changes one cell of the computed chart by hand, then refreshes the content, whose
  // analysis reads the changed board as it stands (the pipeline is not run again). False, changing
  // nothing, before the first computation or for a cell or entry the menu does not offer.
  bool ChangeByHand(BoardPosition cell, HandChange change);

  // The panel's header prefix: "< " + range caption + " >".
  std::string ContentPrefix() const;
  // "命式をTextでｺﾋﾟｰ": the chart's lines laid out as the system settings say, with or without the
  // 元干支蔵干 display, and a last line on the month-opening term when the birth lies near one.
  std::vector<std::string> TextCopy(bool show_original) const;

 private:
  ChartSession(const ApplicationServices& services, BirthInput input, bool hour_known);

  const ApplicationServices* services_;
  BirthInput input_;
  bool hour_known_ = true;
  ChartMomentModel moment_;
  Chart chart_;
  ChartContent content_;
  bool computed_ = false;
  std::optional<std::string> header_;  // SetContentHeading's, until the next Compute
  std::optional<std::string> age_;
};

}  // namespace kirvo
