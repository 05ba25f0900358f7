#include "app/services/qt_interaction.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolTip>

#include "app/bridge/text.h"

namespace kirvo {

QWidget* QtInteraction::BoxParent() const {
  // A box stands over the window the user is working in (a dialog, the person list), so that it
  // never hides behind it; the main window when no window of the program is active.
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return parent_;
}

void QtInteraction::Beep() { QApplication::beep(); }

void QtInteraction::Refuse(std::string_view reason) {
  Beep();
  if (reason.empty()) return;
  const QString text = DisplayText(reason);
  auto* main_window = qobject_cast<QMainWindow*>(parent_.data());
  QWidget* front = QApplication::activeWindow();
  if (main_window != nullptr && (front == nullptr || front == main_window)) {
    main_window->statusBar()->showMessage(text);
    return;
  }
  if (QWidget* focus = QApplication::focusWidget()) {
    QToolTip::showText(focus->mapToGlobal(QPoint(0, focus->height())), text, focus);
  }
}

void QtInteraction::ShowMessage(MessageKind kind, std::string_view text) {
  switch (kind) {
    case MessageKind::kInformation:
      QMessageBox::information(BoxParent(), title_, DisplayText(text), QMessageBox::Ok);
      return;
    case MessageKind::kWarning:
      QMessageBox::warning(BoxParent(), title_, DisplayText(text), QMessageBox::Ok);
      return;
    case MessageKind::kError:
      QMessageBox::critical(BoxParent(), title_, DisplayText(text), QMessageBox::Ok);
      return;
  }
}

bool QtInteraction::AskYesNo(std::string_view question) {
  return QMessageBox::question(BoxParent(), title_, DisplayText(question), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace kirvo
