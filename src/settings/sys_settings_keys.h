#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/luck_range_captions.h"
#include "settings/sys_settings.h"

namespace kirvo {

// Where each system setting is stored: the key in section "SysF" of SysF.ini and the member it
// fills. The defaults are the initial values of SysSettings.
inline constexpr std::string_view kSysSettingsFile = "SysF.ini";
inline constexpr std::string_view kSysSection = "SysF";

// A check box: written 1 or 0; any non-zero integer reads as set.
struct SysFlagKey {
  std::string_view key;
  bool SysSettings::*member;
};

// clang-format off
inline constexpr auto kSysFlagKeys = std::to_array<SysFlagKey>({
    {"SCB3",   &SysSettings::SCB3},
    {"MeCB",   &SysSettings::MeCB},
    {"KouCB",  &SysSettings::KouCB},
    {"MKCB",   &SysSettings::MKCB},
    {"MeiCB",  &SysSettings::MeiCB},
    {"EdSW",   &SysSettings::EdSW},
    {"MOnSW",  &SysSettings::MOnSW},
    {"DRG",    &SysSettings::DRG},
    {"WpCB",   &SysSettings::WpCB},
    {"KSGCB",  &SysSettings::KSGCB},
    {"KSG2CB", &SysSettings::KSG2CB},
    {"SzCB",   &SysSettings::SzCB},
    {"SsnCB",  &SysSettings::SsnCB},
    {"DCB",    &SysSettings::DCB},
    {"MCB",    &SysSettings::MCB},
    {"RCB",    &SysSettings::RCB},
    {"TCB",    &SysSettings::TCB},
    {"MnCB",   &SysSettings::MnCB},
    {"MCBL",   &SysSettings::MCBL},
    {"KakuCB", &SysSettings::KakuCB},
    {"CCB",    &SysSettings::CCB},
    {"GCB",    &SysSettings::GCB},
    {"KNCB",   &SysSettings::KNCB},
});
// clang-format on

// Check boxes the dialog never shows; they are kept in the file and obeyed all the same.
inline constexpr std::array<std::string_view, 2> kSysKeysHiddenInDialog = {"SzCB", "SsnCB"};

// A drop-down list or radio group: the zero-based index of the chosen item.
struct SysChoiceKey {
  std::string_view key;
  int SysSettings::*member;
  std::array<std::string_view, 6> items;  // unused places empty

