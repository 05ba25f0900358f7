#include "app/frame/child_window_keys.h"

#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>

namespace kirvo {

namespace {

QShortcut* KeyOf(QWidget& owner, QKeySequence key, Qt::ShortcutContext context) {
  auto* shortcut = new QShortcut(key, &owner);
  shortcut->setContext(context);
  return shortcut;
}

}  // namespace

void InstallChildWindowKeys(QWidget& main_window, QMdiArea& area, std::function<void()> to_entry_bar) {
  const auto in_window = Qt::WindowShortcut;
  QObject::connect(KeyOf(main_window, QKeySequence(Qt::CTRL | Qt::Key_Tab), in_window), &QShortcut::activated, &area,
                   &QMdiArea::activateNextSubWindow);
  QObject::connect(KeyOf(main_window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), in_window),
                   &QShortcut::activated, &area, &QMdiArea::activatePreviousSubWindow);
  QObject::connect(KeyOf(main_window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), in_window),
                   &QShortcut::activated, &area, &QMdiArea::activatePreviousSubWindow);
  QObject::connect(KeyOf(main_window, QKeySequence(Qt::Key_F6), in_window), &QShortcut::activated, &main_window,
                   to_entry_bar);
  // Esc belongs to the child windows only: in the entry bar's drop-down and in dialogs it keeps its own
  // meaning.
  QObject::connect(KeyOf(area, QKeySequence(Qt::Key_Escape), Qt::WidgetWithChildrenShortcut), &QShortcut::activated,
                   &main_window, to_entry_bar);
}

}  // namespace kirvo
