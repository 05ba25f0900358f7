#include "app/time/natural_time_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "calendar/natural_time.h"
#include "platform/interaction.h"

namespace kirvo {
namespace {

constexpr char kMapPictureFile[] = "JapanMap.png";
constexpr int kDotRadiusPx = 3;
constexpr int kNameColumnWidthPx = 120;
constexpr int kMinutesColumnWidthPx = 50;

}  // namespace

NaturalTimeMap::NaturalTimeMap(QPixmap picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
  setObjectName(QStringLiteral("MapImage"));
  setFixedSize(kMapSizePx, kMapSizePx);
  setCursor(Qt::CrossCursor);
}

void NaturalTimeMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
  if (dot_) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawEllipse(*dot_, kDotRadiusPx, kDotRadiusPx);
  }
}

void NaturalTimeMap::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(event->position().toPoint());
}

NaturalTimeDialog::NaturalTimeDialog(Interaction& interaction, NaturalTimeSession session,
                                     std::filesystem::path program_folder, std::function<void(HelpTopic topic)> show_help,
                                     QWidget* parent)
    : QDialog(parent),
      interaction_(interaction),
      session_(std::move(session)),
      program_folder_(std::move(program_folder)) {
  setObjectName(QStringLiteral("TZoneF"));
  setWindowTitle(ToQString(kNaturalTimeCaption));

  map_ = new NaturalTimeMap(QPixmap(PathText(program_folder_ / kMapPictureFile)), this);
  input_ = new QLineEdit(this);
  input_->setObjectName(QStringLiteral("BeforeE"));
  converted_ = new QLineEdit(this);
  converted_->setObjectName(QStringLiteral("AfterE"));
  for (QLineEdit* field : {input_, converted_}) field->setReadOnly(true);
  place_ = new QLabel(this);
  place_->setObjectName(QStringLiteral("PlaceLabel"));
  equation_ = new QCheckBox(ToQString(kEquationOfTimeOption), this);
  equation_->setObjectName(QStringLiteral("EquationCB"));
  equation_value_ = new QLabel(ToQString(session_.EquationOfTimeText()), this);
  equation_value_->setObjectName(QStringLiteral("EquationLabel"));

  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("PlaceGrid"));
  table_->setColumnCount(2);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setColumnWidth(1, kMinutesColumnWidthPx);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setMinimumWidth(kNameColumnWidthPx + kMinutesColumnWidthPx + 60);
  // Rows are reordered by dragging their headers.
  table_->verticalHeader()->setSectionsMovable(true);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);

  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("NameE"));
  minutes_ = new QLineEdit(this);
  minutes_->setObjectName(QStringLiteral("MinutesE"));
  minutes_->setMaximumWidth(kMinutesColumnWidthPx + 20);
  add_ = new QPushButton(QStringLiteral("追加・変更"), this);
  add_->setObjectName(QStringLiteral("AddBtn"));
  delete_ = new QPushButton(QStringLiteral("削除"), this);
  delete_->setObjectName(QStringLiteral("DelBtn"));
  add_->setAutoDefault(false);
  delete_->setAutoDefault(false);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  buttons->button(QDialogButtonBox::Help)->setText(QStringLiteral("ヘルプ"));

  auto* times = new QFormLayout;
  times->addRow(QStringLiteral("変換前日時："), input_);
  times->addRow(QStringLiteral("変換後日時："), converted_);
  auto* equation_row = new QHBoxLayout;
  equation_row->addWidget(equation_);
  equation_row->addWidget(equation_value_);
  equation_row->addStretch();
  auto* edit_row = new QHBoxLayout;
  edit_row->addWidget(name_, 1);
  edit_row->addWidget(minutes_);
  auto* edit_buttons = new QHBoxLayout;
  edit_buttons->addWidget(add_);
  edit_buttons->addWidget(delete_);
  edit_buttons->addStretch();
  auto* side = new QVBoxLayout;
  side->addLayout(times);
  side->addWidget(place_);
  side->addLayout(equation_row);
  side->addWidget(table_, 1);
  if (!session_.list_editable()) {
    // The file could not be read: it is left alone, so the list can't be edited here.
    auto* locked = new QLabel(ToQString(kPlaceListUnreadableNote), this);
    locked->setObjectName(QStringLiteral("ListLockedLabel"));
    locked->setWordWrap(true);
    side->addWidget(locked);
    table_->verticalHeader()->setSectionsMovable(false);
    for (QWidget* control : std::initializer_list<QWidget*>{name_, minutes_, add_, delete_}) control->setEnabled(false);
  }
  side->addLayout(edit_row);
  side->addLayout(edit_buttons);
  auto* body = new QHBoxLayout;
  body->addWidget(map_, 0, Qt::AlignTop);
  body->addLayout(side, 1);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(body);
  outer->addWidget(buttons);

  connect(map_, &NaturalTimeMap::clicked, this, &NaturalTimeDialog::ClickMap);
  connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) { ClickRow(row); });
  connect(table_->verticalHeader(), &QHeaderView::sectionMoved, this,
          [this](int, int from_visual, int to_visual) { MoveRow(from_visual, to_visual); });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) { session_.SetNameText(ToUtf8(text)); });
  connect(minutes_, &QLineEdit::textEdited, this,
          [this](const QString& text) { session_.SetMinutesText(ToUtf8(text)); });
  connect(add_, &QPushButton::clicked, this, &NaturalTimeDialog::AddOrChange);
  connect(delete_, &QPushButton::clicked, this, &NaturalTimeDialog::Delete);
  connect(equation_, &QCheckBox::toggled, this, &NaturalTimeDialog::ToggleEquationOfTime);
  connect(buttons, &QDialogButtonBox::accepted, this, &NaturalTimeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [show_help = std::move(show_help)] {
    if (show_help) show_help(HelpTopic::kNaturalTime);
  });

  FillTable();
  ShowFields();
}

