#include "app/frame/entry_bar.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTableView>

#include "app/bridge/dpi.h"
#include "app/bridge/text.h"
#include "calendar/sex.h"
#include "data/name_file.h"
#include "engine/chart_record.h"

namespace kirvo {
namespace {

// Edit masks of the date and time fields: digits only, the day and the minutes required, "_"
// showing an unfilled position.
const QString kDateMask = QStringLiteral("0000/00/99;_");
const QString kTimeMask = QStringLiteral("00:99;_");
const QString kInitialDate = QStringLiteral("0000/00/00");
const QString kInitialTime = QStringLiteral("00:00");

constexpr int kNameColumnWidthPx = 105;
constexpr int kSexColumnWidthPx = 40;
constexpr int kNameDropDownRows = 15;

// The text of a masked field with each unfilled position as a blank.
std::string MaskedText(const QLineEdit* field) {
  QString text = field->displayText();
  text.replace(QLatin1Char('_'), QLatin1Char(' '));
  return ToUtf8(text);
}

// The name field's drop-down fills itself from the person list each time it opens.
class NameDropDown : public QComboBox {
 public:
  using QComboBox::QComboBox;
  std::function<void()> before_popup;
  void showPopup() override {
    if (before_popup) before_popup();
    QComboBox::showPopup();
  }
};

}  // namespace

EntryBar::EntryBar(QWidget* parent) : QToolBar(QStringLiteral("入力Bar"), parent) {
  setObjectName(QStringLiteral("EntBar"));
  combined_button_ = AddButton("MKBtn", QStringLiteral("命行"), QStringLiteral("命式行運一体型ウィンドウを作成します"));
  combined_action_ = actions().last();
  chart_button_ = AddButton("MeiBtn", QStringLiteral("命式"), QStringLiteral("命式ウィンドウを作成します"));
  chart_action_ = actions().last();
  luck_button_ = AddButton("KouBtn", QStringLiteral("行運"), QStringLiteral("行運ウィンドウを作成します"));
  luck_action_ = actions().last();
  name_button_ = AddButton("NameBtn", QStringLiteral("氏名"), QStringLiteral("名前リストを表示します"));
  name_button_->installEventFilter(this);

  auto* name = new NameDropDown(this);
  name->before_popup = [this] { FillNameDropDown(); };
  name_ = name;
  name_->setObjectName(QStringLiteral("NameE"));
  name_->setEditable(true);
  name_->setInsertPolicy(QComboBox::NoInsert);
  name_->setMinimumWidth(ScaledPx(*this, kNameColumnWidthPx + kSexColumnWidthPx));
  name_->setMaxVisibleItems(kNameDropDownRows);
  auto* view = new QTableView(name_);
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setShowGrid(false);
  name_->setModel(new QStandardItemModel(0, 2, name_));
  name_->setView(view);
  view->setColumnWidth(0, ScaledPx(*this, kNameColumnWidthPx));
  view->setColumnWidth(1, ScaledPx(*this, kSexColumnWidthPx));
  view->setMinimumWidth(ScaledPx(*this, kNameColumnWidthPx + kSexColumnWidthPx));
  connect(name_, &QComboBox::activated, this, &EntryBar::ChoosePerson);
  addWidget(name_);

  sex_ = new QComboBox(this);
  sex_->setObjectName(QStringLiteral("Sex"));
  for (const std::string_view sex : kSexNames) sex_->addItem(ToQString(sex));
  addWidget(sex_);

  AddButton("DateBtn", QStringLiteral("日付"), QStringLiteral("和暦変換入力をします"));
  date_ = AddMaskedField("DateE", kDateMask, kInitialDate);

  AddButton("TimeBtn", QStringLiteral("時間"), QStringLiteral("時間不明 99:99 を入力します"));
  time_ = AddMaskedField("TimeE", kTimeMask, kInitialTime);
  time_->installEventFilter(this);

  natural_time_ = AddButton("TZBtn", QStringLiteral("▼"), QStringLiteral("自然時に変換します"));

  connect(combined_button_, &QToolButton::clicked, this, &EntryBar::combinedRequested);
  connect(chart_button_, &QToolButton::clicked, this, &EntryBar::chartRequested);
  connect(luck_button_, &QToolButton::clicked, this, &EntryBar::luckRequested);
  connect(name_button_, &QToolButton::clicked, this, &EntryBar::personListRequested);
  connect(findChild<QToolButton*>(QStringLiteral("DateBtn")), &QToolButton::clicked, this,
          &EntryBar::eraDateRequested);
  connect(findChild<QToolButton*>(QStringLiteral("TimeBtn")), &QToolButton::clicked, this,
          [this] { time_->setText(ToQString(kUnknownBirthTime)); });
  connect(natural_time_, &QToolButton::clicked, this, [this] {
    if (const auto text = NaturalTimeText(MaskedText(date_), MaskedText(time_))) {
      emit naturalTimeRequested(ToQString(*text));
    }
  });
  for (QLineEdit* field : {date_, time_}) {
    connect(field, &QLineEdit::textChanged, this, [this] {
      RefreshNaturalTimeButton();
      emit fieldsChanged();
    });
  }

  // Tab walks the fields only: name, sex, date, time.
  setTabOrder(name_, sex_);
  setTabOrder(sex_, date_);
  setTabOrder(date_, time_);
  RefreshNaturalTimeButton();
}

QToolButton* EntryBar::AddButton(const char* object_name, const QString& text, const QString& hint) {
  auto* button = new QToolButton(this);
  button->setObjectName(QString::fromLatin1(object_name));
  button->setText(text);
  button->setToolTip(hint);
  button->setStatusTip(hint);
  button->setFocusPolicy(Qt::NoFocus);
  addWidget(button);
  return button;
}

QLineEdit* EntryBar::AddMaskedField(const char* object_name, const QString& mask, const QString& initial_text) {
  constexpr int kFieldMarginPx = 16;
  auto* field = new QLineEdit(this);
  field->setObjectName(QString::fromLatin1(object_name));
  field->setInputMask(mask);
  field->setText(initial_text);
  field->setMaximumWidth(field->fontMetrics().horizontalAdvance(initial_text) + ScaledPx(*this, kFieldMarginPx));
  addWidget(field);
  return field;
}

EntryFields EntryBar::Fields() const {
  return EntryFields{ToUtf8(name_->currentText()), SexOfListIndex(sex_->currentIndex()), MaskedText(date_),
                     MaskedText(time_)};
}

void EntryBar::SetFields(const EntryFields& fields) {
  name_->setEditText(ToQString(fields.name));
  sex_->setCurrentIndex(SexListIndex(fields.sex));
  date_->setText(ToQString(fields.date));
  time_->setText(ToQString(fields.time));
}

void EntryBar::Clear() {
  name_->setEditText(QString());
  date_->clear();
  time_->clear();
  name_->setFocus();
}

void EntryBar::FocusField(EntryField field) {
  switch (field) {
    case EntryField::kName: name_->setFocus(); break;
    case EntryField::kSex: sex_->setFocus(); break;
    case EntryField::kDate: date_->setFocus(); break;
    case EntryField::kTime: time_->setFocus(); break;
  }
}

void EntryBar::SetDate(const QString& date) { date_->setText(date); }
void EntryBar::SetTime(const QString& time) { time_->setText(time); }

void EntryBar::ShowWindowButtons(bool combined, bool chart, bool luck) {
  combined_action_->setVisible(combined);
  chart_action_->setVisible(chart);
  luck_action_->setVisible(luck);
}

void EntryBar::RefreshNaturalTimeButton() {
  natural_time_->setEnabled(NaturalTimeAvailable(MaskedText(date_), MaskedText(time_)));
}

void EntryBar::FillNameDropDown() {
  const QString typed = name_->currentText();
  offered_rows_ = person_rows_ ? person_rows_() : std::vector<PersonEntryRow>();
  auto* model = static_cast<QStandardItemModel*>(name_->model());
  model->removeRows(0, model->rowCount());
  for (const PersonEntryRow& row : offered_rows_) {
    auto* name_item = new QStandardItem(ToQString(row.name));
    name_item->setData(ToQString(PersonDropDownItem(row.name, row.sex_text)), Qt::ToolTipRole);
    model->appendRow({name_item, new QStandardItem(ToQString(row.sex_text))});
  }
  name_->setEditText(typed);
}

void EntryBar::ChoosePerson(int index) {
  if (index < 0 || index >= static_cast<int>(offered_rows_.size())) return;
  const PersonEntryRow& row = offered_rows_[static_cast<std::size_t>(index)];
  SetFields({row.name, SexOfPersonCell(row.sex_text), row.date, row.time});
}

bool EntryBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == time_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // The keypad's decimal key ends the entry like 命式.
    if ((key->modifiers() & Qt::KeypadModifier) && (key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma)) {
      emit chartRequested();
      return true;
    }
  }
  if (watched == name_button_ && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton && (mouse->modifiers() & Qt::ControlModifier)) {
      emit displaySettingsExportRequested();
      return true;
    }
  }
  return QToolBar::eventFilter(watched, event);
}

}  // namespace kirvo
