#pragma once

#include <optional>
#include <string>

#include "platform/outcome.h"
#include "platform/settings_store.h"

namespace kirvo {

// The last notice fetched from the maker's server, kept in the per-user store with the time it
// was fetched, so that the notices window can show it again without going to the network.
inline constexpr std::string_view kNoticeKey = "Info";
inline constexpr std::string_view kNoticeTextName = "Text";
inline constexpr std::string_view kNoticeTimeName = "Time";

struct LastNotice {
  std::string text;        // as fetched, line breaks kept
  std::string fetched_at;  // "YYYY/MM/DD hh:nn:ss"
  bool operator==(const LastNotice&) const = default;
};

// Nothing when no notice was ever kept (no text stored).
std::optional<LastNotice> ReadLastNotice(const SettingsStore& store);
Status KeepLastNotice(SettingsStore& store, const LastNotice& notice);

}  // namespace kirvo
