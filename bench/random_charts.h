#pragma once

#include <random>
#include <vector>

#include "engine/chart_record.h"

namespace kirvo::bench {

// Chart records of random births between 1900 and 2090, each seen at a random moment within the
// ages a chart accepts; the same every run.
inline std::vector<TMeiData> RandomChartRecords(std::size_t count) {
  std::mt19937_64 random(20261211);
  const double first = DateTime::FromDate(1900, 1, 1)->days();
  const double last = DateTime::FromDate(2090, 12, 31)->days();
  std::uniform_int_distribution<long> minute(0, static_cast<long>((last - first) * 1440));
  std::uniform_int_distribution<long> age_minutes(0, static_cast<long>(100 * 365.25 * 1440));
  std::vector<TMeiData> records;
  for (std::size_t i = 0; i < count; ++i) {
    TMeiData record;
    record.BirthDateTime = DateTime(first + minute(random) / 1440.0);
    record.ChartDateTime = record.BirthDateTime + age_minutes(random) / 1440.0;
    record.PersonName = "試験太郎";
    record.BirthText = record.BirthDateTime.DateTimeText();
    record.Sex = i % 2 == 0 ? Sex::kMale : Sex::kFemale;
    records.push_back(record);
  }
  return records;
}

}  // namespace kirvo::bench
