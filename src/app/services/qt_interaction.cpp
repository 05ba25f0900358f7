#include "app/services/qt_interaction.h"

#include <QApplication>
#include <QMessageBox>

#include "app/bridge/text.h"

namespace kirvo {

void QtInteraction::Beep() { QApplication::beep(); }

void QtInteraction::ShowMessage(MessageKind kind, std::string_view text) {
  switch (kind) {
    case MessageKind::kInformation:
      QMessageBox::information(parent_, title_, DisplayText(text), QMessageBox::Ok);
      return;
    case MessageKind::kWarning:
      QMessageBox::warning(parent_, title_, DisplayText(text), QMessageBox::Ok);
      return;
    case MessageKind::kError:
      QMessageBox::critical(parent_, title_, DisplayText(text), QMessageBox::Ok);
      return;
  }
}

bool QtInteraction::AskYesNo(std::string_view question) {
  return QMessageBox::question(parent_, title_, DisplayText(question), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace kirvo
