#pragma once

#include <QObject>
#include <functional>

#include "presentation/frame/help_topics.h"

class QWidget;

namespace kirvo {

// F1 anywhere in the program: the help page of the window or dialog it is pressed in (the chart
// window's page from a chart window, the list's from the person list), found by the form names
// from the focused widget outwards; the main window's page where none has a page of its own.
// Installed once on the application, it takes F1 before the main window's shortcut does.
class HelpKey : public QObject {
  Q_OBJECT

 public:
  // `show_topic` opens a help topic.
  explicit HelpKey(std::function<void(HelpTopic topic)> show_topic, QObject* parent = nullptr);

  // The topic for F1 pressed in `widget`.
  static HelpTopic TopicFor(const QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(HelpTopic topic)> show_topic_;
};

}  // namespace kirvo
