#include "app/widgets/moment_strip.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/bridge/colour.h"
#include "app/bridge/text.h"
#include "presentation/chart/chart_text_copy.h"

namespace kirvo {
namespace {

constexpr const char* kDateFormat = "yyyy/MM/dd";
constexpr int kCompactArrowWidthPx = 14, kCompactArrowHeightPx = 11;

QDate QDateOf(DateTime moment) {
  const DateFields fields = moment.Fields();
  return QDate(fields.year, fields.month, fields.day);
}

// A field with its two-character caption written top to bottom before it.
QWidget* Captioned(const QString& top, const QString& bottom, QWidget* field, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(top + QLatin1Char('\n') + bottom, box));
  layout->addWidget(field);
  return box;
}

}  // namespace

MomentStrip::MomentStrip(ChartMomentModel& model, MomentStripLook look, QWidget* parent)
    : QWidget(parent), model_(model), look_(look) {
  row_ = new QHBoxLayout(this);
  // The controls are made in the order of the look, which is their tab order.
  if (look_ == MomentStripLook::kCompact) {
    BuildCompact();
  } else {
    BuildCaptioned();
  }
  connect(range_, &QComboBox::currentIndexChanged, this,
          [this](int index) { model_.SetRange(LuckRangeOf(index).value_or(LuckRange::kNatalOnly)); });
  connect(range_, &QComboBox::activated, this, &MomentStrip::rangeChosen);
  const auto step = [this](StepDirection direction) {
    model_.StepTwoHours(direction);
    ShowModel();
    emit timeStepped();
  };
  connect(up_, &QToolButton::clicked, this, [step] { step(StepDirection::kForward); });
  connect(down_, &QToolButton::clicked, this, [step] { step(StepDirection::kBack); });
  ShowModel();
}

void MomentStrip::BuildRange() {
  range_ = new QComboBox(this);
  range_->setObjectName(QStringLiteral("CB1"));
  for (int range = 0; range < kLuckRangeCount; ++range) {
    range_->addItem(ToQString(LuckRangeCaption(*LuckRangeOf(range))));
  }
}

void MomentStrip::BuildTime() {
  time_ = new QLineEdit(this);
  time_->setObjectName(QStringLiteral("NTime"));
}

void MomentStrip::BuildCompact() {
  row_->setContentsMargins(1, 1, 1, 1);
  row_->setSpacing(1);
  BuildRange();
  date_edit_ = new QDateEdit(this);
  date_edit_->setObjectName(QStringLiteral("NDate"));
  date_edit_->setDisplayFormat(QString::fromLatin1(kDateFormat));
  date_edit_->setCalendarPopup(true);
  date_edit_->setDateRange(QDate(1, 3, 23), QDate(9999, 12, 31));
  date_edit_->setToolTip(QStringLiteral("作式日付を指定します。"));
  date_edit_->setMinimumWidth(date_edit_->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) + 28);
  connect(date_edit_, &QDateEdit::dateChanged, this, &MomentStrip::TakeEntry);

  BuildTime();
  time_->setInputMask(QStringLiteral("99:99"));
  time_->setMaxLength(5);
  time_->setFixedWidth(time_->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 8);
  // Only what the user types counts: the fields set from the model signal nothing.
  connect(time_, &QLineEdit::textEdited, this, &MomentStrip::TakeEntry);

  up_ = ArrowButton(Qt::UpArrow, "UpDown1Up");
  down_ = ArrowButton(Qt::DownArrow, "UpDown1Down");
  for (QToolButton* button : {up_, down_}) button->setFixedSize(kCompactArrowWidthPx, kCompactArrowHeightPx);
  auto* up_down = new QVBoxLayout;
  up_down->setSpacing(0);
  up_down->addWidget(up_);
  up_down->addWidget(down_);

  row_->addWidget(range_);
  row_->addWidget(date_edit_);
  row_->addWidget(time_);
  row_->addLayout(up_down);
  row_->addStretch(1);
}

