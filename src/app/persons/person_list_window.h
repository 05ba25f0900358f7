#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTableView>
#include <QWidget>
#include <functional>

#include "calendar/date_time.h"
#include "engine/chart_record.h"
#include "platform/interaction.h"
#include "presentation/frame/entry_bar_rules.h"
#include "presentation/persons/person_list_file.h"
#include "settings/sys_settings.h"

namespace kirvo {

class PersonTableModel;

// What the person list reads and asks for: the system settings, the chart rules as they stand, the
// person at the screen, and the help on a topic. The settings and the interaction outlive the
// window.
struct PersonListNeeds {
  const SysSettings& sys;
  std::function<ChartRules()> rules;
  Interaction& interaction;
  std::function<void(int)> show_help;
};

// The person list window `TNListF` ("入力データ一覧"): the list as a table with sorting, search,
// 命式データ生成 at a chosen chart moment and range, deletion, the opening of chart windows for a
// row and the CSV export. Closing only hides it; the frame keeps its placement.
class PersonListWindow : public QWidget {
  Q_OBJECT

 public:
  // Asks where to write a file: caption, Qt filter, default suffix → path, empty when cancelled.
  using SaveFileChooser = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

  PersonListWindow(PersonListNeeds needs, PersonListFile& file, QWidget* parent = nullptr);

  // The size the window opens at when no placement is kept.
  static QSize DesignSize() { return {900, 560}; }

  // The list was replaced, registered into or changed elsewhere.
  void Reload();
  // The chart moment and range of 命式データ生成.
  void SetChartMoment(DateTime moment);
  DateTime ChartMoment() const;
  // 命式データ生成 over every row.
  void GenerateSummaries();
  // A header click: the question, then the sort by the column per `RG1`. True when sorted.
  bool SortByColumn(int column);
  // 検索 and 次 with the header controls as they stand.
  void Search();
  void SearchNext();
  // 行削除 of the current row.
  void DeleteCurrentRow();
  // 表のcsv出力: the save dialog, then the whole table.
  void ExportCsv();
  // The row into the entry bar, then the window of `kind`.
  void OpenRow(int row, ChartWindowKind kind);

  void SetSaveFileChooser(SaveFileChooser chooser) { choose_save_file_ = std::move(chooser); }
  QTableView* table() const { return table_; }
  int CurrentRow() const;

 signals:
  // A row asks for a chart window: the frame fills its entry bar and runs the command of `kind`.
  void openRequested(const EntryFields& fields, ChartWindowKind kind);
  // A row was deleted or moved: the list is modified.
  void listChanged();
  // 印刷ﾌﾟﾚﾋﾞｭｰ of the table, titled with the window caption.
  void printPreviewRequested(const QString& title);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildHeader();
  QWidget* BuildMomentRow();
  QWidget* BuildBottom();
  void BuildContextMenu();
  void ApplyColumnWidths();
  void RefreshPillarBox();
  void RefreshCount();
  void SelectRow(std::size_t row);
  void SearchWith(bool next);
  void ShowMenu(const QPoint& global);

  PersonListNeeds needs_;
  PersonListFile& file_;
  PersonTableModel* model_ = nullptr;
  PersonSearch search_;
  QTableView* table_ = nullptr;
  QRadioButton* descending_ = nullptr;  // `RG1` item 降順
  QComboBox* search_column_ = nullptr;  // `SCB`
  QLineEdit* search_text_ = nullptr;    // `Edit1`
  QRadioButton* exact_ = nullptr;       // `RG2` item 完全検索
  QLabel* pillar_box_ = nullptr;
  QLabel* count_ = nullptr;
  QLineEdit* date_ = nullptr;   // `NDate`
  QLineEdit* time_ = nullptr;   // `NTime`
  QComboBox* range_ = nullptr;  // `CB1`
  QProgressBar* progress_ = nullptr;
  QMenu* menu_ = nullptr;
  SaveFileChooser choose_save_file_;
};

}  // namespace kirvo
