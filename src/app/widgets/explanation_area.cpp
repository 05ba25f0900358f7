#include "app/widgets/explanation_area.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/bridge/content_grid_model.h"
#include "app/bridge/fonts.h"
#include "app/widgets/content_grid_view.h"
#include "app/widgets/painting.h"

namespace kirvo {
namespace {

constexpr int kSpiritStarRowPx = 16;

QPlainTextEdit* ReadOnlyText(const char* name, QWidget* parent) {
  auto* text = new QPlainTextEdit(parent);
  text->setObjectName(QString::fromLatin1(name));
  text->setReadOnly(true);
  return text;
}

}  // namespace

ExplanationArea::ExplanationArea(ContentGridModel& spirit_star_model, CellStyleDelegate& delegate, QWidget* parent)
    : QTabWidget(parent) {
  setObjectName(QStringLiteral("ExplanationArea"));

  memo_page_ = new QWidget(this);
  memo_page_->setObjectName(QStringLiteral("MemoPage"));
  addTab(memo_page_, QStringLiteral("メモ"));

  auto* pattern_page = new QWidget(this);
  auto* pattern_layout = new QVBoxLayout(pattern_page);
  pattern_layout->setContentsMargins(2, 2, 2, 2);
  pattern_layout->setSpacing(2);
  auto* selector_row = new QHBoxLayout;
  for (int index = 0; index < kPatternSelectorCount; ++index) {
    auto* selector = new QComboBox(pattern_page);
    selector->setObjectName(QStringLiteral("KCB%1").arg(index));
    selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    selector->setMinimumContentsLength(4);
    selectors_[static_cast<std::size_t>(index)] = selector;
    selector_row->addWidget(selector);
    connect(selector, &QComboBox::activated, this, [this, index](int entry) { emit PatternChosen(index, entry); });
  }
  pattern_layout->addLayout(selector_row);
  pattern_text_ = ReadOnlyText("KakuMemo", pattern_page);
  pattern_layout->addWidget(pattern_text_, 1);
  addTab(pattern_page, QStringLiteral("格局"));

  auto* spirit_page = new QWidget(this);
  auto* spirit_layout = new QVBoxLayout(spirit_page);
  spirit_layout->setContentsMargins(2, 2, 2, 2);
  spirit_layout->setSpacing(2);
  spirit_star_grid_ = new ContentGridView(spirit_star_model, delegate, kSpiritStarRowPx, true, {}, spirit_page);
  spirit_star_grid_->setObjectName(QStringLiteral("SinSG"));
  spirit_layout->addWidget(spirit_star_grid_);
  spirit_star_text_ = ReadOnlyText("SMemo", spirit_page);
  spirit_layout->addWidget(spirit_star_text_, 1);
  addTab(spirit_page, QStringLiteral("神殺"));
}

void ExplanationArea::ShowPatterns(const PatternSelectors& selectors, const std::string& pattern_text) {
  if (!lists_filled_ || listed_ != selectors.entries) {
    QStringList entries;
    for (const std::string& name : selectors.entries) entries << QString::fromStdString(name);
    for (QComboBox* selector : selectors_) {
      const QSignalBlocker blocker(selector);
      selector->clear();
      selector->addItems(entries);
    }
    listed_ = selectors.entries;
    lists_filled_ = true;
  }
  for (std::size_t index = 0; index < selectors_.size(); ++index) {
    const QSignalBlocker blocker(selectors_[index]);
    selectors_[index]->setCurrentIndex(selectors.shown[index]);
  }
  pattern_text_->setPlainText(QString::fromStdString(pattern_text));
}

void ExplanationArea::ShowExplanations(const ChartContent& content) {
  ShowPatterns(content.selectors, content.KakuMemo);
  spirit_star_grid_->UpdateLayout();
  spirit_star_text_->setPlainText(QString::fromStdString(content.SMemo));
}

void ExplanationArea::SetTextFont(const FontSpec& font) {
  for (QPlainTextEdit* text : {pattern_text_, spirit_star_text_}) {
    text->setFont(QFontOf(font));
    QPalette palette = text->palette();
    palette.setColor(QPalette::Text, ToQColor(font.colour));
    text->setPalette(palette);
  }
}

void ExplanationArea::SetGridFont(const QFont& font) {
  spirit_star_grid_->setFont(font);
  for (QComboBox* selector : selectors_) selector->setFont(font);
}

}  // namespace kirvo
