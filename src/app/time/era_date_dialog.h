#pragma once

#include <QDialog>
#include <optional>

#include "calendar/date_time.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kirvo {

class Interaction;

// "和暦変換入力": a birth date typed in a Japanese era. The era choice and the era date field
// "YY/MM/DD" convert as the user types; the label shows the Gregorian date; OK hands it over.
class EraDateDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens on `today` in the era it lies in.
  EraDateDialog(Interaction& interaction, DateTime today, QWidget* parent = nullptr);

  // The Gregorian date of the field, "yyyy/mm/dd"; nothing while the field holds no date.
  std::optional<DateTime> Date() const { return date_; }
  QComboBox* era_choice() const { return era_; }
  QLineEdit* era_text() const { return text_; }
  QLabel* gregorian_label() const { return gregorian_; }

 private:
  void Convert();
  void TextEdited();
  void Show(int era, const QString& text);

  Interaction& interaction_;
  QComboBox* era_ = nullptr;
  QLineEdit* text_ = nullptr;
  QLabel* gregorian_ = nullptr;
  std::optional<DateTime> date_;
};

}  // namespace kirvo
