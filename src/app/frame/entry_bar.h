#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <string>
#include <vector>

#include "presentation/frame/entry_bar_rules.h"

namespace kirvo {

// One person of the person list as the name drop-down offers it.
struct PersonEntryRow {
  std::string name;
  std::string sex_text;  // the cell as the list holds it, "男" or "女"
  std::string date;
  std::string time;
};

// The entry bar `EntBar` ("入力Bar"): where a person's name, sex, birth date and birth time are
// typed, with the buttons that open the chart windows. It holds no rule of its own: the checks
// live in the core, and every button only signals its command.
class EntryBar : public QToolBar {
  Q_OBJECT

 public:
  explicit EntryBar(QWidget* parent = nullptr);

  // The fields as typed; unfilled positions of the date and time read as blanks.
  EntryFields Fields() const;
  void SetFields(const EntryFields& fields);
  // 入力クリア: empties name, date and time and puts the focus in the name field.
  void Clear();
  void FocusField(EntryField field);
  // Writes a date ("YYYY/MM/DD") or date and time from the era entry and natural time dialogs.
  void SetDate(const QString& date);
  void SetTime(const QString& time);

  // Where the name drop-down takes its rows from when it opens (the person list).
  void SetPersonRows(std::function<std::vector<PersonEntryRow>()> rows) { person_rows_ = std::move(rows); }
  // Hides the window buttons as the system settings ask (`MKCB`, `MeiCB`, `KouCB`).
  void ShowWindowButtons(bool combined, bool chart, bool luck);

  QComboBox* name_field() const { return name_; }
  QComboBox* sex_field() const { return sex_; }
  QLineEdit* date_field() const { return date_; }
  QLineEdit* time_field() const { return time_; }
  QToolButton* natural_time_button() const { return natural_time_; }

 signals:
  void combinedRequested();  // 命行
  void chartRequested();     // 命式, also the keypad's decimal key in the time field
  void luckRequested();      // 行運
  void personListRequested();        // 氏名
  void displaySettingsExportRequested();  // Ctrl + right button on 氏名
  void eraDateRequested();           // 日付
  void naturalTimeRequested(const QString& date_and_time);  // ▼ with the 15-character text
  void fieldsChanged();              // the date or time changed

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* AddButton(const char* object_name, const QString& text, const QString& hint);
  // A date or time field with its edit mask, showing `initial_text` and as wide as that text.
  QLineEdit* AddMaskedField(const char* object_name, const QString& mask, const QString& initial_text);
  void RefreshNaturalTimeButton();
  void FillNameDropDown();
  void ChoosePerson(int index);

  QToolButton* combined_button_ = nullptr;
  QToolButton* chart_button_ = nullptr;
  QToolButton* luck_button_ = nullptr;
  QToolButton* name_button_ = nullptr;
  QComboBox* name_ = nullptr;
  QComboBox* sex_ = nullptr;
  QLineEdit* date_ = nullptr;
  QLineEdit* time_ = nullptr;
  QToolButton* natural_time_ = nullptr;
  std::function<std::vector<PersonEntryRow>()> person_rows_;
  std::vector<PersonEntryRow> offered_rows_;
  QAction* combined_action_ = nullptr;
  QAction* chart_action_ = nullptr;
  QAction* luck_action_ = nullptr;
};

}  // namespace kirvo
