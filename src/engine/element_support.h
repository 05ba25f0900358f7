#pragma once

#include "calendar/sexagenary.h"

namespace kirvo {

// Element `giver` supports element `taker` when it is the same element or generates it in the
// cycle 木→火→土→金→水→木. Anything outside 0..4 (no element) supports nothing and is supported by
// nothing.
constexpr bool ElementSupports(Element giver, Element taker) {
  if (giver < 0 || giver > 4 || taker < 0 || taker > 4) return false;
  return taker == giver || taker == (giver + 1) % 5;
}

}  // namespace kirvo
