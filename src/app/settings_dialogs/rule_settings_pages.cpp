#include "app/settings_dialogs/rule_settings_pages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "app/bridge/text.h"
#include "app/settings_dialogs/settings_controls.h"
#include "presentation/settings/rule_settings_texts.h"
#include "settings/usys_keys.h"

namespace kirvo {
namespace {

using Flow = ChoiceGroup::Flow;

QCheckBox* Flag(std::string_view key, QWidget* parent) {
  return FlagBox(key, kUSysFlags[*IndexOfKey(kUSysFlags, key)].caption, parent);
}

ChoiceGroup* Choice(std::string_view key, Flow flow, QWidget* parent) {
  const ChoiceKey& choice = kUSysChoices[*IndexOfKey(kUSysChoices, key)];
  return new ChoiceGroup(key, choice.caption, choice.items, flow, parent);
}

QWidget* Page(QTabWidget& tabs, const char* caption) {
  auto* page = new QWidget(&tabs);
  page->setObjectName(QString::fromUtf8(caption));
  tabs.addTab(page, QString::fromUtf8(caption));
  return page;
}

// A one-row table as high as its row.
QTableView* OneRowTable(std::string_view key, QWidget* parent) {
  QTableView* view = SettingsTableView(key, parent);
  view->setFixedHeight(view->verticalHeader()->defaultSectionSize() + 2 * view->frameWidth());
  return view;
}

QLabel* Heading(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

// A row of widgets and texts, packed to the left.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch(1);
  return row;
}

void BuildChartPage1(QTabWidget& tabs) {
  QWidget* page = Page(tabs, "命式１");
  auto* layout = new QVBoxLayout(page);
  auto* group = new QGroupBox(QStringLiteral("干支の特殊関係の設定"), page);
  auto* flags = new QVBoxLayout(group);
  for (const char* key : {"KSCB", "KKSCB", "KoCB", "NCB", "TCB", "SaCB", "SigCB", "SiaCB"}) {
    flags->addWidget(Flag(key, group));
  }
  flags->addWidget(Choice("KaRG", Flow::kAcross, group));
  layout->addWidget(group);
  layout->addStretch(1);
}

void BuildChartPage2(QTabWidget& tabs) {
  QWidget* page = Page(tabs, "命式２");
  auto* layout = new QVBoxLayout(page);
  auto* grid = new QGridLayout;
  grid->addWidget(Choice("DuRG", Flow::kDown, page), 0, 0);
  grid->addWidget(Choice("DaiRG", Flow::kDown, page), 0, 1, 2, 1);
  grid->addWidget(Choice("DRG", Flow::kDown, page), 1, 0);
  grid->addWidget(Choice("TRG", Flow::kDown, page), 2, 0);
  layout->addLayout(grid);
  auto* useful = new QGroupBox(QStringLiteral("用神算出の設定"), page);
  auto* useful_layout = new QVBoxLayout(useful);
  useful_layout->addWidget(Flag("YCB0", useful));
  useful_layout->addWidget(Choice("YRG0", Flow::kDown, useful));
  layout->addWidget(useful);
  layout->addStretch(1);
}

void BuildHiddenStemPage(QTabWidget& tabs) {
  QWidget* page = Page(tabs, "蔵干");
  auto* layout = new QVBoxLayout(page);
  QLineEdit* file = NumberField("ZFileE", 0, page);
  layout->addLayout(Row({Heading("蔵干配分設定ファイル", page), file, NamedButton("OpenBtn", "開く...", page)}));
  auto* depths = new QGroupBox(QStringLiteral("各律の取り方"), page);
  auto* grid = new QGridLayout(depths);
  grid->setContentsMargins(4, 2, 4, 2);
  int place = 0;
  for (const char* key : {"ZRG0", "ZRG1", "ZRG2", "ZRG3", "ZRG4", "ZRG5"}) {
    grid->addWidget(Choice(key, Flow::kAcross, depths), place / 2, place % 2);
    ++place;
  }
  layout->addWidget(depths);
  layout->addLayout(Row({Heading("蔵干の配分表", page), NamedButton("RChk0", "深浅の日時をコピー", page)}));
  layout->addWidget(SettingsTableView("ZSG", page), 1);
}

void BuildNumberPage1(QTabWidget& tabs) {
  QWidget* page = Page(tabs, kNumberPageName);
  auto* layout = new QVBoxLayout(page);
  auto* mark = new QLabel(ToQString(kNumberSpecLabel), page);
  mark->setObjectName(kNumberSpecLabelName);
  mark->setStyleSheet(QStringLiteral("color: red;"));
  mark->hide();
  layout->addLayout(Row({Heading("五行数値の元数", page), mark}));
  layout->addWidget(SettingsTableView("SSG", page), 1);
  layout->addWidget(Note("※通根で、余中本気で複数が対象となる場合、本中余気の順で採用します。", page));
  layout->addWidget(Flag("RCB", page));
  // Kept in the file and obeyed by the engine, but not offered here.
  for (const char* key : {"SuCB", "JyCB"}) Flag(key, page)->hide();
  layout->addWidget(Heading("月令の加減算（生月支と月令の関係から計算します）", page));
  layout->addWidget(OneRowTable("SSG2", page));
  QPushButton* twice = NamedButton("Button1", "×２", page);
  twice->setToolTip(QStringLiteral("数値全部を２倍にします"));
  QPushButton* half = NamedButton("Button2", "÷２", page);
  half->setToolTip(QStringLiteral("数値全部を２で割ります"));
  layout->addLayout(Row({Note("※設定可能数値は、０～２０です。", page), twice, half}));
  layout->addWidget(
      Note("※命式変更機能で半化させる場合、小数点以下は切り捨てですので、必要に応じて２倍させてください。", page));
}

void BuildNumberPage2(QTabWidget& tabs) {
  QWidget* page = Page(tabs, "数値２");
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Choice("RRG", Flow::kAcross, page));
  auto* strength = new QGroupBox(QStringLiteral("身旺身弱の判定基準（順数値－逆数値）"), page);
  auto* strength_layout = new QVBoxLayout(strength);
  strength_layout->addWidget(OneRowTable("MSG", strength));
  strength_layout->addWidget(Note("※設定可能数値は、-100～100です。", strength));
  strength_layout->addWidget(Note("中央と左右それぞれの数値が同じ場合、左側の内容を採用します。", strength));
  layout->addWidget(strength);
  auto* balance = new QGroupBox(QStringLiteral("内外格の判定基準"), page);
  auto* balance_layout = new QVBoxLayout(balance);
  balance_layout->addLayout(Row({Heading("均衡度が、", balance), NumberField("NGE", 40, balance),
                                 Heading("％ 以上を内格、それ未満を外格とする", balance)}));
  balance_layout->addWidget(Note("※設定可能数値は、1～99です。", balance));
  balance_layout->addLayout(Row({Heading("平均", balance), NumberField("AVE", 40, balance), Heading("％", balance),
                                 Heading("標準偏差", balance), NumberField("StdE", 40, balance),
                                 Heading("％", balance)}));
  ChoiceGroup* method = Choice("KiRG", Flow::kDown, balance);
  method->setFlat(true);
  balance_layout->addWidget(method);
  layout->addWidget(balance);
  layout->addStretch(1);
}

void BuildNumberPage3(QTabWidget& tabs) {
  QWidget* page = Page(tabs, "数値３");
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Heading("変通星の数値", page));
  layout->addWidget(SettingsTableView("HSG", page), 1);
  layout->addWidget(Note("※変通星のグラフ作成に反映されます。", page));
}

