#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kirvo {

// A person's sex, which sets the direction of the major luck with the yin or yang of a stem.
enum class Sex : std::uint8_t { kMale, kFemale };

// The names shown and stored, in the order of the enum (the entry bar's list has this order too).
inline constexpr std::array<std::string_view, 2> kSexNames = {"男", "女"};

constexpr std::string_view SexName(Sex sex) { return kSexNames[static_cast<std::size_t>(sex)]; }

// The sex an exact name stands for; nothing for any other text.
constexpr std::optional<Sex> SexOfName(std::string_view text) {
  if (text == kSexNames[0]) return Sex::kMale;
  if (text == kSexNames[1]) return Sex::kFemale;
  return std::nullopt;
}

// The position in a list of kSexNames, and back: a position other than that of 女 reads as 男.
constexpr int SexListIndex(Sex sex) { return static_cast<int>(sex); }
constexpr Sex SexOfListIndex(int index) { return index == SexListIndex(Sex::kFemale) ? Sex::kFemale : Sex::kMale; }

}  // namespace kirvo
