#include "app/time/date_search_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/bridge/colour.h"
#include "app/bridge/text.h"
#include "calendar/sexagenary.h"
#include "app/services/app_services.h"
#include "settings/calendar_settings.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr std::array<const char*, 4> kPillarLabels = {"年", "月", "日", "時"};
constexpr std::array<const char*, 4> kRangeCaptions = {"検索開始日付", "", "検索終了日付", ""};
constexpr int kSliceMilliseconds = 30;  // the event loop gets its turn this often

QString StyleOf(Rgb background) {
  return QStringLiteral("QComboBox { background-color: %1; color: %2; }")
      .arg(ToQColor(background).name(), ToQColor(ContrastTextColour(background)).name());
}

}  // namespace

DateSearchDialog::DateSearchDialog(AppServices& services, std::function<void(HelpTopic)> show_help, QWidget* parent)
    : QDialog(parent), services_(services), show_help_(std::move(show_help)) {
  setObjectName(QStringLiteral("SrcF"));
  setWindowTitle(QStringLiteral("干支日時検索"));
  const DateSearchForm form = LoadDateSearchForm(services_.program_folder());

  auto* grid = new QGridLayout;
  for (std::size_t slot = 0; slot < kPillarLabels.size(); ++slot) {
    grid->addWidget(new QLabel(QString::fromUtf8(kPillarLabels[slot]), this), 0, static_cast<int>(slot),
                    Qt::AlignCenter);
    for (std::size_t part = 0; part < 2; ++part) {
      const std::size_t index = 2 * slot + part;
      auto* choice = new QComboBox(this);
      choice->setObjectName(ToQString(kPatternControls[index]));
      choice->addItem(QString());
      if (part == 0) {
        for (const std::string_view stem : kStemNames) choice->addItem(ToQString(stem));
      } else {
        for (const std::string_view branch : kBranchNames) choice->addItem(ToQString(branch));
      }
      choice->setCurrentIndex(form.pattern[index]);
      grid->addWidget(choice, 1 + static_cast<int>(part), static_cast<int>(slot));
      choices_[index] = choice;
    }
  }

  auto* range = new QGridLayout;
  const std::array<std::string, 4> texts = {form.start_date, form.start_time, form.end_date, form.end_time};
  for (std::size_t i = 0; i < range_.size(); ++i) {
    range_[i] = new QLineEdit(ToQString(texts[i]), this);
    range_[i]->setObjectName(ToQString(kRangeControls[i]));
    range_[i]->setInputMask(i % 2 == 0 ? QStringLiteral("9999/99/99") : QStringLiteral("99:99"));
    if (*kRangeCaptions[i] != '\0') range->addWidget(new QLabel(QString::fromUtf8(kRangeCaptions[i]), this), static_cast<int>(i / 2), 0);
    range->addWidget(range_[i], static_cast<int>(i / 2), 1 + static_cast<int>(i % 2));
  }

  candidate_ = new QLabel(QStringLiteral("検索対象："), this);
  candidate_->setObjectName(QStringLiteral("TargetLabel"));
  search_button_ = new QPushButton(QStringLiteral("検索！"), this);
  search_button_->setObjectName(QStringLiteral("SrcBtn"));
  cancel_button_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cancel_button_->setObjectName(QStringLiteral("CancelBtn"));
  auto* help = new QPushButton(QStringLiteral("ヘルプ"), this);
  connect(search_button_, &QPushButton::clicked, this, &DateSearchDialog::StartSearch);
  connect(cancel_button_, &QPushButton::clicked, this, [this] {
    if (Searching()) {
      stop_ = true;
    } else {
      reject();
    }
  });
  connect(help, &QPushButton::clicked, this, [this] {
    if (show_help_) show_help_(HelpTopic::kDateSearch);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(search_button_);
  buttons->addWidget(cancel_button_);
  buttons->addWidget(help);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(range);
  layout->addWidget(candidate_);
  layout->addLayout(buttons);
  ColourChoices(ChoiceFlags{});
}

DateSearchDialog::~DateSearchDialog() = default;

DateSearchForm DateSearchDialog::FormOfFields() const {
  DateSearchForm form;
  for (std::size_t i = 0; i < choices_.size(); ++i) form.pattern[i] = choices_[i]->currentIndex();
  form.start_date = ToUtf8(range_[0]->text());
  form.start_time = ToUtf8(range_[1]->text());
  form.end_date = ToUtf8(range_[2]->text());
  form.end_time = ToUtf8(range_[3]->text());
  return form;
}

void DateSearchDialog::StartSearch() {
  if (Searching()) return;
  const DateSearchForm form = FormOfFields();
  const auto checked = CheckDateSearchForm(form);
  if (const auto* refusal = std::get_if<SearchRefusal>(&checked)) {
    services_.interaction().Refuse(refusal->reason);
    if (!refusal->message.empty()) services_.interaction().ShowMessage(MessageKind::kWarning, refusal->message);
    return;
  }
  const SearchRange range = std::get<SearchRange>(checked);
  pattern_ = form.pattern;
  rules_ = CalendarRulesOf(services_.usys(), services_.sys());
  search_ = std::make_unique<PillarSearch>(pattern_, range.start, range.end, rules_);
  stop_ = false;
  found_.reset();
  cancel_button_->setText(QStringLiteral("中断"));
  search_button_->setEnabled(false);
  QTimer::singleShot(0, this, &DateSearchDialog::RunSlice);
}

void DateSearchDialog::RunSlice() {
  if (!search_) return;
  QElapsedTimer slice;
  slice.start();
  while (!stop_) {
    switch (search_->Step()) {
      case PillarSearch::Progress::kFound:
        Finish(true);
        return;
      case PillarSearch::Progress::kPassedEnd:
        Finish(false);
        return;
      case PillarSearch::Progress::kGoingOn:
        break;
    }
    if (slice.elapsed() >= kSliceMilliseconds) {
      candidate_->setText(QStringLiteral("検索対象：") + ToQString(search_->candidate().DateTimeText()));
      ColourChoices(search_->flags());
      QTimer::singleShot(0, this, &DateSearchDialog::RunSlice);
      return;
    }
  }
  Finish(false);
}

void DateSearchDialog::Finish(bool found) {
  candidate_->setText(QStringLiteral("検索対象：") + ToQString(search_->candidate().DateTimeText()));
  ColourChoices(search_->flags());
  if (found) found_ = EntryOfMatch(search_->candidate(), pattern_, rules_);
  search_.reset();
  cancel_button_->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  search_button_->setEnabled(true);
  services_.interaction().Beep();
  services_.interaction().ShowMessage(MessageKind::kInformation,
                                      found ? kFoundMessage : kNotFoundMessage);
  if (found) accept();
}

void DateSearchDialog::ColourChoices(const ChoiceFlags& flags) {
  const SysSettings& sys = services_.sys();
  for (std::size_t i = 0; i < choices_.size(); ++i) {
    const bool met = flags[i] && choices_[i]->currentIndex() != 0;
    choices_[i]->setStyleSheet(
        StyleOf(ColourOf(sys.CP, met ? PanelColour::kSpecialPart : PanelColour::kSelection)));
  }
}

void DateSearchDialog::done(int result) {
  stop_ = true;
  search_.reset();
  const Status saved = SaveDateSearchForm(services_.program_folder(), FormOfFields());
  ShowFailure(saved, services_.interaction());
  QDialog::done(result);
}

}  // namespace kirvo
