#include "presentation/time/date_search_form.h"

#include "calendar/sexagenary.h"
#include "platform/ini_controls.h"
#include "platform/ini_file.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

constexpr int kStemChoices = 11, kBranchChoices = 13;  // any, then the ten stems or twelve branches

int ChoiceCount(std::size_t control) { return control % 2 == 0 ? kStemChoices : kBranchChoices; }

std::array<std::string DateSearchForm::*, 4> RangeFields() {
  return {&DateSearchForm::start_date, &DateSearchForm::start_time, &DateSearchForm::end_date,
          &DateSearchForm::end_time};
}

// A field's text as a moment: a date when it holds "/", a time of day otherwise.
std::optional<DateTime> DatePart(std::string_view text) {
  return DateTime::ParseDateTimeText(std::string(text) + " 00:00");
}
std::optional<double> TimePart(std::string_view text) {
  const std::optional<DateTime> moment = DateTime::ParseDateTimeText("1899/12/30 " + std::string(text));
  if (!moment) return std::nullopt;
  return moment->days();
}
std::optional<DateTime> MomentOf(std::string_view date, std::string_view time) {
  const std::optional<DateTime> day = DatePart(date);
  const std::optional<double> hours = TimePart(time);
  if (!day || !hours) return std::nullopt;
  return *day + *hours;
}

}  // namespace

DateSearchForm LoadDateSearchForm(const std::filesystem::path& program_folder) {
  DateSearchForm form;
  Outcome<IniFile> ini = IniFile::Load(program_folder / kDateSearchFile);
  if (!ini) return form;
  for (std::size_t i = 0; i < kPatternChoices; ++i) {
    const int index = ReadItemIndex(*ini, kDateSearchSection, kPatternControls[i], 0);
    form.pattern[i] = index >= 0 && index < ChoiceCount(i) ? index : 0;
  }
  const auto fields = RangeFields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    form.*fields[i] = ReadEditText(*ini, kDateSearchSection, kRangeControls[i], form.*fields[i]);
  }
  return form;
}

Status SaveDateSearchForm(const std::filesystem::path& program_folder, const DateSearchForm& form) {
  const std::filesystem::path path = program_folder / kDateSearchFile;
  Outcome<IniFile> ini = IniFile::Load(path);
  // MainF.ini may hold more than this form: a file that could not be read is not replaced.
  if (!ini) return Status::Failure(NotSavedOverUnreadable(path, ini.error()));
  IniFile file = std::move(ini).value();
  for (std::size_t i = 0; i < kPatternChoices; ++i) {
    WriteItemIndex(file, kDateSearchSection, kPatternControls[i], form.pattern[i]);
  }
  const auto fields = RangeFields();
  for (std::size_t i = 0; i < fields.size(); ++i) WriteEditText(file, kDateSearchSection, kRangeControls[i], form.*fields[i]);
  return file.Save(path);
}

std::string NoSuchPillarMessage(const PillarPattern& pattern, int pillar) {
  constexpr std::array<std::string_view, 4> kPillarNames = {"年柱", "月柱", "日柱", "時柱"};
  const auto index = static_cast<std::size_t>(pillar);
  const std::string_view stem = kStemNames[static_cast<std::size_t>(pattern[2 * index] - 1)];
  const std::string_view branch = kBranchNames[static_cast<std::size_t>(pattern[2 * index + 1] - 1)];
  return std::string(kPillarNames[index]) + "の「" + std::string(stem) + std::string(branch) +
         "」という干支はありません。";
}

std::variant<SearchRange, SearchRefusal> CheckDateSearchForm(const DateSearchForm& form) {
  if (IsOpenPattern(form.pattern)) {
    return SearchRefusal{std::string(kNoConditionMessage), ""};
  }
  if (const std::optional<int> pillar = PillarThatNeverOccurs(form.pattern)) {
    return SearchRefusal{NoSuchPillarMessage(form.pattern, *pillar), ""};
  }
  // Each text in turn: the first that is no date or time stops the search with a beep.
  for (const std::string_view text : {form.start_date, form.start_time, form.end_date, form.end_time}) {
    const bool is_date = text.find('/') != std::string_view::npos;
    if (is_date ? !DatePart(text) : !TimePart(text)) {
      return SearchRefusal{"", std::string(is_date ? kRangeDateReason : kRangeTimeReason)};
    }
  }
  const std::optional<DateTime> start = MomentOf(form.start_date, form.start_time);
  const std::optional<DateTime> end = MomentOf(form.end_date, form.end_time);
  if (!start || !end) return SearchRefusal{"", std::string(kRangeDateReason)};
  return SearchRange{*start, *end};
}

}  // namespace kirvo
