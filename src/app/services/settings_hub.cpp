#include "app/services/settings_hub.h"

namespace kirvo {

void SettingsHub::CommitSystemSettings(const SysSettings& edited) {
  services_.sys() = edited;
  emit systemSettingsChanged();
}

void SettingsHub::CommitRuleSettings(const USysSettings& edited) {
  services_.usys() = edited;
  emit ruleSettingsChanged();
}

}  // namespace kirvo
