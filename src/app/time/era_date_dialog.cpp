#include "app/time/era_date_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/bridge/text.h"
#include "calendar/era_dates.h"
#include "platform/interaction.h"

namespace kirvo {

EraDateDialog::EraDateDialog(Interaction& interaction, DateTime today, QWidget* parent)
    : QDialog(parent), interaction_(interaction) {
  setObjectName(QStringLiteral("WaRekiF"));
  setWindowTitle(QStringLiteral("和暦変換入力"));
  era_ = new QComboBox(this);
  era_->setObjectName(QStringLiteral("GengoCB"));
  for (int era = 0; era < kEraCount; ++era) era_->addItem(ToQString(EraChoiceText(era)));
  text_ = new QLineEdit(this);
  text_->setObjectName(QStringLiteral("WaDate"));
  // Era year, month and day, two digits each; blanks where nothing is typed yet.
  text_->setInputMask(QStringLiteral("99/99/99;_"));
  gregorian_ = new QLabel(this);
  gregorian_->setObjectName(QStringLiteral("SeiLabel"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    Convert();
    if (date_) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("元号"), era_);
  form->addRow(QStringLiteral("和暦"), text_);
  form->addRow(gregorian_);
  form->addRow(buttons);

  const int era = EraOfDate(today).value_or(kEraCount - 1);
  Show(era, ToQString(EraDateText(today, era)));
  Convert();
  connect(era_, &QComboBox::currentIndexChanged, this, &EraDateDialog::Convert);
  connect(text_, &QLineEdit::textEdited, this, &EraDateDialog::TextEdited);
  connect(text_, &QLineEdit::editingFinished, this, &EraDateDialog::Convert);
}

void EraDateDialog::TextEdited() {
  // Typing over the shown date changes it a digit at a time: it is checked once the last digit is
  // typed (or the field is left), while the label follows every date it passes through.
  if (text_->cursorPosition() >= text_->text().size()) return Convert();
  const QString typed = text_->text().replace(QLatin1Char('_'), QLatin1Char(' '));
  const std::optional<EraEntry> entry = ConvertEraText(era_->currentIndex(), typed.toStdString());
  gregorian_->setText(entry && !entry->error ? QStringLiteral("西暦") + ToQString(entry->date.DateText()) : QString());
}

void EraDateDialog::Show(int era, const QString& text) {
  const QSignalBlocker block(era_);
  era_->setCurrentIndex(era);
  text_->setText(text);
}

void EraDateDialog::Convert() {
  const QString typed = text_->text().replace(QLatin1Char('_'), QLatin1Char(' '));
  const std::optional<EraEntry> entry = ConvertEraText(era_->currentIndex(), typed.toStdString());
  if (!entry) return;  // not a date yet
  if (entry->error) interaction_.ShowMessage(MessageKind::kError, *entry->error);
  date_ = entry->date;
  Show(entry->era, ToQString(entry->text));
  gregorian_->setText(QStringLiteral("西暦") + ToQString(entry->date.DateText()));
}

}  // namespace kirvo