QString NaturalTimeDialog::ConvertedDate() const { return ToQString(session_.converted().DateText()); }
QString NaturalTimeDialog::ConvertedTime() const { return ToQString(session_.converted().TimeText()); }

void NaturalTimeDialog::accept() {
  // The edited list is not lost when saving fails: the dialog stays for another try or ｷｬﾝｾﾙ.
  if (!ShowFailure(session_.Save(program_folder_), interaction_)) return;
  QDialog::accept();
}

void NaturalTimeDialog::ClickMap(QPoint at) {
  if (const Status clicked = session_.ClickMap(at.x()); !clicked) return Refuse(clicked);
  map_->MarkClick(at);
  ShowFields();
  name_->setFocus();
}

void NaturalTimeDialog::ClickRow(int row) {
  if (row < 0) return;
  if (const Status clicked = session_.ClickPlace(static_cast<std::size_t>(row)); !clicked) return Refuse(clicked);
  ShowFields();
}

void NaturalTimeDialog::AddOrChange() {
  if (const Status added = session_.AddOrChange(); !added) {
    Refuse(added);
    // The refused minutes are where the user typed them, ready to be typed again.
    if (session_.MinutesProblem()) {
      minutes_->setFocus();
      minutes_->selectAll();
    }
    return;
  }
  FillTable();
}

void NaturalTimeDialog::Delete() {
  if (session_.Remove()) FillTable();
}

void NaturalTimeDialog::ToggleEquationOfTime(bool on) {
  if (const Status set = session_.SetEquationOfTime(on); !set) {
    const QSignalBlocker block(equation_);
    equation_->setChecked(!on);
    return Refuse(set);
  }
  ShowFields();
}

void NaturalTimeDialog::MoveRow(int from_visual, int to_visual) {
  // The header only showed the move; the list takes it and the rows are laid out afresh.
  QHeaderView* header = table_->verticalHeader();
  {
    const QSignalBlocker block(header);
    header->moveSection(to_visual, from_visual);
  }
  if (session_.MovePlace(static_cast<std::size_t>(from_visual), static_cast<std::size_t>(to_visual))) {
    FillTable();
    table_->selectRow(to_visual);
  }
}

void NaturalTimeDialog::Refuse(const Status& status) {
  interaction_.Beep();
  interaction_.ShowMessage(MessageKind::kError, status.error());
}

void NaturalTimeDialog::ShowFields() {
  input_->setText(ToQString(session_.InputText()));
  converted_->setText(ToQString(session_.ConvertedText()));
  place_->setText(ToQString(session_.place_label()));
  name_->setText(ToQString(session_.name_text()));
  minutes_->setText(ToQString(session_.minutes_text()));
}

void NaturalTimeDialog::FillTable() {
  const TimeZoneTable& places = session_.places();
  table_->setHorizontalHeaderLabels({ToQString(places.header()[0]), ToQString(places.header()[1])});
  table_->setRowCount(static_cast<int>(places.places().size()));
  int row = 0;
  for (const TimeZonePlace& place : places.places()) {
    table_->setItem(row, 0, new QTableWidgetItem(ToQString(place.name)));
    auto* minutes = new QTableWidgetItem(ToQString(place.minutes));
    minutes->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(row, 1, minutes);
    ++row;
  }
}

}  // namespace kirvo
