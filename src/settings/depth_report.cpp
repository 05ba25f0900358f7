#include "settings/depth_report.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "calendar/sexagenary.h"
#include "platform/shift_jis.h"
#include "settings/hidden_stem_table.h"

namespace kirvo {

namespace {

constexpr std::string_view kHeaderLine = "|　| 余気| 　中　気　| 本気";

// Blanks standing for a 中 segment of no length, so the following columns keep their place.
constexpr int kFirstMiddleBlankBytes = 23;
constexpr int kSecondMiddleBlankBytes = 26;

// The depth kinds in report order, with the period each is measured in.
struct DepthKind {
  std::string_view label;
  PeriodKind period;
  int pillar_slot;  // the pillar whose branch names the current period
};
constexpr std::array<DepthKind, 4> kDepthKinds = {{
    {"月の深浅", PeriodKind::kYear, MomentPillars::kYear},
    {"日の深浅", PeriodKind::kMonth, MomentPillars::kMonth},
    {"時の深浅", PeriodKind::kDay, MomentPillars::kDay},
    {"刻の深浅", PeriodKind::kDoubleHour, MomentPillars::kHour},
}};

// Nominal length in days of a period of `kind` (year, month, day, double hour).
double NominalLength(PeriodKind kind) { return kPeriodLengthDays[static_cast<int>(kind) + 1]; }

std::string PaddedLeft(const std::string& text, int width_bytes) {
  const int width = ShiftJisWidth(text);
  return width >= width_bytes ? text : std::string(width_bytes - width, ' ') + text;
}

// "yyyy/m/d h:n": no leading zeros but in the year.
std::string ShortMomentText(DateTime moment) {
  const DateFields f = moment.Fields();
  char text[48];
  std::snprintf(text, sizeof text, "%04d/%d/%d %d:%d", f.year, f.month, f.day, f.hour, f.minute);
  return text;
}

std::string ShareText(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", share);
  return text;
}

// The start of the latest period of `kind` whose branch is `branch`, at or before `now`.
DateTime PeriodStartOfBranch(const DepthKind& kind, Branch branch, DateTime now, const MomentPillars& current,
                             const CalendarRules& rules) {
  if (kind.period == PeriodKind::kDoubleHour) {
    // The double hour of that branch on the current date; the 0 o'clock hour still belongs to
    // the previous date. Ask for the start of a moment an hour into that double hour.
    const DateTime date = now.Fields().hour == 0 ? now.DateOnly() - 1.0 : now.DateOnly();
    const int start_hour = branch == 0 ? 23 : 2 * branch - 1;
    return DepthPeriodStart(kind.period, date + (start_hour + 1) / 24.0, rules);
  }
  const double length = NominalLength(kind.period);
  const int periods_back = ((current.branches[kind.pillar_slot] - branch) % 12 + 12) % 12;
  return DepthPeriodStart(kind.period, now - periods_back * length + 0.1 * length, rules);
}

std::string BranchLine(const TextTable& zsg, Branch branch, DateTime start, double length) {
  const std::array<double, 4> shares = SegmentShares(zsg, branch);
  const double c0 = shares[0];
  const double c1 = c0 + shares[1];
  const double c2 = c1 + shares[2];
  std::string line = std::string(kBranchNames[branch]) + "：余(" + ShareText(c0) + ")" + start.DateTimeText() + "-";
  if (c1 == c0) {
    line += std::string(kFirstMiddleBlankBytes, ' ');
  } else {
    line += " 中(" + ShareText(c1) + ")" + (start + length * c0).DateTimeText() + "-";
  }
  if (c2 == c1) {
    line += std::string(kSecondMiddleBlankBytes, ' ');
  } else {
    line += " 中(" + ShareText(c2) + ")" + (start + length * c1).DateTimeText() + "-";
  }
  line += " 本" + (start + length * c2).DateTimeText();
  return line;
}

}  // namespace

std::string DepthReportText(const TextTable& stored, DateTime now, const CalendarRules& rules) {
  // The table as the computations take it: a branch without a 中気 shows its 本気 there.
  TextTable zsg = stored;
  FillMissingMiddleStems(zsg);
  std::string text = std::string(kHeaderLine) + "\n";
  for (std::size_t row = 1; row <= 12; ++row) {
    for (std::size_t column = 0; column < kZsgColumns; ++column) text += "|" + PaddedLeft(zsg.Cell(column, row), 2);
    text += "|\n";
  }
  text += "\n現在：" + ShortMomentText(now) + "\n";

  const MomentPillars current = MomentPillars::At(now, rules);
  for (const DepthKind& kind : kDepthKinds) {
    text += "\n" + std::string(kind.label) + "\n";
    for (Branch branch = 0; branch < 12; ++branch) {
      const DateTime start = PeriodStartOfBranch(kind, branch, now, current, rules);
      text += BranchLine(zsg, branch, start, NominalLength(kind.period)) + "\n";
    }
  }
  return text;
}

}  // namespace kirvo
