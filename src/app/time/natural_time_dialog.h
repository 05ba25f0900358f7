#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <filesystem>
#include <functional>
#include <optional>

#include "presentation/frame/help_topics.h"
#include "presentation/time/natural_time_session.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kirvo {

class Interaction;

// The map of the natural-time dialog: the picture at its own pixel size, so a click's column is the
// picture's; a small red dot marks the last click.
class NaturalTimeMap : public QWidget {
  Q_OBJECT

 public:
  explicit NaturalTimeMap(QPixmap picture, QWidget* parent = nullptr);
  void MarkClick(QPoint at) {
    dot_ = at;
    update();
  }

 signals:
  void clicked(QPoint at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  std::optional<QPoint> dot_;
};

// "自然時変換": the entry bar's date and time moved to the natural time of a birthplace picked on the
// map or from the place list of TZone.dat, which is edited here and saved on OK.
class NaturalTimeDialog : public QDialog {
  Q_OBJECT

 public:
  // `session` opened on the entry bar's date and time with the list of `program_folder`, where the
  // map picture is too; `show_help` opens a help topic.
  NaturalTimeDialog(Interaction& interaction, NaturalTimeSession session, std::filesystem::path program_folder,
                    std::function<void(HelpTopic topic)> show_help, QWidget* parent = nullptr);

  const NaturalTimeSession& session() const { return session_; }
  // The converted date "yyyy/mm/dd" and time "hh:nn" that OK hands to the entry bar.
  QString ConvertedDate() const;
  QString ConvertedTime() const;

  NaturalTimeMap* map() const { return map_; }
  QLineEdit* input_field() const { return input_; }
  QLineEdit* converted_field() const { return converted_; }
  QLabel* place_label() const { return place_; }
  QTableWidget* place_table() const { return table_; }
  QLineEdit* name_field() const { return name_; }
  QLineEdit* minutes_field() const { return minutes_; }
  QPushButton* add_button() const { return add_; }
  QPushButton* delete_button() const { return delete_; }
  QCheckBox* equation_of_time_box() const { return equation_; }
  QLabel* equation_of_time_label() const { return equation_value_; }

  void accept() override;

 private:
  void ClickMap(QPoint at);
  void ClickRow(int row);
  void AddOrChange();
  void Delete();
  void ToggleEquationOfTime(bool on);
  void MoveRow(int from_visual, int to_visual);
  // A refused step: the beep and the message; the fields stay as they were.
  void Refuse(const Status& status);
  void ShowFields();
  void FillTable();

  Interaction& interaction_;
  NaturalTimeSession session_;
  std::filesystem::path program_folder_;
  NaturalTimeMap* map_ = nullptr;
  QLineEdit* input_ = nullptr;
  QLineEdit* converted_ = nullptr;
  QLabel* place_ = nullptr;
  QCheckBox* equation_ = nullptr;
  QLabel* equation_value_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* minutes_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* delete_ = nullptr;
};

}  // namespace kirvo
