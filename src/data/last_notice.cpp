#include "data/last_notice.h"

namespace kirvo {

std::optional<LastNotice> ReadLastNotice(const SettingsStore& store) {
  if (!store.HasValue(kNoticeKey, kNoticeTextName)) return std::nullopt;
  return LastNotice{store.ReadString(kNoticeKey, kNoticeTextName), store.ReadString(kNoticeKey, kNoticeTimeName)};
}

Status KeepLastNotice(SettingsStore& store, const LastNotice& notice) {
  if (Status written = store.WriteString(kNoticeKey, kNoticeTextName, notice.text); !written) return written;
  return store.WriteString(kNoticeKey, kNoticeTimeName, notice.fetched_at);
}

}  // namespace kirvo
