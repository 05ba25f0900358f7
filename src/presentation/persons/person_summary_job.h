#pragma once

#include <vector>

#include "calendar/date_time.h"
#include "engine/chart_record.h"
#include "presentation/persons/person_list.h"
#include "presentation/shared/job_control.h"
#include "settings/program_settings.h"

namespace kirvo {

// 命式データ生成 as a job for a worker thread. Everything it reads is its own copy, taken when it is
// made: the rows, the chart moment, the range and the settings. The list it came from may be
// sorted, edited or replaced and the settings committed anew while it runs; its results stay those
// of the moment it was started.
class PersonSummaryJob {
 public:
  PersonSummaryJob(const PersonList& list, DateTime moment, LuckRange range, const ProgramSettings& settings);

  // The summaries of every row of the copy, reporting to `control`. False when a stop was asked
  // for before the end (the copy is then partly done and must not be applied).
  bool Run(JobControl& control);

  // The summaries into `list` once the job ran to its end. A list whose rows are still the copied
  // ones in the same order takes the generated rows whole. Otherwise every row takes the summary of
  // a generated row with the same name, sex, birth date and birth time (a summary depends on those
  // alone), so rows moved, sorted or deleted meanwhile keep their own; a row the job never saw is
  // left with its computed cells empty, as a generation empties them all.
  void ApplyTo(PersonList& list) const;

 private:
  std::vector<PersonRow> rows_;
  DateTime moment_;
  LuckRange range_;
  ProgramSettings settings_;
};

}  // namespace kirvo
