#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_time.h"
#include "calendar/sexagenary.h"
#include "calendar/term_clock.h"
#include "settings/spirit_star_slots.h"
#include "settings/sys_background.h"
#include "settings/sys_colours.h"
#include "settings/sys_fonts.h"
#include "settings/sys_names_in_use.h"
#include "settings/sys_naming_tables.h"
#include "settings/text_table.h"

namespace kirvo {

// The system settings: how the program looks and behaves apart from the astrological rules. Each
// member is named by its control in the settings dialog ("ｼｽﾃﾑ設定"), which is also its key in
// section "SysF" of SysF.ini. Flags are check boxes, choices item indices, bit sets check groups
// (bit k = item k), texts the edit field as typed. The initial values are the defaults.
struct SysSettings {
  // 基本
  std::string FileE = "Default.nam";  // name file opened at start-up
  bool SCB3 = true;                   // new windows are tiled (else cascaded)
  bool MeCB = false;                  // memo text read-only
  bool KouCB = false;                 // hide the 行運 button
  bool MKCB = false;                  // hide the 命行 button
  bool MeiCB = false;                 // hide the 命式 button
  bool EdSW = true;                   // chart corrections by hand
  bool MOnSW = true;                  // online memo lookup on cell clicks
  std::string NameE;                  // a person name, checked like the entry bar's

  // 時間
  int NRG = 0;                       // chart moment default: 0 現在日時, 1 指定日時
  bool DRG = true;                   // a chart moment 100 years after birth becomes birth + 1 month
  std::string NDate = "2001/01/01";  // the fixed chart moment of NRG = 1
  std::string NTime = "00:00";
  std::string NowE = "-0.0";  // minutes added to the clock for "now", decimal
  std::string TZE = "9.0";    // time zone of the astronomical computations, hours, decimal
  int SetsuRG = 0;            // 節入りの計算: 0 標準 (the fixed series), 1 精密 (full theory with ΔT)
  std::string SetsuE = "30";  // minutes around a month-opening term within which a birth is flagged

  // 命行 (combined window)
  std::uint32_t MKChg = 255;    // chart rows shown, bits over kChartRowItems
  std::uint32_t MKouChg = 127;  // luck rows shown, bits over kCombinedLuckRowItems
  std::string Tw1 = "34";       // pillar width
  std::string Kh1 = "36";       // stem-branch row height
  std::string Zh1 = "30";       // hidden-stem row height
  std::string CCnt1 = "10";     // luck columns shown, 10..35 (reset outside 10..25 at load)
  int KCB1 = 1;                 // luck level: ----, 大運, 年運, 月運, 日運
  bool WpCB = false;            // hide the content table
  bool KSGCB = false;           // hide the luck strips
  bool KSG2CB = false;          // hide the lower luck strip
  bool SzCB = false;            // season element in the hidden-stem cells (not in the dialog)
  bool SsnCB = false;           // four special spirit marks in the content table (not in the dialog)

  // 命式 (chart window)
  std::uint32_t MeiChg = 4194303;  // chart rows shown, bits over kChartRowItems
  std::string Tw = "34";           // pillar width, 20..100
  std::string Kh = "36";           // stem-branch row height, 20..100
  std::string Zh = "20";           // hidden-stem row height, 20..100
  int CB1 = 0;                     // default range: 命式のみ .. 時運まで
  bool DCB = false;                // hide relations that do not hold
  bool MCB = false;                // show the original stems and branches on creation
  bool RCB = true;                 // mark 律 in the hidden-stem row
  bool TCB = false;                // correction menu on Shift + left click
  bool MnCB = true;                // show the chart window's command strip

  // 行運 (luck window)
  std::uint32_t KouChg = 8191;        // luck rows shown, bits over kLuckRowItems
  int KCB = 0;                        // level pair: 大運＋命式 .. 時運＋日運
  std::string PreE = "3";             // periods shown before the chart moment, 0..CCnt-1
  std::string CCnt = "13";            // columns shown, 5..100
  int TBar1 = 60;                     // weight of the upper row in the total, percent 0..100
  int KMCB = 1;                       // luck windows open at once: 1, 2, 3, 無制限
  std::string AlDtE = "12/25 22:00";  // anchor of year, month and day columns, "MM/DD hh:nn"

  // 名前
  std::uint32_t NCG = 2147483647;  // person-list columns shown (items: headings of columns 11..36)
  int WmRG = 1;                    // double click on a row opens: 命行, 命式, 行運

  // その他
  std::uint32_t MCG = 23;   // content panel sections shown, bits over kContentPanelItems
  std::uint32_t MCGP = 31;  // content panel sections printed, bits over kContentPrintItems
  bool MCBL = false;        // hide the numbers of the content table
  bool KakuCB = false;      // use one pattern only