void BuildSpiritStarPage1(QTabWidget& tabs) {
  QWidget* page = Page(tabs, "神殺１");
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(Row({Heading("表示する神殺", page), Heading("（0:非表示 1:表示）", page),
                         NamedButton("DefBtn", "デフォルトに戻す", page), NamedButton("ClrBtn", "全てを 0: 非表示", page)}));
  layout->addWidget(SettingsTableView("SiSG", page), 1);
}

void BuildTablePage(QTabWidget& tabs, const char* caption, const char* heading, std::string_view key) {
  QWidget* page = Page(tabs, caption);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Heading(heading, page));
  layout->addWidget(SettingsTableView(key, page), 1);
}

}  // namespace

void BuildRuleSettingsPages(QTabWidget& tabs) {
  BuildChartPage1(tabs);
  BuildChartPage2(tabs);
  BuildHiddenStemPage(tabs);
  BuildNumberPage1(tabs);
  BuildNumberPage2(tabs);
  BuildNumberPage3(tabs);
  BuildSpiritStarPage1(tabs);
  BuildTablePage(tabs, "神殺２", "神殺　-　干系表", "SKSG");
  BuildTablePage(tabs, "神殺３", "神殺　-　支系表", "SSSG");
  BuildTablePage(tabs, "調候", "調候用神　日干 - 月支", "TSG");
}

}  // namespace kirvo
