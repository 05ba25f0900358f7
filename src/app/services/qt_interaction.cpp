#include "services/qt_interaction.h"

#include <QApplication>
#include <QMessageBox>

#include "bridge/text.h"

namespace kirvo {

void QtInteraction::Beep() { QApplication::beep(); }

void QtInteraction::ShowMessage(std::string_view text) {
  QMessageBox::information(parent_, title_, DisplayText(text), QMessageBox::Ok);
}

bool QtInteraction::AskYesNo(std::string_view question) {
  return QMessageBox::question(parent_, title_, DisplayText(question), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace kirvo
