#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <optional>

#include "presentation/frame/window_state_store.h"

namespace kirvo {

// The state of a window as its kept placement records it.
WindowState WindowStateOf(const QWidget& window);

// Where `window` opens, from its kept state and the screen it is on (the primary screen before it
// has one), given its designed size; nothing when it keeps the place it has. For a kept normal
// rectangle the rectangle is the client area's (for setGeometry); otherwise its corner is the outer
// frame's (for move) and its size the client area's.
std::optional<QRect> KeptGeometry(const QWidget& window, const WindowStateStore& store, KeptWindow kept,
                                  QSize design);

void SaveWindowState(const QWidget& window, WindowStateStore& store, KeptWindow kept);

// Keeps a window's state: the window's child, it saves the state when the window closes, or, for a
// window that closing only hides, when its frame closes. Never in a destructor: a window destroyed
// without closing keeps what was saved before.
class WindowStateKeeper : public QObject {
  Q_OBJECT

 public:
  enum class SaveWhen { kItsClose, kFrameClose };
  WindowStateKeeper(QWidget& window, WindowStateStore& store, KeptWindow kept, SaveWhen when);

  // The frame closes: the keepers of the windows under `frame` that are still open save their
  // windows' states, in the order the windows were created.
  static void SaveAllUnder(const QObject& frame);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Save();

  QWidget& window_;
  WindowStateStore& store_;
  KeptWindow kept_;
  SaveWhen when_;
  bool closed_ = false;
};

}  // namespace kirvo
