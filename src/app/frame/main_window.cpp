#include "app/frame/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QStatusBar>
#include <algorithm>
#include <variant>

#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "app/bridge/window_state.h"
#include "app/frame/side_panel.h"
#include "app/memos/memo_list_dialog.h"
#include "app/memos/memo_panel.h"
#include "app/memos/memo_settings_dialog.h"
#include "app/widgets/explanation_area.h"
#include "data/memo_file.h"
#include "calendar/local_clock.h"
#include "data/explanation_editor.h"
#include "engine/chart_age.h"
#include "app/chart/chart_window.h"
#include "app/luck/combined_window.h"
#include "app/frame/child_window_keys.h"
#include "app/frame/command_seams.h"
#include "app/frame/editor_seams.h"
#include "app/luck/luck_window.h"
#include "app/persons/file_dialogs.h"
#include "app/persons/person_file_commands.h"
#include "app/persons/person_list_window.h"
#include "platform/ascii.h"
#include "platform/free_resources.h"
#include "presentation/services/frame_constants.h"
#include "presentation/settings/rule_settings_texts.h"
#include "presentation/services/resource_check.h"
#include "presentation/frame/toolbar_positions.h"
#include "presentation/frame/window_arrangement.h"
#include "app/services/app_services.h"
#include "app/time/date_search_dialog.h"
#include "app/time/era_date_dialog.h"
#include "app/time/natural_time_dialog.h"

