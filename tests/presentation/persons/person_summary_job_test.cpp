// 命式データ生成 as a background job: its own copies of the rows and the settings, a stop that
// leaves nothing to apply, and results that find their rows after the list was rearranged.
#include "presentation/persons/person_summary_job.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "presentation/persons/person_summary.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

const DateTime kMoment = At("2024/07/20 15:47");

PersonList Persons(int count) {
  std::vector<PersonRow> rows;
  for (int i = 0; i < count; ++i) {
    const std::string date = std::to_string(1931 + i % 80) + "/" + (i % 12 < 9 ? "0" : "") +
                             std::to_string(1 + i % 12) + "/" + std::to_string(10 + i % 19);
    rows.push_back({"人" + std::to_string(i), i % 2 ? "女" : "男", date, i % 5 ? "09:30" : "99:99"});
  }
  return PersonList(rows);
}

// The list as a generation on the calling thread leaves it with `settings`.
PersonList Generated(PersonList list, const ProgramSettings& settings) {
  GeneratePersonSummaries(list, kMoment, LuckRange::kYearLuck, ChartRules(settings.usys, settings.sys));
  return list;
}

// Other ten-god names: every summary's star columns read differently.
void RenameTenGods(ProgramSettings& settings) {
  for (std::string& name : settings.sys.names.ten_gods) name = "星" + name;
}

TEST(PersonSummaryJob, SettingsChangedAfterTheStartDoNotReachTheJob) {
  ProgramSettings settings = ShippedSettings();
  const PersonList list = Persons(300);  // long enough to be shared among worker threads
  PersonSummaryJob job(list, kMoment, LuckRange::kYearLuck, settings);
  const PersonList before = Generated(list, settings);
  RenameTenGods(settings);  // committed while the job waits or runs
  ASSERT_NE(Generated(list, settings).rows(), before.rows());  // the change does show in a new generation

  JobControl control;
  ASSERT_TRUE(job.Run(control));
  EXPECT_EQ(control.percent(), 100);
  PersonList applied = list;
  job.ApplyTo(applied);
  EXPECT_EQ(applied.rows(), before.rows());
}

TEST(PersonSummaryJob, AStoppedJobSaysSo) {
  const ProgramSettings& settings = ShippedSettings();
  PersonSummaryJob job(Persons(300), kMoment, LuckRange::kYearLuck, settings);
  JobControl control;
  control.RequestStop();
  EXPECT_FALSE(job.Run(control));
  EXPECT_FALSE(control.Report(50));
}

TEST(PersonSummaryJob, ResultsFindTheirRowsAfterTheListWasRearranged) {
  const ProgramSettings& settings = ShippedSettings();
  PersonList list = Persons(40);
  list.rows()[3][person_column::kName] = list.rows()[4][person_column::kName];  // a name twice, births differ
  PersonSummaryJob job(list, kMoment, LuckRange::kYearLuck, settings);
  JobControl control;
  ASSERT_TRUE(job.Run(control));
  const PersonList expected = Generated(list, settings);

  // Meanwhile the list was sorted by name descending, lost a row and gained one.
  PersonList changed = list;
  changed.Sort(person_column::kName, true);
  changed.DeleteRow(7);
  PersonRow newcomer{"新人", "女", "1999/09/09", "09:09"};
  newcomer[21] = "古い";
  changed.rows().push_back(newcomer);
  job.ApplyTo(changed);

  ASSERT_EQ(changed.size(), 40u);
  for (const PersonRow& row : changed.rows()) {
    const auto same = std::find_if(expected.rows().begin(), expected.rows().end(), [&](const PersonRow& e) {
      return std::equal(e.begin(), e.begin() + person_column::kFirstComputed, row.begin());
    });
    if (same == expected.rows().end()) {
      EXPECT_EQ(row[21], "") << "a row the job never saw keeps no old summary";
      continue;
    }
    EXPECT_EQ(row, *same) << row[person_column::kName];
  }
}

}  // namespace
}  // namespace kirvo
