#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;

#include "calendar/date_time.h"
#include "engine/chart_record.h"
#include "platform/interaction.h"
#include "presentation/frame/entry_bar_rules.h"
#include "presentation/persons/person_list_file.h"
#include "presentation/frame/help_topics.h"
#include "presentation/print/print_job.h"
#include "presentation/shared/chart_moment_model.h"
#include "settings/sys_settings.h"

namespace kirvo {

class BackgroundJob;
class MomentStrip;
class PersonSummaryJob;
class PersonTableModel;

// What the person list reads and asks for: the system settings, the chart rules as they stand, the
// person at the screen, and the help on a topic. The settings and the interaction outlive the
// window.
struct PersonListNeeds {
  const SysSettings& sys;
  std::function<ChartRules()> rules;
  Interaction& interaction;
  std::function<void(HelpTopic)> show_help;
};

// The person list window `TNListF` ("入力データ一覧"): the list as a table with sorting, search,
// 命式データ生成 at a chosen chart moment and range (in the background, with 中断), deletion, the opening of chart windows for a
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
  DateTime ChartMoment() const { return moment_.moment(); }
  // 命式データ生成 over every row: starts the job on a copy of the list and of the settings; the
  // summaries go into the list when it ends, unless it was stopped. Nothing starts while one runs.
  void GenerateSummaries();
  // 中断 of a running 命式データ生成: the list stays as it was.
  void StopGenerating();
  bool Generating() const;
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
  // Where 印刷ﾌﾟﾚﾋﾞｭｰ hands the table; without it the print commands are disabled.
  void SetPrintPreview(PrintPreviewRequest request);
  // 印刷ﾌﾟﾚﾋﾞｭｰ: the table as shown, titled with the window caption.
  void PrintPreview();
  QTableView* table() const { return table_; }
  int CurrentRow() const;

 signals:
  // A row asks for a chart window: the frame fills its entry bar and runs the command of `kind`.
  void openRequested(const EntryFields& fields, ChartWindowKind kind);
  // A row was deleted or moved: the list is modified.
  void listChanged();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildHeader();
  QWidget* BuildProgressRow();
  QWidget* BuildMomentRow();
  QWidget* BuildBottom();
  void FinishGenerating(bool completed);
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
  ChartMomentModel moment_;
  MomentStrip* moment_strip_ = nullptr;
  QWidget* progress_row_ = nullptr;  // the progress bar and 中断, while generating
  QProgressBar* progress_ = nullptr;
  QPushButton* generate_ = nullptr;  // `CreBtn`
  BackgroundJob* job_ = nullptr;
  std::shared_ptr<PersonSummaryJob> generation_;  // the running 命式データ生成
  QMenu* menu_ = nullptr;
  SaveFileChooser choose_save_file_;  // given by the owner, which knows where the dialogs open
  PrintPreviewRequest print_preview_;
  QPushButton* print_button_ = nullptr;
  QAction* print_item_ = nullptr;
};

}  // namespace kirvo