namespace kirvo {

MainWindow::MainWindow(AppServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  panel_rules_.emplace(services_.usys(), services_.sys());
  setObjectName(QString::fromLatin1(kMainFormName.data(), static_cast<qsizetype>(kMainFormName.size())));
  // 1. Branding: the title and help file it names, its icon.
  services_.LoadBranding();
  if (services_.branding() && services_.branding()->icon_file) {
    setWindowIcon(QIcon(PathText(*services_.branding()->icon_file)));
  }
  // 2. The splash, until the settings windows exist.
  splash_ = ShowSplash(services_);

  menus_ = BuildMainMenus(menuBar(), this);
  client_ = new QMdiArea(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  client_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  client_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(client_);
  entry_bar_ = new EntryBar(this);
  toolbars_ = BuildMainToolbars(this, menus_, entry_bar_);

  side_panel_ = new QDockWidget(QStringLiteral("命式内容"), this);
  side_panel_->setObjectName(QStringLiteral("MeiWin"));
  side_panel_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  // The panel is taller than a small screen; in a scroll area it never forces the window's height.
  auto* panel_scroller = new QScrollArea(side_panel_);
  panel_scroller->setObjectName(QStringLiteral("MeiWinScroller"));
  panel_scroller->setFrameShape(QFrame::NoFrame);
  panel_scroller->setWidgetResizable(true);
  panel_scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  panel_ = CreateSidePanel(services_, *panel_rules_, panel_scroller);
  panel_scroller->setWidget(panel_);
  panel_scroller->setMinimumWidth(panel_->minimumWidth());
  side_panel_->setWidget(panel_scroller);
  addDockWidget(Qt::RightDockWidgetArea, side_panel_);

  // 4. Hints of commands and controls go to the status bar.
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  // 5. Recent files at the end of the ﾌｧｲﾙ menu.
  LoadRecentFiles();
  // 6. Caption and placement; without KIRVO.ini this is a first run and the window starts maximized.
  setWindowTitle(ToQString(services_.title()));
  first_run_ = !std::filesystem::exists(services_.window_states().ini_file());
  if (const std::optional<QRect> kept = KeptGeometry(*this, services_.window_states(), KeptWindow::kMain, size())) {
    setGeometry(*kept);
  }
  // 7. Entry defaults; the person list's modified flag and the graph mode start with them.
  entry_bar_->sex_field()->setCurrentIndex(0);
  // 8. Where the program is and which version ran last.
  services_.WriteStartValues();
  // 9. Toolbar places; the entry bar is always shown.
  RestoreBarPlaces();
  // 10.-12. The side panel's grids belong to the side panel; the memos are read here.
  LoadMemos();

  ConnectCommands();
  ConnectEntryBar();
  InstallChildWindowKeys(*this, *client_, [this] { entry_bar_->FocusField(EntryField::kName); });
  persons_ = new PersonFileCommands(services_, *this,
                                    [this](QWidget* over, HelpTopic topic) { ShowHelpTopic(over, services_, topic); });
  ConnectPersonList();
  UpdateMenuItems();
}

MainWindow::~MainWindow() {
  // The children go after this window's own members: nothing they signal may reach it any more.
  client_->disconnect(this);
  side_panel_->disconnect(this);
  for (QMdiSubWindow* child : client_->subWindowList()) child->disconnect(this);
}

void MainWindow::CloseSplash() { splash_.reset(); }

void MainWindow::ApplySystemSettings() {
  const SysSettings& sys = services_.sys();
  entry_bar_->ShowWindowButtons(!sys.MKCB, !sys.MeiCB, !sys.KouCB);
  ApplyBrandingHides();
  panel_rules_.emplace(services_.usys(), services_.sys());
  panel_->ApplySystemSettings();
  memo_panel_->ApplySettings(sys.MeCB, sys.SetuFont);
  // Every chart child computes again under the settings as they now stand.
  for (QMdiSubWindow* child : client_->subWindowList()) {
    if (auto* chart = dynamic_cast<ChartChild*>(child->widget())) chart->FollowSettings();
  }
  ShowActiveContent();
}

ChartChild* MainWindow::ActiveChartWindow() const {
  QMdiSubWindow* active = client_->activeSubWindow();
  return active ? dynamic_cast<ChartChild*>(active->widget()) : nullptr;
}

void MainWindow::LoadMemos() {
  const Loaded<MemoList> memos = LoadMemoFile(services_.program_folder());
  memos_ = memos.value;
  ShowLoadReport(memos.report, services_.interaction());
  const Outcome<MemoVocabulary> vocabulary = LoadMemoVocabulary(services_.program_folder());
  if (ShowFailure(vocabulary, services_.interaction())) memo_vocabulary_ = *vocabulary;
  QWidget* page = panel_->Explanations()->MemoPage();
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  memo_panel_ = new MemoPanel(memos_, memo_vocabulary_, services_.program_folder(), services_.interaction(), page);
  layout->addWidget(memo_panel_);
  memo_panel_->ApplySettings(services_.sys().MeCB, services_.sys().SetuFont);
  connect(panel_, &SidePanel::MemoWordRequested, this, &MainWindow::LookUpMemo);
}

void MainWindow::EditMemoSettings() {
  MemoSettingsDialog dialog(memos_, memo_vocabulary_, services_.program_folder(), services_.interaction(), this);
  dialog.exec();
  memo_panel_->RebuildMenu();
}

void MainWindow::EditMemoList() {
  MemoListDialog dialog(memos_, memo_vocabulary_, services_.program_folder(), services_.interaction(), this);
  dialog.SetPrintPreview(PrintPreviewHook());
  dialog.exec();
  memo_panel_->RebuildMenu();
}

void MainWindow::LookUpMemo(const QString& word) {
  if (!services_.sys().MOnSW) return;
  panel_->Explanations()->setCurrentIndex(ExplanationArea::kMemoTab);
  memo_panel_->LookUp(word);
}

void MainWindow::ShowActiveContent() {
  if (const ChartChild* chart = ActiveChartWindow()) panel_->SetContent(chart->session().content());
}

void MainWindow::ShowAtStart() {
  ApplyBrandingHides();
  if (first_run_) {
    showMaximized();
  } else {
    show();
  }
}

void MainWindow::ApplyBrandingHides() {
  const std::optional<Branding>& branding = services_.branding();
  if (!branding) return;
  for (const HiddenControls& window : branding->hidden) {
    if (!EqualsIgnoringAsciiCase(window.window, kMainFormName)) continue;
    for (const std::string& name : window.controls) {
      // Controls, toolbars, menu items and commands are found by their names.
      for (QWidget* control : findChildren<QWidget*>(ToQString(name))) {
        // A control on a toolbar is shown and hidden through the toolbar's action for it.
        auto* bar = qobject_cast<QToolBar*>(control->parentWidget());
        QAction* on_bar = nullptr;
        for (QAction* action : bar ? bar->actions() : QList<QAction*>()) {
          if (bar->widgetForAction(action) == control) on_bar = action;
        }
        if (on_bar) {
          on_bar->setVisible(false);
        } else {
          control->hide();
        }
      }
      for (QAction* action : findChildren<QAction*>(ToQString(name))) action->setVisible(false);
      for (QMenu* item : findChildren<QMenu*>(ToQString(name))) item->menuAction()->setVisible(false);
    }
  }
}

void MainWindow::BringToFront() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void MainWindow::OpenNameFiles(const QStringList& paths) {
  bool opened = false;
  for (const QString& path : paths) opened = persons_->OpenFile(path) || opened;
  if (opened) persons_->ShowList();
}

void MainWindow::ConnectCommands() {
  using C = MainCommand;
  const auto on = [this](MainCommand which, auto slot) { connect(command(which), &QAction::triggered, this, slot); };
  on(C::kExit, [this] { close(); });
  on(C::kMemoSettings, [this] { EditMemoSettings(); });
  on(C::kMemoList, [this] { EditMemoList(); });
  on(C::kCloseAll, [this] { CloseAllChildren(); });
  on(C::kCascade, [this] { client_->cascadeSubWindows(); });
  on(C::kTile, [this] { TileChildren(); });
  on(C::kMinimizeAll, [this] {
    for (QMdiSubWindow* child : client_->subWindowList()) child->showMinimized();
  });
  on(C::kHelp, [this] { ShowHelpTopic(this, services_, HelpTopic::kContents); });
  on(C::kVersion, [this] { ShowVersionWindow(this, services_); });
  on(C::kNotices, [this] { ShowNotices(this, services_); });
  on(C::kSupportPage, [] { OpenSupportPage(); });
  on(C::kFiveElementDiagram, [this] { OpenFiveElementDiagram(this, services_); });
  on(C::kStemBranchDiagram, [this] { OpenStemBranchDiagram(this, services_); });
  on(C::kDateSearch, [this] { SearchDateOfPillars(); });
  on(C::kRuleSettings, [this] { EditRuleSettings(); });
  on(C::kSystemSettings, [this] { EditSystemSettings(); });
  on(C::kPatternExplanations,
     [this] { EditExplanations(this, services_, kPatternExplanationEditor, PrintPreviewHook()); });
  on(C::kSpiritStarExplanations,
     [this] { EditExplanations(this, services_, kSpiritStarExplanationEditor, PrintPreviewHook()); });
  on(C::kSpecialCharacters, [this] { EditSpecialCharacters(this, services_); });
  on(C::kBackup, [this] { RunBackupDialog(this, services_); });
  ToolsMenu* tools = CreateToolsMenu(menu(MainMenu::kTools), services_, this);
  on(C::kToolSettings, [this, tools] { EditToolSettings(this, services_, *tools); });

  QAction* panel = command(C::kSidePanel);
  panel->setCheckable(true);
  connect(panel, &QAction::triggered, this, [this](bool checked) { side_panel_->setVisible(checked); });
  connect(side_panel_, &QDockWidget::visibilityChanged, this, [this] { UpdateMenuItems(); });
  QAction* status = command(C::kStatusBar);
  status->setCheckable(true);
  status->setChecked(true);
  connect(status, &QAction::toggled, statusBar(), &QStatusBar::setVisible);

  connect(menu(MainMenu::kWindow), &QMenu::aboutToShow, this, &MainWindow::RebuildWindowList);
  connect(client_, &QMdiArea::subWindowActivated, this, [this] {
    if (ChartChild* chart = ActiveChartWindow()) chart->Activate();
    ShowActiveContent();
    UpdateMenuItems();
  });
}

void MainWindow::ConnectEntryBar() {
  const auto opens = [this](ChartWindowKind kind) { return [this, kind] { OpenChild(kind, entry_bar_->Fields()); }; };
  connect(entry_bar_, &EntryBar::chartRequested, this, opens(ChartWindowKind::kChart));
  connect(entry_bar_, &EntryBar::luckRequested, this, opens(ChartWindowKind::kLuck));
  connect(entry_bar_, &EntryBar::combinedRequested, this, opens(ChartWindowKind::kCombined));
  connect(entry_bar_, &EntryBar::fieldsChanged, this, &MainWindow::UpdateMenuItems);
  // The reason of a refused entry stays in the status bar until the next input.
  connect(entry_bar_, &EntryBar::fieldsChanged, statusBar(), &QStatusBar::clearMessage);
  connect(entry_bar_->name_field(), &QComboBox::editTextChanged, statusBar(), &QStatusBar::clearMessage);
  connect(entry_bar_, &EntryBar::displaySettingsExportRequested, this, &MainWindow::ExportDisplaySettingsNames);
  connect(entry_bar_, &EntryBar::eraDateRequested, this, &MainWindow::EnterEraDate);
  connect(entry_bar_, &EntryBar::naturalTimeRequested, this, &MainWindow::EnterNaturalTime);
  // 氏名 shows the person list, as 名前リスト does.
  connect(entry_bar_, &EntryBar::personListRequested, command(MainCommand::kPersonList), &QAction::trigger);
}

void MainWindow::ConnectPersonList() {
  using C = MainCommand;
  const auto on = [this](MainCommand which, auto slot) { connect(command(which), &QAction::triggered, persons_, slot); };
  on(C::kNew, [this] { persons_->New(); });
  on(C::kOpen, [this] { persons_->Open(); });
  on(C::kSave, [this] { persons_->Save(); });
  on(C::kSaveAs, [this] { persons_->SaveAs(); });
  on(C::kPersonList, [this] { persons_->ShowList(); });
  PersonListWindow* list = persons_->window();
  connect(list, &PersonListWindow::openRequested, this,
          [this](const EntryFields& entry, ChartWindowKind kind) { OpenChild(kind, entry); });
  list->SetPrintPreview(PrintPreviewHook());
  entry_bar_->SetPersonRows([this] {
    std::vector<PersonEntryRow> rows;
    for (const PersonRow& row : persons_->file().list().rows()) {
      rows.push_back({row[person_column::kName], row[person_column::kSex], row[person_column::kDate],
                      row[person_column::kTime]});
    }
    return rows;
  });
  connect(persons_, &PersonFileCommands::fileOpened, this, &MainWindow::NoteOpenedFile);
  // The list lives as long as the program, closing only hides it: its placement is kept when the
  // program ends.
  if (const std::optional<QRect> kept =
          KeptGeometry(*list, services_.window_states(), KeptWindow::kPersonList, PersonListWindow::DesignSize())) {
    list->setGeometry(*kept);
  } else {
    list->resize(PersonListWindow::DesignSize());
  }
  new WindowStateKeeper(*list, services_.window_states(), KeptWindow::kPersonList,
                        WindowStateKeeper::SaveWhen::kFrameClose);
}

void MainWindow::EnterEraDate() {
  EraDateDialog dialog(services_.interaction(), LocalClockNow().DateOnly(), this);
  if (dialog.exec() != QDialog::Accepted || !dialog.Date()) return;
  entry_bar_->SetDate(ToQString(dialog.Date()->DateText()));
}

void MainWindow::SearchDateOfPillars() {
  DateSearchDialog dialog(
      services_, [this](HelpTopic topic) { ShowHelpTopic(this, services_, topic); }, this);
  if (dialog.exec() != QDialog::Accepted || !dialog.Found()) return;
  entry_bar_->SetDate(ToQString(dialog.Found()->date));
  entry_bar_->SetTime(ToQString(dialog.Found()->time));
}

void MainWindow::EnterNaturalTime(const QString& date_and_time) {
  std::optional<NaturalTimeSession> session =
      NaturalTimeSession::OpenInFolder(ToUtf8(date_and_time), services_.program_folder(), services_.interaction());
  if (!session) return;
  NaturalTimeDialog dialog(
      services_.interaction(), std::move(*session), services_.program_folder(),
      [this](HelpTopic topic) { ShowHelpTopic(this, services_, topic); }, this);
  if (dialog.exec() != QDialog::Accepted) return;
  entry_bar_->SetDate(dialog.ConvertedDate());
  entry_bar_->SetTime(dialog.ConvertedTime());
}

void MainWindow::UpdateMenuItems() {
  const bool any_child = !client_->subWindowList().isEmpty();
  for (const MainCommand which : {MainCommand::kCloseAll, MainCommand::kCascade, MainCommand::kTile,
                                   MainCommand::kMinimizeAll}) {
    command(which)->setEnabled(any_child);
  }
  const bool panel_shown = !side_panel_->isHidden();
  command(MainCommand::kSidePanel)->setChecked(panel_shown);
  if (auto* button = findChild<QToolButton*>(QStringLiteral("MWinBtn"))) {
    button->setText(panel_shown ? QStringLiteral("×") : QStringLiteral("○"));
  }
}

QList<QMdiSubWindow*> MainWindow::ChildrenInListOrder() const {
  QList<QMdiSubWindow*> children = client_->subWindowList(QMdiArea::ActivationHistoryOrder);
  std::reverse(children.begin(), children.end());
  if (QMdiSubWindow* active = client_->activeSubWindow(); active && children.indexOf(active) > 0) {
    children.removeAll(active);
    children.prepend(active);
  }
  return children;
}

std::vector<std::string> MainWindow::ChildCaptions() const {
  std::vector<std::string> captions;
  for (const QMdiSubWindow* child : ChildrenInListOrder()) captions.push_back(ToUtf8(child->windowTitle()));
  return captions;
}

std::vector<ChildWindowKey> MainWindow::ChildKeys() const {
  std::vector<ChildWindowKey> keys;
  for (const QMdiSubWindow* child : ChildrenInListOrder()) {
    const auto* chart = dynamic_cast<const ChartChild*>(child->widget());
    keys.push_back(chart ? ChildWindowKey{chart->kind(), chart->session().input().name} : ChildWindowKey{});
  }
  return keys;
}

bool MainWindow::BringChildForward(const ChildWindowKey& key) {
  const std::optional<std::size_t> found = FindChild(ChildKeys(), key);
  if (!found) return false;
  QMdiSubWindow* child = ChildrenInListOrder().at(static_cast<qsizetype>(*found));
  if (child->isMinimized()) child->showNormal();
  client_->setActiveSubWindow(child);
  return true;
}

std::optional<BirthInput> MainWindow::CheckedEntry() {
  const std::variant<BirthInput, EntryRefusal> entry = ReadEntry(entry_bar_->Fields());
  if (const EntryRefusal* refusal = std::get_if<EntryRefusal>(&entry)) {
    services_.interaction().Refuse(refusal->reason);
    if (!refusal->message.empty()) services_.interaction().ShowMessage(MessageKind::kWarning, refusal->message);
    entry_bar_->FocusField(refusal->focus);
    return std::nullopt;
  }
  // The person list registers the person here and may be told not to replace one of that name.
  const BirthInput& input = std::get<BirthInput>(entry);
  if (!persons_->Register(input)) return std::nullopt;
  return input;
}

void MainWindow::EditRuleSettings() {
  if (!client_->subWindowList().isEmpty()) {
    Interaction& interaction = services_.interaction();
    interaction.Beep();
    if (!interaction.AskYesNo(kCloseChartsForRuleSettingsQuestion)) return;
    CloseAllChildren();
  }
  USysSettings edited = services_.usys();
  RunRuleSettingsDialog(this, services_, edited);
  emit ruleSettingsEdited(edited);
}

void MainWindow::EditSystemSettings() {
  SysSettings edited = services_.sys();
  RunSystemSettingsDialog(this, services_, edited);
  emit systemSettingsEdited(edited);
}

void MainWindow::CloseAllChildren() {
  client_->closeAllSubWindows();
  UpdateMenuItems();
}

void MainWindow::RebuildWindowList() {
  for (QAction* entry : window_list_) {
    menu(MainMenu::kWindow)->removeAction(entry);
    entry->deleteLater();
  }
  window_list_.clear();
  const std::vector<std::string> captions = ChildCaptions();
  if (captions.empty()) return;
  window_list_.append(menu(MainMenu::kWindow)->addSeparator());
  const QMdiSubWindow* active = client_->activeSubWindow();
  const std::optional<std::size_t> active_index =
      active ? std::optional<std::size_t>(ChildrenInListOrder().indexOf(active)) : std::nullopt;
  for (const WindowListEntry& entry : WindowListEntries(captions, active_index)) {
    QAction* item = menu(MainMenu::kWindow)->addAction(ToQString(entry.caption));
    item->setCheckable(true);
    item->setChecked(entry.checked);
    connect(item, &QAction::triggered, this, [this, item] {
      const std::optional<std::size_t> target = ChildOfWindowListEntry(ChildCaptions(), ToUtf8(item->text()));
      if (target) client_->setActiveSubWindow(ChildrenInListOrder().at(static_cast<qsizetype>(*target)));
    });
    window_list_.append(item);
  }
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  PassesResourceCheck(QueryFreeResources(), kActivationResourceThreshold, services_.interaction());
  // The side panel keeps its sections as its toggles left them and the fonts the system settings
  // gave it; the five-element graph's mode goes back to what `RRG` says (構成 when it is 1).
  panel_->ResetGraphMode();
  entry_bar_->name_field()->setFocus();
}

QMenu* MainWindow::createPopupMenu() {
  QMenu* popup = QMainWindow::createPopupMenu();
  // The entry bar cannot be closed by the user.
  if (popup) popup->removeAction(entry_bar_->toggleViewAction());
  return popup;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closed_) {
    event->accept();
    return;
  }
  // 1. The person list is kept first; a list that could not be kept stops the close.
  if (!persons_->CloseQuery()) {
    event->ignore();
    return;
  }
  closed_ = true;
  hide();
  SaveRecentFiles();
  // A settings file that can't be written has been reported; closing goes on.
  static_cast<void>(services_.SaveRuleSettings());
  static_cast<void>(services_.SaveSystemSettings());
  SaveBarPlaces();
  // 6. The memos are written back without a question; a failure has been shown.
  static_cast<void>(memo_panel_->SaveToDisk());
  SaveWindowState(*this, services_.window_states(), KeptWindow::kMain);
  // The windows still open keep their places, in the order they were created.
  WindowStateKeeper::SaveAllUnder(*this);
  event->accept();
}

}  // namespace kirvo
