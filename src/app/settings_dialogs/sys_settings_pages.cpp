#include "app/settings_dialogs/sys_settings_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "app/bridge/text.h"
#include "app/settings_dialogs/settings_controls.h"
#include "presentation/persons/person_list.h"
#include "presentation/settings/sys_settings_texts.h"
#include "settings/sys_settings_keys.h"

namespace kirvo {
namespace {

using Flow = ChoiceGroup::Flow;

QCheckBox* Flag(std::string_view key, QWidget* parent) {
  return FlagBox(key, CaptionOf(kSysFlagCaptions, key), parent);
}

const SysChoiceKey& ChoiceKeyOf(std::string_view key) {
  for (const SysChoiceKey& choice : kSysChoiceKeys) {
    if (choice.key == key) return choice;
  }
  return kSysChoiceKeys.front();
}

ChoiceGroup* Radio(std::string_view key, Flow flow, QWidget* parent) {
  return new ChoiceGroup(key, CaptionOf(kSysGroupCaptions, key), ChoiceKeyOf(key).items, flow, parent);
}

// A drop-down list with its caption in front.
QHBoxLayout* DropDown(std::string_view key, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(ToQString(key));
  for (std::string_view item : ChoiceKeyOf(key).items) {
    if (!item.empty()) list->addItem(ToQString(item));
  }
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(ToQString(CaptionOf(kSysGroupCaptions, key)), parent));
  row->addWidget(list);
  row->addStretch(1);
  return row;
}

CheckGroup* Checks(std::string_view key, std::span<const std::string_view> items, int columns, QWidget* parent) {
  return new CheckGroup(key, CaptionOf(kSysGroupCaptions, key), items, columns, parent);
}

QWidget* Page(QTabWidget& tabs, std::string_view caption) {
  auto* page = new QWidget(&tabs);
  page->setObjectName(ToQString(caption));
  tabs.addTab(page, ToQString(caption));
  return page;
}

QLabel* Text(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

// Texts and fields in one row, packed to the left.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch(1);
  return row;
}

// The three sizes of a chart grid, 20 to 100 pixels.
QHBoxLayout* Sizes(const char* width, const char* stem_height, const char* hidden_height, QWidget* parent) {
  return Row({Text("柱の幅", parent), NumberField(width, 40, parent), Text("干支行の高さ", parent),
              NumberField(stem_height, 40, parent), Text("蔵干行の高さ", parent), NumberField(hidden_height, 40, parent)});
}

void BuildBasicPage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kSysSettingsTabs[0]);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(Row({Text("起動時に開く名前ﾃﾞｰﾀﾌｧｲﾙ", page), NumberField("FileE", 220, page)}));
  for (const char* key : {"SCB3", "MeCB", "KouCB", "MKCB", "MeiCB", "EdSW", "MOnSW"}) layout->addWidget(Flag(key, page));
  layout->addLayout(Row({Text("氏名", page), NumberField("NameE", 160, page)}));
  layout->addStretch(1);
}

void BuildTimePage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kSysSettingsTabs[1]);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Radio("NRG", Flow::kAcross, page));
  QPushButton* today = NamedButton(kTodayButton, "日付", page);
  QPushButton* now = NamedButton(kNowButton, "時刻", page);
  for (QPushButton* button : {today, now}) button->setFlat(true);
  layout->addLayout(Row({today, NumberField("NDate", 90, page), now, NumberField("NTime", 60, page)}));
  layout->addWidget(Flag("DRG", page));
  auto* natural = new QGroupBox(QStringLiteral("自然時の暫定対応"), page);
  auto* natural_layout = new QVBoxLayout(natural);
  natural_layout->addLayout(
      Row({Text("現在日時とシステム日時との差違を", natural), NumberField("NowE", 60, natural), Text("分にする。", natural)}));
  layout->addWidget(natural);
  layout->addLayout(Row({Text("天体計算のタイムゾーンを", page), NumberField("TZE", 50, page), Text("ｈにする。", page)}));
  layout->addWidget(Radio("SetsuRG", Flow::kAcross, page));
  layout->addLayout(Row({Text("節入りの前後", page), NumberField("SetsuE", 50, page),
                         Text("分以内の生まれには、節入り注意を表示する。", page)}));
  layout->addStretch(1);
}

void BuildCombinedPage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kSysSettingsTabs[2]);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Checks("MKChg", kChartRowItems, 7, page));
  layout->addWidget(Checks("MKouChg", kCombinedLuckRowItems, 7, page));
  layout->addLayout(Sizes("Tw1", "Kh1", "Zh1", page));
  layout->addLayout(Row({Text("行運表示列数", page), NumberField("CCnt1", 40, page)}));
  layout->addLayout(DropDown("KCB1", page));
  for (const char* key : {"WpCB", "KSGCB", "KSG2CB"}) layout->addWidget(Flag(key, page));
  // Kept in the file and obeyed, but not offered here.
  for (const char* key : {"SzCB", "SsnCB"}) Flag(key, page)->hide();
  layout->addStretch(1);
}

