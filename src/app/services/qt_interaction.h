#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/interaction.h"

namespace kirvo {

// Messages and questions in modal boxes over the active window of the program (else the main
// window), beeps through the desktop.
class QtInteraction : public Interaction {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  void SetTitle(const QString& title) { title_ = title; }

  void Beep() override;
  // The beep, and the reason in the status bar of the main window (kept until the next input
  // clears it) or, while another window is in front, as a hint at the focused control.
  void Refuse(std::string_view reason) override;
  void ShowMessage(MessageKind kind, std::string_view text) override;
  bool AskYesNo(std::string_view question) override;

 private:
  QWidget* BoxParent() const;

  QPointer<QWidget> parent_;
  QString title_;
};

}  // namespace kirvo
