#include "presentation/persons/person_summary_job.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "presentation/persons/person_summary.h"

namespace kirvo {
namespace {

// The cells a summary is computed from.
auto BirthCellsOf(const PersonRow& row) {
  return std::tie(row[person_column::kName], row[person_column::kSex], row[person_column::kDate],
                  row[person_column::kTime]);
}

bool SameBirthCells(const std::vector<PersonRow>& a, const std::vector<PersonRow>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const PersonRow& x, const PersonRow& y) { return BirthCellsOf(x) == BirthCellsOf(y); });
}

}  // namespace

PersonSummaryJob::PersonSummaryJob(const PersonList& list, DateTime moment, LuckRange range,
                                   const ProgramSettings& settings)
    : rows_(list.rows()), moment_(moment), range_(range), settings_(settings) {}

bool PersonSummaryJob::Run(JobControl& control) {
  PersonList copy(std::move(rows_));
  GeneratePersonSummaries(copy, moment_, range_, ChartRules(settings_.usys, settings_.sys),
                          [&control](int percent) { return control.Report(percent); });
  rows_ = std::move(copy.rows());
  return !control.StopRequested();
}

void PersonSummaryJob::ApplyTo(PersonList& list) const {
  std::vector<PersonRow>& rows = list.rows();
  if (SameBirthCells(rows, rows_)) {
    rows = rows_;
    return;
  }
  std::map<std::tuple<const std::string&, const std::string&, const std::string&, const std::string&>,
           const PersonRow*>
      generated;
  for (const PersonRow& row : rows_) generated.emplace(BirthCellsOf(row), &row);
  for (PersonRow& row : rows) {
    const auto found = generated.find(BirthCellsOf(row));
    for (std::size_t column = person_column::kFirstComputed; column < kPersonCellCount; ++column) {
      row[column] = found != generated.end() ? (*found->second)[column] : std::string();
    }
  }
}

}  // namespace kirvo
