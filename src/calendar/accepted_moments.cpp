#include "calendar/accepted_moments.h"

namespace kirvo {

bool IsAcceptedMoment(DateTime moment) {
  static const DateTime first = *DateTime::ParseDateTimeText(kFirstAcceptedMomentText);
  static const DateTime end = *DateTime::ParseDateTimeText(kLastAcceptedMomentText) + 1.0 / (24 * 60);
  return moment >= first && moment < end;
}

std::string AcceptedMomentRangeText() {
  return std::string(kFirstAcceptedMomentText) + "～" + std::string(kLastAcceptedMomentText);
}

}  // namespace kirvo
