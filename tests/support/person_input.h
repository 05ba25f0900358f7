#pragma once

#include <string>
#include <string_view>

#include "engine/chart_record.h"

namespace kirvo::testing {

// A person from a birth text "YYYY/MM/DD hh:nn" or "YYYY/MM/DD 99:99"; the text must be valid.
inline BirthInput Person(std::string name, std::string_view birth_text, Sex sex = Sex::kMale) {
  return {std::move(name), BirthOfText(birth_text).value(), sex};
}

}  // namespace kirvo::testing
