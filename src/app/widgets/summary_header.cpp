#include "app/widgets/summary_header.h"

#include <QEvent>
#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "app/bridge/fonts.h"
#include "app/bridge/text.h"
#include "app/widgets/painting.h"
#include "presentation/panel/chart_content.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr std::array<const char*, 9> kFieldNames = {"Name", "SexL", "JuGa", "DT", "TukiL",
                                                    "KoukeiL", "RituNL", "Old", "AngL"};
constexpr int kSmallPointsLess = 2;  // 黄経 and its value are written smaller than the rest
constexpr int kMostPointsShrunk = 3;  // a narrow header keeps a readable font at most this much smaller
constexpr int kSmallestPoints = 6;

}  // namespace

SummaryHeader::SummaryHeader(const ChartRules& rules, QWidget* parent) : QWidget(parent), rules_(rules) {
  setObjectName(QStringLiteral("PersonHeader"));
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setHorizontalSpacing(6);
  layout->setVerticalSpacing(0);
  for (int field = 0; field < kFieldCount; ++field) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(kFieldNames[static_cast<std::size_t>(field)]));
    label->installEventFilter(this);
    labels_[static_cast<std::size_t>(field)] = label;
    layout->addWidget(label, field / 3, field % 3);
  }
  labels_[kAngL]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  labels_[kKoukeiL]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  layout->setColumnStretch(0, 5);
  layout->setColumnStretch(1, 4);
  layout->setColumnStretch(2, 3);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  ApplySystemSettings();
}

void SummaryHeader::ApplySystemSettings() {
  const QColor text = ToQColor(ColourOf(rules_.sys.CP, PanelColour::kFixedText));
  for (QLabel* label : labels_) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
  }
  FitFontsToWidth();
  update();
}

void SummaryHeader::SetFontPoints(int points) {
  QFont font = QFontOf(rules_.sys.SysFont);
  font.setPointSize(std::max(kSmallestPoints, points));
  QFont small = font;
  small.setPointSize(std::max(kSmallestPoints, points - kSmallPointsLess));
  for (int field = 0; field < kFieldCount; ++field) {
    labels_[static_cast<std::size_t>(field)]->setFont(field == kKoukeiL || field == kAngL ? small : font);
  }
}

int SummaryHeader::NeededWidth() const {
  // The grid gives each column the width of its widest text, so the header needs their sum.
  const auto* grid = static_cast<const QGridLayout*>(layout());
  const QMargins margins = grid->contentsMargins();
  int needed = margins.left() + margins.right() + 2 * grid->horizontalSpacing();
  for (int column = 0; column < 3; ++column) {
    int widest = 0;
    for (int line = 0; line < kFieldCount / 3; ++line) {
      widest = std::max(widest, labels_[static_cast<std::size_t>(line * 3 + column)]->sizeHint().width());
    }
    needed += widest;
  }
  return needed;
}

void SummaryHeader::FitFontsToWidth() {
  const int points = QFontOf(rules_.sys.SysFont).pointSize();
  SetFontPoints(points);
  if (width() <= 0) return;
  for (int less = 1; less <= kMostPointsShrunk && NeededWidth() > width(); ++less) SetFontPoints(points - less);
}

void SummaryHeader::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitFontsToWidth();
}

void SummaryHeader::SetSummary(const SummaryBlock& summary, const TMeiData& record,
                               const std::optional<NearTermNotice>& near_term) {
  const std::array<const std::string*, kFieldCount> texts = {&summary.Name, &summary.SexL,    &summary.JuGa,
                                                            &summary.DT,   &summary.TukiL,   &summary.KoukeiL,
                                                            &summary.RituNL, &summary.Old, &summary.AngL};
  for (std::size_t field = 0; field < texts.size(); ++field) {
    labels_[field]->setTextFormat(Qt::PlainText);
    labels_[field]->setText(QString::fromStdString(*texts[field]));
  }
  // A birth near a month-opening term: the mark follows the birth moment, its hint on the label.
  if (near_term) {
    const QColor mark = ToQColor(kNearTermMarkColour);
    labels_[kDT]->setTextFormat(Qt::RichText);
    labels_[kDT]->setText(QString::fromStdString(summary.DT).toHtmlEscaped() +
                          QStringLiteral(" <span style=\"color:%1\">%2</span>")
                              .arg(mark.name(), ToQString(kNearTermMark)));
  }
  FitFontsToWidth();
  near_term_hint_ = near_term ? near_term->hint : std::string();
  record_ = record;
  has_chart_ = !summary.Name.empty() || !summary.DT.empty();
}

QString SummaryHeader::TextOf(const char* field) const {
  for (std::size_t at = 0; at < kFieldNames.size(); ++at) {
    if (std::string_view(kFieldNames[at]) == field) return labels_[at]->text();
  }
  return {};
}

QString SummaryHeader::HintOf(const QObject* label) const {
  if (!has_chart_) return {};
  if (label == labels_[kDT]) return QString::fromStdString(near_term_hint_);
  const bool hinted = label == labels_[kRituNL] || label == labels_[kKoukeiL] || label == labels_[kAngL];
  if (!hinted) return {};
  const SummaryHints hints = SummaryHintsOf(record_, rules_);
  if (label == labels_[kRituNL]) return QString::fromStdString(hints.RituNL);
  if (label == labels_[kKoukeiL]) return QString::fromStdString(hints.KoukeiL);
  return QString::fromStdString(hints.AngL);
}

bool SummaryHeader::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const QString hint = HintOf(watched);
    auto* help = static_cast<QHelpEvent*>(event);
    if (hint.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), hint, static_cast<QWidget*>(watched));
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void SummaryHeader::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const PanelColours& colours = rules_.sys.CP;
  PaintGradient(painter, rect(), ColourOf(colours, PanelColour::kFixedGradientStart),
                rules_.sys.GCB ? 3 : height(), ColourOf(colours, PanelColour::kFixedGradientEnd));
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(rect().bottomLeft(), rect().bottomRight());
}

}  // namespace kirvo