  constexpr int ItemCount() const {
    int count = 0;
    while (count < static_cast<int>(items.size()) && !items[count].empty()) ++count;
    return count;
  }
};

// clang-format off
inline constexpr auto kSysChoiceKeys = std::to_array<SysChoiceKey>({
    {"NRG",  &SysSettings::NRG,  {"現在日時", "指定日時"}},
    {"SetsuRG", &SysSettings::SetsuRG, {"標準", "精密"}},
    {"KCB1", &SysSettings::KCB1, {"----", "大運", "年運", "月運", "日運"}},
    {"CB1",  &SysSettings::CB1,  kLuckRangeCaptions},
    {"KCB",  &SysSettings::KCB,  {"大運＋命式", "年運＋大運", "月運＋年運", "日運＋月運", "時運＋日運"}},
    {"KMCB", &SysSettings::KMCB, {"1", "2", "3", "無制限"}},
    {"WmRG", &SysSettings::WmRG, {"命行", "命式", "行運"}},
});
// clang-format on

// A check group: bit k set when item k is checked.
struct SysBitSetKey {
  std::string_view key;
  std::uint32_t SysSettings::*member;
  std::size_t item_count;
};

// clang-format off
inline constexpr auto kSysBitSetKeys = std::to_array<SysBitSetKey>({
    {"MKChg",   &SysSettings::MKChg,   kChartRowItems.size()},
    {"MeiChg",  &SysSettings::MeiChg,  kChartRowItems.size()},
    {"MKouChg", &SysSettings::MKouChg, kCombinedLuckRowItems.size()},
    {"KouChg",  &SysSettings::KouChg,  kLuckRowItems.size()},
    {"NCG",     &SysSettings::NCG,     kPersonListItemCount},
    {"MCG",     &SysSettings::MCG,     kContentPanelItems.size()},
    {"MCGP",    &SysSettings::MCGP,    kContentPrintItems.size()},
});
// clang-format on

// A slider: its position.
struct SysNumberKey {
  std::string_view key;
  int SysSettings::*member;
  int min;
  int max;
};

inline constexpr auto kSysNumberKeys = std::to_array<SysNumberKey>({
    {"TBar1", &SysSettings::TBar1, 0, 100},
});

// What an edit field must hold to be usable. A stored text that is not of its form, or a number
// outside the range of its key, can't be used and keeps the default; the dialog's close check has
// ranges of its own.
enum class SysTextForm {
  kAny,
  kInteger,       // a signed decimal integer within the key's range
  kDecimal,       // a decimal number within the key's range
  kTimeZone,      // a decimal number of hours, -24 to 24
  kDate,          // "YYYY/MM/DD", a date that exists
  kTime,          // "hh:nn", a time of day
  kMonthDayTime,  // "MM/DD hh:nn", a moment of the year 2001
};

struct SysTextKey {
  std::string_view key;
  std::string SysSettings::*member;
  SysTextForm form;
  double min = 0;  // the range of kInteger and kDecimal; none when min == max
  double max = 0;
};

// clang-format off
inline constexpr auto kSysTextKeys = std::to_array<SysTextKey>({
    {"FileE", &SysSettings::FileE, SysTextForm::kAny},
    {"NameE", &SysSettings::NameE, SysTextForm::kAny},
    {"NDate", &SysSettings::NDate, SysTextForm::kDate},
    {"NTime", &SysSettings::NTime, SysTextForm::kTime},
    {"NowE",  &SysSettings::NowE,  SysTextForm::kDecimal, -kMaxNowOffsetMinutes, kMaxNowOffsetMinutes},
    {"TZE",   &SysSettings::TZE,   SysTextForm::kTimeZone},
    {"SetsuE", &SysSettings::SetsuE, SysTextForm::kInteger, 0, 1440},
    {"Tw1",   &SysSettings::Tw1,   SysTextForm::kInteger, 20, 100},
    {"Kh1",   &SysSettings::Kh1,   SysTextForm::kInteger, 20, 100},
    {"Zh1",   &SysSettings::Zh1,   SysTextForm::kInteger, 20, 100},
    {"CCnt1", &SysSettings::CCnt1, SysTextForm::kInteger},  // outside 10..25 reset to "10" at load
    {"Tw",    &SysSettings::Tw,    SysTextForm::kInteger, 20, 100},
    {"Kh",    &SysSettings::Kh,    SysTextForm::kInteger, 20, 100},
    {"Zh",    &SysSettings::Zh,    SysTextForm::kInteger, 20, 100},
    {"PreE",  &SysSettings::PreE,  SysTextForm::kInteger, 0, 99},   // below CCnt, at most 100
    {"CCnt",  &SysSettings::CCnt,  SysTextForm::kInteger},  // outside 5..100 reset to "15" at load
    {"AlDtE", &SysSettings::AlDtE, SysTextForm::kMonthDayTime},
    {"BEd0",  &SysSettings::BEd0,  SysTextForm::kAny},
    {"BEd1",  &SysSettings::BEd1,  SysTextForm::kAny},
});
// clang-format on

// The background pictures, in the order of SysSettings::backgrounds.
struct SysBackgroundKey {
  std::string_view key;
  std::string SysSettings::*member;
};
inline constexpr auto kSysBackgroundKeys = std::to_array<SysBackgroundKey>({
    {"BEd0", &SysSettings::BEd0},
    {"BEd1", &SysSettings::BEd1},
});

bool HasTextForm(std::string_view text, SysTextForm form);
// The form of the key and, for a number, its range.
bool IsUsableStoredText(std::string_view text, const SysTextKey& key);

// A naming table: rows "HenSG-Row0" and "HenSG-Row1"; row 0 and the labels are set at load.
struct SysNamingTableKey {
  std::string_view key;
  TextTable SysSettings::*member;
  std::vector<std::string_view> (*defaults)();
};

std::vector<std::string_view> HenSGDefaults();
std::vector<std::string_view> HGSGDefaults();
std::vector<std::string_view> KyuSGDefaults();

inline constexpr auto kSysNamingTableKeys = std::to_array<SysNamingTableKey>({
    {"HenSG", &SysSettings::HenSG, &HenSGDefaults},
    {"HGSG", &SysSettings::HGSG, &HGSGDefaults},
    {"KyuSG", &SysSettings::KyuSG, &KyuSGDefaults},
});

// The stored fonts, each in its own section.
struct SysFontKey {
  std::string_view section;
  FontSpec SysSettings::*member;
};

inline constexpr auto kSysFontKeys = std::to_array<SysFontKey>({
    {kSetuFontSection, &SysSettings::SetuFont},
    {kSysFontSection, &SysSettings::SysFont},
});

}  // namespace kirvo
