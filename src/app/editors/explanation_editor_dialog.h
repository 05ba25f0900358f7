#pragma once

#include <QDialog>
#include <QFont>
#include <functional>

#include "data/explanation_editor.h"
#include "presentation/frame/help_topics.h"
#include "presentation/print/print_job.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kirvo {

class Interaction;

// "格局の説明文の編集" / "神殺の説明文の編集": one entry's explanation at a time in the text area, over
// the editor model that keeps the file's lines until the dialog closes.
class ExplanationEditorDialog : public QDialog {
  Q_OBJECT

 public:
  // `text_font` is the explanation font of the system settings; `show_help` opens a help topic.
  ExplanationEditorDialog(Interaction& interaction, ExplanationEditor editor, const QFont& text_font,
                          std::function<void(HelpTopic topic)> show_help, QWidget* parent = nullptr);

  // Where the list viewer hands its print.
  void SetPrintPreview(PrintPreviewRequest request) { print_preview_ = std::move(request); }

  const ExplanationEditor& editor() const { return editor_; }
  QComboBox* selector() const { return selector_; }
  QPlainTextEdit* text_area() const { return text_; }
  QPushButton* previous_button() const { return previous_; }
  QPushButton* next_button() const { return next_; }
  QPushButton* list_button() const { return list_; }
  QPushButton* ok_button() const { return ok_; }

  // OK stores the entry being edited; the close box and Esc drop it. Either way the lines are
  // written back, and the dialog stays open when writing fails, so nothing typed is lost.
  // "一覧表示" without the window: the lines the list viewer shows, the entry being edited stored first.
  TextTable ListTable() { return editor_.OpenList(); }

  void accept() override;
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowEntry();
  void OpenList();

  Interaction& interaction_;
  ExplanationEditor editor_;
  std::function<void(HelpTopic topic)> show_help_;
  PrintPreviewRequest print_preview_;
  QComboBox* selector_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* list_ = nullptr;
  QPushButton* ok_ = nullptr;
  bool showing_ = false;  // the text area is being filled from the model, not typed into
};

}  // namespace kirvo
