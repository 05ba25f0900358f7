// A kept window placement as it comes from the per-user store, fitted to screens: any record and
// any screens give either the first-run placement or a rectangle that lies within one of the
// screens, no larger than the kept one, and a rectangle already within a screen stays.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "presentation/frame/window_placement.h"

namespace {

std::int32_t Int32(kirvo::fuzz::Input& input) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits = (bits << 8) | input.Byte();
  return static_cast<std::int32_t>(bits);
}

bool Usable(const kirvo::ScreenArea& s) {
  return std::int64_t{s.right} - s.left > 0 && std::int64_t{s.bottom} - s.top > 0;
}

bool Within(const kirvo::WindowPlacement& p, const kirvo::ScreenArea& s) {
  return p.left >= s.left && p.right <= s.right && p.top >= s.top && p.bottom <= s.bottom;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const std::string record = input.Text(kirvo::kWindowPlacementBytes);
  std::vector<kirvo::ScreenArea> screens(static_cast<std::size_t>(input.IntIn(0, 4)));
  for (kirvo::ScreenArea& screen : screens) screen = {Int32(input), Int32(input), Int32(input), Int32(input)};

  const std::optional<kirvo::WindowPlacement> kept = kirvo::DecodeWindowPlacement(record);
  if (kept) FUZZ_CHECK(kirvo::EncodeWindowPlacement(*kept) == record);
  const std::optional<kirvo::WindowPlacement> fitted = kirvo::FitWindowPlacement(kept, screens);

  const bool any_usable = std::any_of(screens.begin(), screens.end(), Usable);
  const bool has_area =
      kept && std::int64_t{kept->right} - kept->left > 0 && std::int64_t{kept->bottom} - kept->top > 0;
  FUZZ_CHECK(fitted.has_value() == (has_area && any_usable));
  if (!fitted) return 0;

  FUZZ_CHECK(fitted->right > fitted->left && fitted->bottom > fitted->top);
  FUZZ_CHECK(std::any_of(screens.begin(), screens.end(),
                         [&](const kirvo::ScreenArea& s) { return Usable(s) && Within(*fitted, s); }));
  FUZZ_CHECK(std::int64_t{fitted->right} - fitted->left <= std::int64_t{kept->right} - kept->left);
  FUZZ_CHECK(std::int64_t{fitted->bottom} - fitted->top <= std::int64_t{kept->bottom} - kept->top);
  kirvo::WindowPlacement others = *fitted;
  others.left = kept->left, others.top = kept->top, others.right = kept->right, others.bottom = kept->bottom;
  FUZZ_CHECK(others == *kept);
  const bool was_within = std::any_of(screens.begin(), screens.end(),
                                      [&](const kirvo::ScreenArea& s) { return Usable(s) && Within(*kept, s); });
  if (was_within) FUZZ_CHECK(*fitted == *kept);
  return 0;
}
