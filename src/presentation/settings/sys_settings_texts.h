#pragma once

#include <array>
#include <string_view>

namespace kirvo {

// The system settings dialog "ｼｽﾃﾑ設定" (form `SysF`): its tabs and the captions of its controls by key.
inline constexpr std::string_view kSysSettingsFormName = "SysF";
inline constexpr std::string_view kSysSettingsCaption = "ｼｽﾃﾑ設定";

inline constexpr std::array<std::string_view, 9> kSysSettingsTabs = {"基本", "時間", "命行", "命式", "行運",
                                                                     "名前", "その他", "着色", "文字"};

struct KeyCaption {
  std::string_view key;
  std::string_view caption;
};

// The check boxes.
// clang-format off
inline constexpr auto kSysFlagCaptions = std::to_array<KeyCaption>({
    {"SCB3",   "新規ウィンドウ作成時に、並べて表示する。"},
    {"MeCB",   "メモ内容の直接編集を禁止する。"},
    {"KouCB",  "行運ボタンを非表示にする。"},
    {"MKCB",   "命行ボタンを非表示にする。"},
    {"MeiCB",  "命式ボタンを非表示にする。"},
    {"EdSW",   "命式訂正機能を使用する。"},
    {"MOnSW",  "オンラインメモ機能を使用する。"},
    {"DRG",    "年齢が100歳より大きい場合は、作式初期値を生年月日時+1ヶ月にする。"},
    {"WpCB",   "内容表を非表示にする"},
    {"KSGCB",  "行運表を非表示にする"},
    {"KSG2CB", "行運表下段を非表示にする"},
    {"SzCB",   "蔵干欄に、地支の季節の五行を表示する"},
    {"SsnCB",  "内容表に四神殺を表示する"},
    {"DCB",    "不成立となる干支図の関係を表示しない"},
    {"MCB",    "作成時に、元干支蔵干を表示する"},
    {"RCB",    "蔵干行に、律の印を表示する"},
    {"TCB",    "Sift+左クリックで、命式訂正機能メニュー表示する"},
    {"MnCB",   "命式ウィンドウのメニューボタンを表示する"},
    {"MCBL",   "命式内容パネル > 内容表 の数値部を非表示にする"},
    {"KakuCB", "格局の使用を１つだけにする"},
    {"CCB",    "命式干支をモノクロ表示にする。"},
    {"GCB",    "グラデーション表示を最小にする。"},
    {"KNCB",   "変通星の表記を、格局のみに適用する"},
});

// The titles of the choices and check groups.
inline constexpr auto kSysGroupCaptions = std::to_array<KeyCaption>({
    {"NRG",     "命式・行運の作式初期値"},
    {"SetsuRG", "節入りの計算"},
    {"KCB1",    "行運の初期表示"},
    {"CB1",     "命式の初期表示"},
    {"KCB",     "行運の初期表示"},
    {"KMCB",    "行運ｳｨﾝﾄﾞｳの表示数制限"},
    {"WmRG",    "行をダブルクリックした時の表示"},
    {"MKChg",   "命式で表示する行"},
    {"MeiChg",  "命式で表示する行"},
    {"MKouChg", "行運で表示する行"},
    {"KouChg",  "行運で表示する行"},
    {"NCG",     "名前リストで表示する項目"},
    {"MCG",     "命式内容パネルの表示"},
    {"MCGP",    "命式内容パネルの印刷"},
});
// clang-format on

// The caption of `key` in `captions`, empty for a key without one.
template <std::size_t N>
constexpr std::string_view CaptionOf(const std::array<KeyCaption, N>& captions, std::string_view key) {
  for (const KeyCaption& entry : captions) {
    if (entry.key == key) return entry.caption;
  }
  return {};
}

}  // namespace kirvo