void BuildChartPage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kSysSettingsTabs[3]);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Checks("MeiChg", kChartRowItems, 7, page));
  layout->addLayout(Sizes("Tw", "Kh", "Zh", page));
  layout->addLayout(DropDown("CB1", page));
  for (const char* key : {"DCB", "MCB", "RCB", "TCB", "MnCB"}) layout->addWidget(Flag(key, page));
  layout->addStretch(1);
}

void BuildLuckPage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kSysSettingsTabs[4]);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Checks("KouChg", kLuckRowItems, 7, page));
  layout->addLayout(DropDown("KCB", page));
  layout->addLayout(
      Row({Text("占時より", page), NumberField("PreE", 40, page), Text("項目時間分前から表示する", page)}));
  layout->addLayout(Row({Text("表示列数", page), NumberField("CCnt", 40, page)}));
  auto* share = new QSlider(Qt::Horizontal, page);
  share->setObjectName(QStringLiteral("TBar1"));
  share->setRange(0, 100);
  QLabel* upper = Text("", page);
  upper->setObjectName(kUpperShareLabel);
  QLabel* lower = Text("", page);
  lower->setObjectName(kLowerShareLabel);
  layout->addWidget(Text("上項目と下項目の合計計算比率", page));
  layout->addLayout(Row({upper, share, lower}));
  layout->addLayout(DropDown("KMCB", page));
  layout->addLayout(Row({Text("年月日運の生成日時", page), NumberField("AlDtE", 90, page)}));
  layout->addStretch(1);
}

void BuildNamesPage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kSysSettingsTabs[5]);
  auto* layout = new QVBoxLayout(page);
  const std::span<const std::string_view> columns(kPersonListHeaders.begin() + 11, kPersonListItemCount);
  layout->addWidget(Checks("NCG", columns, 4, page));
  layout->addWidget(Radio("WmRG", Flow::kAcross, page));
  layout->addStretch(1);
}

void BuildOtherPage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kSysSettingsTabs[6]);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Checks("MCG", kContentPanelItems, 5, page));
  layout->addWidget(Checks("MCGP", kContentPrintItems, 5, page));
  for (const char* key : {"MCBL", "KakuCB"}) layout->addWidget(Flag(key, page));
  layout->addStretch(1);
}

void BuildColourPage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kSysSettingsTabs[7]);
  auto* layout = new QVBoxLayout(page);
  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < kPanelColourCount; ++i) {
    grid->addWidget(new ColourButton(kPanelColourRows[i].key, kPanelColourRows[i].caption, page),
                    static_cast<int>(i) / 4, static_cast<int>(i) % 4);
  }
  layout->addLayout(grid);
  layout->addLayout(Row({NamedButton(kLightColoursButton, "淡いﾃﾞﾌｫﾙﾄ色", page),
                         NamedButton(kDarkColoursButton, "濃いﾃﾞﾌｫﾙﾄ色", page)}));
  for (const char* key : {"CCB", "GCB"}) layout->addWidget(Flag(key, page));
  layout->addLayout(Row({Text("背景１", page), NumberField("BEd0", 200, page)}));
  layout->addLayout(Row({Text("背景２", page), NumberField("BEd1", 200, page)}));
  layout->addStretch(1);
}

void BuildTextPage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kSysSettingsTabs[8]);
  auto* layout = new QVBoxLayout(page);
  for (const auto& [key, caption] : {std::pair{"SetuFont", "説明文"}, {"SysFont", "システム"}, {"MeiFont", "命式"}}) {
    QLabel* label = Text("", page);
    label->setObjectName(QString::fromUtf8(key) + QString::fromUtf8(kFontLabelSuffix));
    layout->addLayout(Row({Text(caption, page), NamedButton(key, "フォント...", page), label}));
  }
  layout->addWidget(Text("変通星の表記　※再起動後、変更内容が有効となります。", page));
  auto* ten_gods = SettingsTableView("HenSG", page);
  layout->addWidget(ten_gods);
  auto* groups = SettingsTableView("HGSG", page);
  layout->addWidget(groups);
  layout->addWidget(Text("相剋表現の表記　※再起動後、変更内容が有効となります。", page));
  auto* relations = SettingsTableView("KyuSG", page);
  layout->addWidget(relations);
  for (QTableView* view : {ten_gods, groups, relations}) {
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFixedHeight(2 * view->verticalHeader()->defaultSectionSize() + 2 * view->frameWidth());
  }
  layout->addWidget(Flag("KNCB", page));
  layout->addLayout(Row({NamedButton(kDefaultNamesButton, "ﾃﾞﾌｫﾙﾄの文字に戻す", page)}));
  layout->addStretch(1);
}

}  // namespace

void BuildSysSettingsPages(QTabWidget& tabs) {
  BuildBasicPage(tabs);
  BuildTimePage(tabs);
  BuildCombinedPage(tabs);
  BuildChartPage(tabs);
  BuildLuckPage(tabs);
  BuildNamesPage(tabs);
  BuildOtherPage(tabs);
  BuildColourPage(tabs);
  BuildTextPage(tabs);
}

}  // namespace kirvo
