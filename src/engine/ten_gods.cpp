#include "engine/ten_gods.h"

namespace kirvo {

namespace {
constexpr bool IsElement(Element element) { return element >= 0 && element < kNoElement; }
constexpr bool IsStem(Stem stem) { return stem >= 0 && stem < kNoStem; }
}  // namespace

ElementRelation ElementRelationOf(Element day_master, Element other) {
  if (!IsElement(day_master) || !IsElement(other)) return kNoElementRelation;
  // The generating cycle runs 木 → 火 → 土 → 金 → 水 → 木, so the step along it says it all.
  return (other - day_master + 5) % 5;
}

TenGod TenGodOf(Stem day_master, Stem other) {
  if (!IsStem(day_master) || !IsStem(other)) return kNoTenGod;
  const ElementRelation relation = ElementRelationOf(ElementOfStem(day_master), ElementOfStem(other));
  return 2 * relation + (IsYang(day_master) == IsYang(other) ? 0 : 1);
}

std::string_view TenGodName(TenGod ten_god, const TenGodNames& names) {
  if (ten_god < 0 || ten_god >= kNoTenGod) return {};
  return names[ten_god];
}

TenGod TenGodIndexOf(std::string_view text, const TenGodNames& names) {
  for (TenGod ten_god = 0; ten_god < kNoTenGod; ++ten_god) {
    if (text == names[ten_god]) return ten_god;
  }
  return kNoTenGod;
}

}  // namespace kirvo
