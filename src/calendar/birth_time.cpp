#include "calendar/birth_time.h"

#include <string>

namespace kirvo {

std::optional<DateTime> BirthMomentOfText(std::string_view birth_text) {
  std::string text(birth_text);
  if (text.ends_with(kUnknownBirthTime)) {
    text.replace(text.size() - kUnknownBirthTime.size(), kUnknownBirthTime.size(), kUnknownBirthTimeTakenAs);
  }
  return DateTime::ParseDateTimeText(text);
}

}  // namespace kirvo
