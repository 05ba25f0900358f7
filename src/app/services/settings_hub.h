#pragma once

#include <QObject>

#include "app/services/app_services.h"

namespace kirvo {

// Where an edited copy of the settings becomes the settings of the run: the settings dialogs edit a
// copy and commit it here on OK; the windows listen and recompute.
class SettingsHub : public QObject {
  Q_OBJECT

 public:
  explicit SettingsHub(AppServices& services, QObject* parent = nullptr) : QObject(parent), services_(services) {}

  void CommitSystemSettings(const SysSettings& edited);
  void CommitRuleSettings(const USysSettings& edited);

 signals:
  void systemSettingsChanged();
  void ruleSettingsChanged();

 private:
  AppServices& services_;
};

}  // namespace kirvo