void MomentStrip::BuildCaptioned() {
  row_->setContentsMargins(0, 0, 0, 0);
  date_text_ = new QLineEdit(this);
  date_text_->setObjectName(QStringLiteral("NDate"));
  date_text_->setInputMask(QStringLiteral("9999/99/99;_"));
  date_text_->setToolTip(QStringLiteral("作式日付を指定します。"));
  BuildTime();
  time_->setInputMask(QStringLiteral("99:99;_"));
  const int digit = date_text_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  date_text_->setFixedWidth(digit * 12);
  time_->setFixedWidth(digit * 7);
  connect(date_text_, &QLineEdit::textChanged, this, &MomentStrip::TakeEntry);
  connect(time_, &QLineEdit::textChanged, this, &MomentStrip::TakeEntry);
  row_->addWidget(Captioned(QStringLiteral("作"), QStringLiteral("式"), date_text_, this));
  row_->addWidget(Captioned(QStringLiteral("占"), QStringLiteral("時"), time_, this));

  up_ = ArrowButton(Qt::UpArrow, "SpinUp");
  down_ = ArrowButton(Qt::DownArrow, "SpinDown");
  for (QToolButton* button : {up_, down_}) button->setToolTip(QStringLiteral("時間を増減します"));
  row_->addWidget(up_);
  row_->addWidget(down_);
  auto* now = new QPushButton(QStringLiteral("現在"), this);
  now->setObjectName(QStringLiteral("NowBtn"));
  now->setToolTip(QStringLiteral("現在の日時にします。"));
  connect(now, &QPushButton::clicked, this, &MomentStrip::nowRequested);
  row_->addWidget(now);
  BuildRange();
  row_->addWidget(range_);
  row_->addStretch(1);
}

QToolButton* MomentStrip::ArrowButton(Qt::ArrowType arrow, const char* name) {
  auto* button = new QToolButton(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  return button;
}

QString MomentStrip::DateText() const {
  return date_edit_ != nullptr ? date_edit_->date().toString(QString::fromLatin1(kDateFormat)) : date_text_->text();
}

void MomentStrip::TakeEntry() {
  const std::optional<DateTime> moment =
      time_->hasAcceptableInput() ? DateTime::ParseDateTimeText(ToUtf8(DateText() + u' ' + time_->text()))
                                  : std::nullopt;
  entry_complete_ = moment && model_.SetMoment(*moment);
  emit entryEdited();
}

void MomentStrip::ShowModel() {
  const QSignalBlocker block_range(range_);
  range_->setCurrentIndex(LuckRangeNumber(model_.range()));
  const DateTime moment = model_.moment();
  if (date_edit_ != nullptr) {
    const QSignalBlocker block_date(date_edit_);
    date_edit_->setDate(QDateOf(moment));
  } else {
    const QSignalBlocker block_date(date_text_);
    date_text_->setText(ToQString(moment.DateText()));
  }
  const QSignalBlocker block_time(time_);
  time_->setText(ToQString(moment.TimeText()));
  entry_complete_ = true;
}

void MomentStrip::FollowRange() {
  if (look_ != MomentStripLook::kCompact) return;
  date_edit_->setVisible(RangeUsesDate(model_.range()));
  for (QWidget* field : std::initializer_list<QWidget*>{time_, up_, down_}) {
    field->setVisible(RangeUsesTime(model_.range()));
  }
}

void MomentStrip::ColourFields(Rgb background) {
  const QString style = QStringLiteral("background-color: %1; color: %2;")
                            .arg(ToQColor(background).name(), ToQColor(ContrastTextColour(background)).name());
  QWidget* date = date_edit_ != nullptr ? static_cast<QWidget*>(date_edit_) : date_text_;
  for (QWidget* field : std::initializer_list<QWidget*>{range_, date, time_}) field->setStyleSheet(style);
}

void MomentStrip::ShowRange(bool shown) { range_->setVisible(shown); }

void MomentStrip::AddTrailing(QWidget* control) {
  control->setParent(this);
  row_->addWidget(control);
}

}  // namespace kirvo
