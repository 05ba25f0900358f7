// The main window's child windows: opening one of a kind for a person, building it over its
// computed session, and placing it in the client area.
#include "app/frame/main_window.h"

#include <QApplication>
#include <QMdiSubWindow>

#include "app/bridge/text.h"
#include "app/chart/chart_window.h"
#include "app/frame/side_panel.h"
#include "app/luck/combined_window.h"
#include "app/luck/luck_window.h"
#include "app/persons/file_dialogs.h"
#include "app/services/app_services.h"
#include "calendar/local_clock.h"
#include "platform/free_resources.h"
#include "presentation/frame/window_arrangement.h"
#include "presentation/services/resource_check.h"

namespace kirvo {

void MainWindow::OpenChild(ChartWindowKind kind, const EntryFields& entry) {
  if (entry_bar_->Fields() != entry) entry_bar_->SetFields(entry);
  const ChildKindRow& row = ChildKindRowOf(kind);
  if (!PassesResourceCheck(QueryFreeResources(), row.resource_threshold, services_.interaction())) return;
  if (row.limits_luck_windows) {
    std::vector<ChartWindowKind> kinds;
    for (const ChildWindowKey& key : ChildKeys()) kinds.push_back(key.kind);
    const QList<QMdiSubWindow*> children = ChildrenInListOrder();
    for (const std::size_t index : LuckWindowsToClose(kinds, services_.sys().KMCB)) {
      children.at(static_cast<qsizetype>(index))->close();
    }
  }
  if (BringChildForward({kind, entry_bar_->Fields().name})) return;
  const std::optional<BirthInput> input = CheckedEntry();
  if (!input) return;
  QWidget* child = NewChild(kind, *input);
  if (!child) return;
  AddChild(child);
  // A child that joins the arrangement is tiled or cascaded with the others; any other keeps the
  // place the client area gives it.
  if (row.joins_arrangement) ArrangeNewChild();
  entry_bar_->Clear();
}

QWidget* MainWindow::NewChild(ChartWindowKind kind, const BirthInput& input) {
  if (kind == ChartWindowKind::kCombined) return NewCombinedWindow(input);
  std::optional<ChartSession> session = ComputedSession(input, OpeningRange(kind, services_.sys()));
  if (!session) return nullptr;
  const QString caption = ToQString(ChartWindowCaption(input.name, kind));
  if (kind == ChartWindowKind::kLuck) return NewLuckWindow(caption, std::move(*session));
  auto* chart = new ChartWindow(services_.sys(), services_.interaction(), caption, std::move(*session));
  chart->SetPrintPreviewRequest(PrintPreviewHook());
  connect(chart, &ChartWindow::contentChanged, this, [this, chart] {
    if (ActiveChartWindow() == chart) ShowActiveContent();
  });
  connect(chart, &ChartWindow::luckRequested, this,
          [this](const QString& name, Sex sex, const QString& date, const QString& time) {
            OpenChild(ChartWindowKind::kLuck,
                      EntryFields{name.toStdString(), sex, date.toStdString(), time.toStdString()});
          });
  connect(chart, &ChartWindow::memoWordRequested, panel_, &SidePanel::MemoWordRequested);
  return chart;
}

QWidget* MainWindow::NewCombinedWindow(const BirthInput& input) {
  const auto refuse = [this](const std::string& message) -> QWidget* {
    services_.interaction().Beep();
    services_.interaction().ShowMessage(MessageKind::kWarning, message);
    return nullptr;
  };
  const DateTime now = LocalClockNow();
  Outcome<CombinedSession> created = CombinedSession::Create(services_.core(), input, now);
  if (!created) return refuse(created.error());
  CombinedSession session = std::move(created).value();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status computed = session.Recompute();
  if (computed) session.FillStrips(now);
  QApplication::restoreOverrideCursor();
  if (!computed) return refuse(computed.error());
  const QString caption = ToQString(ChartWindowCaption(input.name, ChartWindowKind::kCombined));
  const auto choose_csv_file = [this] {
    return NativeSaveFile(this, QStringLiteral("行運表のcsv出力"), QtFileFilter("CSVﾌｧｲﾙ(*.csv)|*.csv"),
                          QStringLiteral("csv"), services_.dialog_folders());
  };
  auto* window = new CombinedWindow({services_.sys(), *panel_rules_, services_.interaction(), choose_csv_file},
                                    caption, std::move(session));
  connect(window, &CombinedWindow::contentChanged, this, [this, window] {
    if (ActiveChartWindow() == window) ShowActiveContent();
  });
  connect(window, &CombinedWindow::memoWordRequested, panel_, &SidePanel::MemoWordRequested);
  connect(window, &CombinedWindow::patternChosen, panel_, &SidePanel::ChooseFirstPattern);
  window->SetPrintPreview(PrintPreviewHook());
  return window;
}

QWidget* MainWindow::NewLuckWindow(const QString& caption, ChartSession session) {
  const LuckLevel level = LuckLevelOf(services_.sys().KCB).value_or(LuckLevel::kMajor);
  LuckWindowNeeds needs{services_.sys(), services_.interaction(), [this] {
                          return NativeSaveFile(this, QStringLiteral("行運表のcsv出力"),
                                                QtFileFilter("csvファイル(*.csv)|*.csv|すべてのﾌｧｲﾙ (*.*)|*.*"),
                                                QStringLiteral("csv"), services_.dialog_folders());
                        }};
  auto* luck = new LuckWindow(std::move(needs), caption, LuckSession(services_.core(), std::move(session), level));
  luck->SetPrintPreviewRequest(PrintPreviewHook());
  connect(luck, &LuckWindow::contentChanged, this, [this, luck] {
    if (ActiveChartWindow() == luck) ShowActiveContent();
  });
  connect(luck, &LuckWindow::chartRequested, this,
          [this](const QString& name, Sex sex, const QString& date, const QString& time) {
            OpenChild(ChartWindowKind::kChart,
                      EntryFields{name.toStdString(), sex, date.toStdString(), time.toStdString()});
          });
  connect(luck, &LuckWindow::memoWordRequested, panel_, &SidePanel::MemoWordRequested);
  return luck;
}

std::optional<ChartSession> MainWindow::ComputedSession(const BirthInput& input, LuckRange range) {
  const auto refuse = [this](const std::string& message) {
    services_.interaction().Beep();
    services_.interaction().ShowMessage(MessageKind::kWarning, message);
    return std::nullopt;
  };
  Outcome<ChartSession> created = ChartSession::Create(services_.core(), input, LocalClockNow());
  if (!created) return refuse(created.error());
  ChartSession session = std::move(created).value();
  session.SetRange(range);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status computed = session.Compute();
  QApplication::restoreOverrideCursor();
  if (!computed) return refuse(computed.error());
  return session;
}

void MainWindow::ArrangeNewChild() {
  if (services_.sys().SCB3) {
    TileChildren();
  } else {
    client_->cascadeSubWindows();
  }
}

QMdiSubWindow* MainWindow::AddChild(QWidget* window) {
  QMdiSubWindow* child = client_->addSubWindow(window);
  child->setAttribute(Qt::WA_DeleteOnClose);
  child->resize(child->sizeHint());
  connect(child, &QObject::destroyed, this, [this] {
    QMetaObject::invokeMethod(this, &MainWindow::UpdateMenuItems, Qt::QueuedConnection);
  });
  child->show();
  client_->setActiveSubWindow(child);
  UpdateMenuItems();
  return child;
}

void MainWindow::TileChildren() {
  const QList<QMdiSubWindow*> children = ChildrenInListOrder();
  std::vector<WindowSize> sizes;
  for (const QMdiSubWindow* child : children) sizes.push_back({child->width(), child->height()});
  const std::vector<WindowPoint> places = TilePositions(client_->viewport()->width(), sizes);
  for (qsizetype i = 0; i < children.size(); ++i) {
    children[i]->move(places[static_cast<std::size_t>(i)].x, places[static_cast<std::size_t>(i)].y);
  }
}

}  // namespace kirvo
