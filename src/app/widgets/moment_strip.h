#pragma once

#include <QWidget>

#include "platform/rgb_colour.h"
#include "presentation/shared/chart_moment_model.h"

class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLineEdit;
class QToolButton;

namespace kirvo {

// How a window shows its moment strip.
enum class MomentStripLook {
  // The chart windows': range `CB1` first, the date `NDate` with a calendar, the time `NTime` with
  // the stacked two-hour arrows `UpDown1Up`/`UpDown1Down`; the date and time show only where the
  // range uses them.
  kCompact,
  // The person list's: the captioned date 作式 `NDate` and time 占時 `NTime` as masked texts, the
  // arrows `SpinUp`/`SpinDown` side by side, the button 現在 `NowBtn`, then the range `CB1`.
  kCaptioned,
};

// The range / date / time / two-hour / now controls over one ChartMomentModel, which the window
// owns and which outlives the strip. Edits write through to the model whenever the fields make a
// moment the program computes with; the window then reads the model, never the fields.
class MomentStrip : public QWidget {
  Q_OBJECT

 public:
  MomentStrip(ChartMomentModel& model, MomentStripLook look, QWidget* parent = nullptr);

  // The fields show the model as it stands (nothing is signalled).
  void ShowModel();
  // Whether the date and time fields as typed make the model's moment (a half-typed time does not).
  bool EntryComplete() const { return entry_complete_; }
  // The compact look shows the date and time only where the model's range uses them.
  void FollowRange();
  // The range, date and time fields in `background`, their text in its contrasting colour.
  void ColourFields(Rgb background);
  // A control at the strip's far end (after the stretch).
  void AddTrailing(QWidget* control);
  // Whether the range list shows (a window choosing its luck some other way leaves it out).
  void ShowRange(bool shown);

 signals:
  // The user changed the date or the time (the model follows when EntryComplete).
  void entryEdited();
  // The user chose a range from the list (the model has it).
  void rangeChosen();
  // A two-hour arrow moved the model and the fields.
  void timeStepped();
  // 現在 was clicked; the window sets the model to its default moment and calls ShowModel.
  void nowRequested();

 private:
  void BuildRange();
  void BuildTime();
  void BuildCompact();
  void BuildCaptioned();
  QToolButton* ArrowButton(Qt::ArrowType arrow, const char* name);
  QString DateText() const;
  void TakeEntry();

  ChartMomentModel& model_;
  MomentStripLook look_;
  bool entry_complete_ = true;
  QHBoxLayout* row_ = nullptr;
  QComboBox* range_ = nullptr;
  QDateEdit* date_edit_ = nullptr;  // the compact look's date
  QLineEdit* date_text_ = nullptr;  // the captioned look's date
  QLineEdit* time_ = nullptr;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
};

}  // namespace kirvo
