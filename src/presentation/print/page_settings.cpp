#include "presentation/print/page_settings.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace kirvo {
namespace {

constexpr std::string_view kSection = "PRN";

struct MarginKey {
  std::string_view name;
  int PageSettings::*field;
};
constexpr std::array<MarginKey, 4> kMarginKeys = {{{"TopMgn", &PageSettings::top_mm},
                                                   {"BottomMgn", &PageSettings::bottom_mm},
                                                   {"LeftMgn", &PageSettings::left_mm},
                                                   {"RightMgn", &PageSettings::right_mm}}};
constexpr std::string_view kColourName = "Color";
constexpr std::string_view kZoomName = "ZCB";

std::optional<int> IntegerOf(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

int PrintZoomPercent(int zoom_choice) {
  if (zoom_choice < 0 || zoom_choice >= static_cast<int>(kPrintZooms.size())) return kPrintZooms.front();
  return kPrintZooms[static_cast<std::size_t>(zoom_choice)];
}

PageSettings ReadPageSettings(const SettingsStore& store) {
  PageSettings settings;
  for (const MarginKey& key : kMarginKeys) {
    const std::optional<int> mm = IntegerOf(store.ReadString(kSection, key.name));
    if (mm && *mm >= 0 && *mm <= kMaxMarginMm) settings.*key.field = *mm;
  }
  const std::string colour = store.ReadString(kSection, kColourName);
  settings.colour = colour == "1" || colour == "True" || colour == "true";
  const std::optional<int> zoom = IntegerOf(store.ReadString(kSection, kZoomName));
  if (zoom && *zoom >= 0 && *zoom < static_cast<int>(kPrintZooms.size())) settings.zoom_choice = *zoom;
  return settings;
}

Status WritePageSettings(SettingsStore& store, const PageSettings& settings) {
  for (const MarginKey& key : kMarginKeys) {
    if (Status written = store.WriteString(kSection, key.name, std::to_string(settings.*key.field)); !written) {
      return written;
    }
  }
  if (Status written = store.WriteString(kSection, kColourName, settings.colour ? "1" : "0"); !written) return written;
  return store.WriteString(kSection, kZoomName, std::to_string(settings.zoom_choice));
}

}  // namespace kirvo
