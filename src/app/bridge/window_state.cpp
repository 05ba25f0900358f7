#include "app/bridge/window_state.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace kirvo {

WindowState WindowStateOf(const QWidget& window) {
  const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
  WindowState state;
  state.normal = {normal.left(), normal.top(), normal.width(), normal.height()};
  state.shown = {window.x(), window.y(), window.width(), window.height()};
  state.visible = window.isVisible();
  state.minimized = window.isMinimized();
  state.maximized = window.isMaximized();
  state.monitor = std::max<int>(0, static_cast<int>(QGuiApplication::screens().indexOf(window.screen())));
  return state;
}

namespace {

// The screens' areas for windows, the primary screen first.
std::vector<ScreenArea> AvailableScreenAreas() {
  std::vector<ScreenArea> areas;
  QList<QScreen*> screens = QGuiApplication::screens();
  if (QScreen* primary = QGuiApplication::primaryScreen(); primary != nullptr) {
    screens.removeAll(primary);
    screens.prepend(primary);
  }
  for (const QScreen* screen : screens) {
    const QRect area = screen->availableGeometry();
    areas.push_back({area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
  }
  return areas;
}

}  // namespace

std::optional<QRect> KeptGeometry(const QWidget& window, const WindowStateStore& store, KeptWindow kept,
                                  QSize design) {
  const QScreen* on = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  const QSize screen = on ? on->geometry().size() : design;
  const std::optional<PlacedWindow> placed =
      store.Restore(kept, design.width(), design.height(), screen.width(), screen.height(), AvailableScreenAreas());
  if (!placed) return std::nullopt;
  return QRect(placed->left, placed->top, placed->width, placed->height);
}

void SaveWindowState(const QWidget& window, WindowStateStore& store, KeptWindow kept) {
  store.Save(kept, WindowStateOf(window));
}

WindowStateKeeper::WindowStateKeeper(QWidget& window, WindowStateStore& store, KeptWindow kept, SaveWhen when)
    : QObject(&window), window_(window), store_(store), kept_(kept), when_(when) {
  window.installEventFilter(this);
}

void WindowStateKeeper::SaveAllUnder(const QObject& frame) {
  for (WindowStateKeeper* keeper : frame.findChildren<WindowStateKeeper*>()) {
    if (!keeper->closed_) keeper->Save();
  }
}

bool WindowStateKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Close && when_ == SaveWhen::kItsClose && !closed_) {
    Save();
    closed_ = true;
  }
  return false;
}

void WindowStateKeeper::Save() { SaveWindowState(window_, store_, kept_); }

}  // namespace kirvo