  // 着色
  PanelColours CP = LightDefaultColours();  // `CP0` .. `CP16`
  bool CCB = false;                         // chart stems and branches in monochrome
  bool GCB = false;                         // fewest gradient steps
  std::string BEd0 = "BEd0";                // background picture 1: a file name, or "BEd0" for the built-in one
  std::string BEd1 = "BEd1";                // background picture 2

  // 名前の表記
  TextTable HenSG = DefaultHenSG();  // ten gods, 11 x 2
  TextTable HGSG = DefaultHGSG();    // ten-god groups, 6 x 2
  TextTable KyuSG = DefaultKyuSG();  // relations to the day master, 6 x 2
  bool KNCB = false;                 // the ten-god names apply to the patterns only

  // 文字
  FontSpec SetuFont = DefaultSetuFont();  // explanation texts
  FontSpec SysFont = DefaultSysFont();    // the whole program
  FontSpec MeiFont = BuiltInMeiFont();    // chart cells; not stored

  // Derived when the settings are loaded; not stored.
  SysNamesInUse names = BuildNamesInUse(HenSG, HGSG, KyuSG, KNCB, kDefaultGaiji1);
  std::array<BackgroundPicture, 2> backgrounds{};  // of BEd0, BEd1
};

// Check-group items.
// clang-format off
inline constexpr std::array<std::string_view, 27> kChartRowItems = {  // MKChg, MeiChg: bit k = board row k + 7
    "天星", "地星", "逢12運", "居12運", "干図", "通根", "干", "支", "No.", "余気", "中気", "本気", "支図", "○干合",
    "干化", "△加剋", "▽受剋", "○支合", "支化", "▽冲　", "△局　", "◇三合", "□方合", "刑", "害", "破", "特殊"};
inline constexpr std::array<std::string_view, 13> kLuckRowItems = {  // KouChg
    "均衡度", "内外格", "身", "用神", "忌神", "喜神", "天星", "地星", "逢12運", "居12運", "天干", "地支", "特殊"};
inline constexpr std::array<std::string_view, 7> kCombinedLuckRowItems = {  // MKouChg
    "天星", "地星", "逢12運", "居12運", "天干", "地支", "特殊"};
inline constexpr std::array<std::string_view, 5> kContentPanelItems = {  // MCG
    "内容表", "グラフ", "五行表", "干数値", "説明文"};
inline constexpr std::array<std::string_view, 5> kContentPrintItems = {  // MCGP
    "内容表", "五行表", "干数値", "格局", "神殺"};
inline constexpr std::size_t kPersonListItemCount = 26;  // NCG: columns 11 to 36 of the person list
// clang-format on

// Whether item `item` of a check group is checked.
constexpr bool IsChecked(std::uint32_t bits, std::size_t item) { return item < 32 && ((bits >> item) & 1u) != 0; }

// A whole text as a finite decimal number ("9.0", "-0.0", "+5", "9"), or nothing.
std::optional<double> ParseDecimalText(std::string_view text);

// A time-zone text as hours: a decimal number from -24 to 24, else nothing.
inline constexpr double kMaxTimeZoneHours = 24.0;
std::optional<double> TimeZoneHoursOf(std::string_view text);
// `TZE` as hours; 9.0 when the text is no time zone.
double TimeZoneHours(const SysSettings& settings);
// `SetsuRG` as the term search's method, and the clock of the term search with `TZE`.
TermClock TermClockOf(const SysSettings& settings);
// `SetsuE` as minutes; 30 when the text is no usable margin.
inline constexpr int kDefaultNearTermMinutes = 30;
int NearTermMinutes(const SysSettings& settings);
// A `NowE` text as minutes: a decimal number from -1440 to 1440, else nothing. The setting brings
// the clock to natural time, which is never a whole day away; a larger offset would carry "now"
// out of the calendar.
inline constexpr double kMaxNowOffsetMinutes = 1440.0;
std::optional<double> NowOffsetMinutesOf(std::string_view text);
// `NowE` as minutes; 0 when the text is no such offset.
double NowOffsetMinutes(const SysSettings& settings);
// The program's "now": the clock plus `NowE` minutes.
DateTime SettingsNow(const SysSettings& settings, DateTime clock);
// `CCnt`: the luck window's column count; a value outside 5..100 (or no integer) counts as 15.
int LuckColumnCount(const SysSettings& settings);

// The ten-god naming row (row 1 of `HenSG` as loaded) that ElementGroupOf reads to colour cells.
const TenGodNames& TenGodNamingRow(const SysSettings& settings);

// "ﾃﾞﾌｫﾙﾄの文字に戻す": the defaults go into row 1 of the three naming tables and take effect at
// once; the pattern and spirit-star names are rebuilt.
void ResetNamesToDefaults(SysSettings& settings);

}  // namespace kirvo
