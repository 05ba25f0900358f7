#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "presentation/frame/help_topics.h"
#include "presentation/time/date_search_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kirvo {

class AppServices;

// "干支日時検索": finds the first moment of a range whose pillars carry the chosen stems and
// branches. The walk runs in short slices from the event loop, so the window stays responsive and
// "中断" stops it; the candidate shows as it goes and each met choice takes the highlight colour.
class DateSearchDialog : public QDialog {
  Q_OBJECT

 public:
  // The form as last kept in MainF.ini of the program folder; `show_help` opens a help topic.
  DateSearchDialog(AppServices& services, std::function<void(HelpTopic)> show_help, QWidget* parent = nullptr);
  ~DateSearchDialog() override;

  // The match as it goes into the entry bar, once found.
  const std::optional<FoundEntry>& Found() const { return found_; }
  bool Searching() const { return search_ != nullptr; }

  QComboBox* Choice(int index) const { return choices_[static_cast<std::size_t>(index)]; }
  QLineEdit* RangeField(int index) const { return range_[static_cast<std::size_t>(index)]; }
  QPushButton* SearchButton() const { return search_button_; }
  QPushButton* CancelButton() const { return cancel_button_; }
  QLabel* CandidateLabel() const { return candidate_; }

  void StartSearch();

 protected:
  void done(int result) override;

 private:
  DateSearchForm FormOfFields() const;
  void RunSlice();
  void Finish(bool found);
  void ColourChoices(const ChoiceFlags& flags);

  AppServices& services_;
  std::function<void(HelpTopic)> show_help_;
  std::array<QComboBox*, kPatternChoices> choices_{};
  std::array<QLineEdit*, 4> range_{};
  QLabel* candidate_ = nullptr;
  QPushButton* search_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  std::unique_ptr<PillarSearch> search_;
  PillarPattern pattern_{};
  CalendarRules rules_;
  bool stop_ = false;
  std::optional<FoundEntry> found_;
};

}  // namespace kirvo
