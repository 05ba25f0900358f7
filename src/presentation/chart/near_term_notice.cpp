#include "presentation/chart/near_term_notice.h"

#include <cstdio>

#include "calendar/near_term.h"
#include "calendar/term_moment_cache.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

inline constexpr std::string_view kMethodNames[2] = {"標準", "精密"};

std::string MomentText(DateTime moment) {
  const DateFields f = moment.Fields();
  char text[48];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", f.year, f.month, f.day, f.hour, f.minute,
                f.second);
  return text;
}

// "年柱 乙丑・月柱 己丑", the year only where the term is 立春.
std::string PillarsText(const NearTermWarning& warning, int method, std::string_view separator) {
  std::string text;
  if (warning.spring_opening) text += "年柱 " + warning.year[method].Text() + std::string(separator);
  return text + "月柱 " + warning.month[method].Text();
}

bool PillarsDiffer(const NearTermWarning& warning) {
  return warning.month[0] != warning.month[1] || warning.year[0] != warning.year[1];
}

NearTermNotice NoticeOf(const NearTermWarning& warning, int margin_minutes, TermMethod in_use) {
  NearTermNotice notice;
  notice.marks_year = warning.spring_opening;
  notice.hint = "節入りの前後" + std::to_string(margin_minutes) + "分以内の生まれです。\n";
  notice.hint += PillarsDiffer(warning) ? "節入りの計算方法によって柱が変わります。\n"
                                        : "どちらの計算方法でも柱は同じです。\n";
  notice.copy_line = std::string(kNearTermMark) + "節入り注意：";
  for (int method = 0; method < 2; ++method) {
    const bool used = static_cast<int>(in_use) == method;
    notice.hint += std::string(kMethodNames[method]) + (used ? "（使用中）" : "") + "：" +
                   MomentText(warning.term[method]) + " → " + PillarsText(warning, method, "・");
    if (method == 0) notice.hint += "\n";
    if (method == 1) notice.copy_line += "／";
    notice.copy_line += std::string(kMethodNames[method]) + " " + MomentText(warning.term[method]) + " " +
                        PillarsText(warning, method, " ");
  }
  return notice;
}

}  // namespace

std::optional<NearTermNotice> NearTermNoticeOf(const TMeiData& record, bool hour_known, const ChartRules& rules) {
  const int margin = NearTermMinutes(rules.sys);
  if (!hour_known || !MayLieNearMonthTerm(record.SunLongitude, margin)) return std::nullopt;
  thread_local TermMomentCache standard_terms;
  const std::optional<NearTermWarning> warning =
      NearTermWarningOf(record.BirthDateTime, rules.read.calendar, margin, &standard_terms);
  if (!warning) return std::nullopt;
  return NoticeOf(*warning, margin, rules.read.calendar.term_clock.method);
}

bool CarriesNearTermMark(const NearTermNotice& notice, BoardPosition cell) {
  if (cell.row != board::kDepthRow) return false;
  return cell.column == board::kMonth || (notice.marks_year && cell.column == board::kYear);
}

}  // namespace kirvo
