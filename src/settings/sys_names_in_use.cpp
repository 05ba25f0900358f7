#include "settings/sys_names_in_use.h"

#include "settings/sys_naming_tables.h"

namespace kirvo {

SysNamesInUse BuildNamesInUse(const TextTable& HenSG, const TextTable& HGSG, const TextTable& KyuSG, bool KNCB,
                              std::string_view gaiji1) {
  SysNamesInUse names;
  names.ten_god_row = NamesInUse<10>(HenSG);
  names.ten_gods = KNCB ? DefaultTenGodNames() : names.ten_god_row;
  names.ten_god_groups = NamesInUse<5>(HGSG);
  names.relations = NamesInUse<5>(KyuSG);
  names.patterns = BuildPatternNames(names.ten_god_row);
  names.spirit_stars = SpiritStarSlotNamesFor(gaiji1);
  names.gaiji1 = std::string(gaiji1);
  return names;
}

}  // namespace kirvo
