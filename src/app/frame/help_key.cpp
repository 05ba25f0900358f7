#include "app/frame/help_key.h"

#include <QKeyEvent>
#include <QWidget>

#include "app/bridge/text.h"
#include "presentation/frame/help_topics.h"

namespace kirvo {
namespace {

bool IsHelpKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

}  // namespace

HelpKey::HelpKey(std::function<void(HelpTopic topic)> show_topic, QObject* parent)
    : QObject(parent), show_topic_(std::move(show_topic)) {}

HelpTopic HelpKey::TopicFor(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (const std::optional<HelpTopic> topic = HelpTopicOfFormName(ToUtf8(widget->objectName()))) return *topic;
  }
  return HelpTopic::kContents;
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
  // The key reaches the platform window first and then the focused widget: it is taken there.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !IsHelpKey(event)) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();  // F1 is this filter's, not the main window's shortcut
    return true;
  }
  if (show_topic_) show_topic_(TopicFor(widget));
  return true;
}

}  // namespace kirvo
