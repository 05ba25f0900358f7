#pragma once

#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QStringList>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <functional>
#include <memory>
#include <vector>

#include "engine/chart_record.h"
#include "app/frame/entry_bar.h"
#include "app/frame/main_commands.h"
#include "app/frame/toolbars.h"
#include "app/printing/print_system_dialogs.h"
#include "data/memo_list.h"
#include "data/memo_vocabulary.h"
#include "presentation/chart/chart_session.h"
#include "presentation/frame/child_windows.h"
#include "presentation/frame/entry_bar_rules.h"
#include "presentation/print/print_job.h"
#include "presentation/services/recent_files.h"

namespace kirvo {

class AppServices;
class ChartChild;
class MemoPanel;
class PersonFileCommands;

class SidePanel;

// The main window `TMainF`: the entry bar, the menus and toolbars, the chart windows as children of
// its client area and the side panel at its right edge.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Creates the window as start-up does: branding, splash, status-bar hints, recent files, caption
  // and placement, entry defaults, "Dir" and "Ver", toolbar places. It is not shown yet.
  explicit MainWindow(AppServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The splash goes once the settings windows exist.
  void CloseSplash();
  // After the settings loaded or changed: the window buttons of the entry bar, the branding, the
  // side panel's look and sections; every chart child computes again and the panel shows the
  // active one.
  void ApplySystemSettings();
  // Shows the window: maximized on a first run (no KIRVO.ini), else where the placement put it.
  void ShowAtStart();
  // Brings the window forward (a second start asks for it).
  void BringToFront();
  // Name files given on the command line or handed over by a second start: each is opened in the
  // person list as 開く opens it (an unreadable one gets its message), and the list shows.
  void OpenNameFiles(const QStringList& paths);

  // 命式, 行運, 命行 (`MeiBtnClick`, `KouBtnClick`, `MKBtnClick`) and every other way a chart child
  // opens: the entry goes into the entry bar, then the child of `kind` for its person comes forward,
  // or opens after the entry checks and the person's registration, as the kind's row says.
  void OpenChild(ChartWindowKind kind, const EntryFields& entry);
  // 日付: the era entry dialog; its date goes into the entry bar.
  void EnterEraDate();
  // 干支日時検索: the date search dialog; the moment it finds goes into the entry bar.
  void SearchDateOfPillars();
  // ▼: the natural-time dialog on the entry bar's date and time ("yyyy/mm/ddhh:nn"); on OK the
  // converted date and time go into the entry bar.
  void EnterNaturalTime(const QString& date_and_time);
  // 四柱推命の設定: the open chart windows are closed first (after the question; No ends the
  // command), then the rule settings dialog runs on a copy, which its close commits.
  void EditRuleSettings();
  // ｼｽﾃﾑ設定: the system settings dialog on a copy, which its close commits; the frame and every
  // open chart window follow at once.
  void EditSystemSettings();
  // メモの設定編集 (Ctrl+M): the memo settings editor, then the memo menu built again.
  void EditMemoSettings();
  // メモ内容の一覧編集: the memo list editor.
  void EditMemoList();
  // `UpdateMenuItems`: availability of the window commands, the side-panel toggle and `TZBtn`.
  void UpdateMenuItems();

  // The child windows' captions in window-list order (the active one first).
  std::vector<std::string> ChildCaptions() const;
  QList<QMdiSubWindow*> ChildrenInListOrder() const;
  void TileChildren();
  void RebuildWindowList();

  // The one print preview: opens it, window-modal over the main window, for a job a child window
  // hands over; when it closes, the window that asked is active again.
  void ShowPrintPreview(PrintJob job);
  // How the child windows ask for it.
  PrintPreviewRequest PrintPreviewHook();
  // The system's print dialogs the preview asks (a test gives scripted ones).
  void UsePrintSystemDialogs(std::unique_ptr<PrintSystemDialogs> dialogs) { print_dialogs_ = std::move(dialogs); }

  EntryBar* entry_bar() const { return entry_bar_; }
  QMdiArea* client_area() const { return client_; }
  QDockWidget* side_panel() const { return side_panel_; }
  SidePanel* panel() const { return panel_; }
  // The memo panel of the side panel's "メモ" tab, and the memos it shows, kept from start to exit.
  MemoPanel* memo_panel() const { return memo_panel_; }
  const MemoList& memos() const { return memos_; }
  // The chart child in front, if the active child is one.
  ChartChild* ActiveChartWindow() const;
  QAction* command(MainCommand which) const { return menus_.action(which); }
  QMenu* menu(MainMenu which) const { return menus_.menus.value(static_cast<int>(which)); }
  const MainToolbars& toolbars() const { return toolbars_; }
  // The person list, its name file and the file commands.
  PersonFileCommands* persons() const { return persons_; }
  // A name file was opened: its path goes to the front of the recent files.
  void NoteOpenedFile(const QString& path);

 signals:
  // A settings dialog closed: its settings become the settings of the run.
  void ruleSettingsEdited(const USysSettings& settings);
  void systemSettingsEdited(const SysSettings& settings);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  QMenu* createPopupMenu() override;

 private:
  // The controls and menu items the branding hides in this window (section "MainF" of OEM.ini).
  void ApplyBrandingHides();
  void ConnectCommands();
  void ConnectEntryBar();
  // Shows the child of this kind and person if there is one.
  bool BringChildForward(const ChildWindowKey& key);
  // The entry checks; on failure the beep, message and focus.
  std::optional<BirthInput> CheckedEntry();
  QMdiSubWindow* AddChild(QWidget* window);
  // The session of a new chart child, computed; nothing after the message when the entry or its
  // chart moment can't be computed.
  std::optional<ChartSession> ComputedSession(const BirthInput& input, LuckRange range);
  // The new child of `kind` for a checked entry, computed; nothing after the message when its
  // chart can't be computed.
  QWidget* NewChild(ChartWindowKind kind, const BirthInput& input);
  // 命行: the natal chart at the default moment's day, 12:00, with its luck calendar strips.
  QWidget* NewCombinedWindow(const BirthInput& input);
  // The luck window over a computed session of its person.
  QWidget* NewLuckWindow(const QString& caption, ChartSession session);
  // The kinds and persons of the children in window-list order.
  std::vector<ChildWindowKey> ChildKeys() const;
  // The side panel shows the content of the chart child that became active.
  void ShowActiveContent();
  // A new child joins the others: tiled or cascaded as the settings say; the entry bar empties.
  void ArrangeNewChild();
  void CloseAllChildren();
  // The person list's placement is kept, and its commands and drop-down connected.
  void ConnectPersonList();
  void RestoreBarPlaces();
  void SaveBarPlaces();
  void LoadRecentFiles();
  void SaveRecentFiles();
  void RebuildRecentFilesMenu();
  void ExportDisplaySettingsNames();
  // "Memo.Dat" and "MemoF.ini" into memory, and the memo panel into the side panel's "メモ" tab.
  void LoadMemos();
  // A click on a cell whose text the memos look up.
  void LookUpMemo(const QString& word);

  AppServices& services_;
  // The rules the side panel reads: the services' settings, which live for the run, with the values
  // read from them once. Built again in place whenever the settings change, so the panel's
  // reference stays good and sees the new values.
  std::optional<ChartRules> panel_rules_;
  std::unique_ptr<QWidget> splash_;
  MainMenus menus_;
  EntryBar* entry_bar_ = nullptr;
  MainToolbars toolbars_{};
  QMdiArea* client_ = nullptr;
  QDockWidget* side_panel_ = nullptr;
  SidePanel* panel_ = nullptr;
  QList<QAction*> window_list_;
  QList<QAction*> recent_file_items_;
  RecentFiles recent_files_;
  PersonFileCommands* persons_ = nullptr;
  MemoList memos_;
  MemoVocabulary memo_vocabulary_;
  std::unique_ptr<PrintSystemDialogs> print_dialogs_ = std::make_unique<QtPrintSystemDialogs>();
  MemoPanel* memo_panel_ = nullptr;
  bool first_run_ = false;
  bool closed_ = false;
};

}  // namespace kirvo
