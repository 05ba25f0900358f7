#pragma once

#include <span>

#include "calendar/precise_crossing.h"

namespace kirvo {

// The precise terms of 1900–2100 (and a little beyond), computed by ComputePreciseCrossing when
// the program is built, so that no search in those years waits for the full theory. Term number
// `first` is crossings[0].
struct PreciseTermTable {
  long first;
  std::span<const PreciseCrossing> crossings;
};
PreciseTermTable BuiltInPreciseTerms();

}  // namespace kirvo
